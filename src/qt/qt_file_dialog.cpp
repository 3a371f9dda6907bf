#include "qt_file_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace tavrolin::qt {

QtFileDialog::QtFileDialog(QWidget* parent) : m_parent(parent) {}

QStringList QtFileDialog::nameFilters(const QList<FileFilter>& filters) {
    QStringList result;
    for (const FileFilter& filter : filters) {
        // The description names its patterns in parentheses; show the ones that apply here.
        QString description = filter.description;
        const qsizetype open = description.lastIndexOf(u'(');
        if (open > 0 && description.endsWith(u')'))
            description.truncate(open);
        result.append(description.trimmed() + QStringLiteral(" (") + filter.patterns.join(u' ') +
                      u')');
    }
    return result;
}

void QtFileDialog::showOpen() {
    QFileDialog dialog(m_parent, title());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const bool several = (flags() & fileDialogFlag::AllowMultiSelect) != 0;
    dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(parsedFilter()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    deliverFiles(dialog.selectedFiles());
}

void QtFileDialog::showSave() {
    QFileDialog dialog(m_parent, title());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Choosing an existing file replaces it without a question, and a name is kept as typed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(nameFilters(parsedFilter()));
    if (!fileName().isEmpty())
        dialog.selectFile(fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    deliverChoice(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

} // namespace tavrolin::qt
