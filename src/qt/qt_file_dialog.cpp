#include "qt_file_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace tavrolin::qt {

namespace {

// The open dialog hands a name that does not exist to the program, whose loader says "File not
// found" for it as for any missing file. Qt's own dialog would refuse it with a warning of its
// own; and where the other names typed are files, it selects those in its list and hands back
// the selection alone, dropping the missing name without a word.
class OpenDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // What the user chose, missing names included.
    QStringList chosenFiles() const { return m_typed.isEmpty() ? selectedFiles() : m_typed; }

    // Qt greys out Open while a typed name does not exist; it stays available whenever a name
    // is typed. Called once the dialog has its buttons (setting the accept mode makes them anew).
    void keepOpenAvailable() {
        auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (buttons == nullptr || name == nullptr)
            return; // the platform's own dialog
        QPushButton* open = buttons->button(QDialogButtonBox::Open);
        // After the dialog's own check of the names, which is connected first.
        connect(name, &QLineEdit::textChanged, open, [open](const QString& text) {
            if (!text.isEmpty())
                open->setEnabled(true);
        });
    }

    void accept() override {
        const QStringList typed = typedFiles();
        const auto missing = [](const QString& path) { return !QFileInfo::exists(path); };
        const auto folder = [](const QString& path) { return QFileInfo(path).isDir(); };
        // A folder among the names opens it, as the dialog does.
        if (std::any_of(typed.begin(), typed.end(), missing) &&
            std::none_of(typed.begin(), typed.end(), folder)) {
            m_typed = typed;
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }

private:
    // The names in the name box, as the dialog reads them when nothing is selected in its list.
    QStringList typedFiles() const {
        auto* list = findChild<QListView*>(QStringLiteral("listView"));
        if (list == nullptr)
            return selectedFiles();
        QItemSelectionModel* selection = list->selectionModel();
        const QSignalBlocker blocker(selection);
        const QItemSelection selected = selection->selection();
        selection->clearSelection();
        QStringList names = selectedFiles();
        selection->select(selected, QItemSelectionModel::Select);
        return names;
    }

    QStringList m_typed;
};

} // namespace

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
    OpenDialog dialog(m_parent, title());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const bool several = (flags() & fileDialogFlag::AllowMultiSelect) != 0;
    dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    dialog.keepOpenAvailable();
    dialog.setNameFilters(nameFilters(parsedFilter()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    deliverFiles(dialog.chosenFiles());
}

void QtFileDialog::showSave() {
    QFileDialog dialog(m_parent, title());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Unless asked for, choosing an existing file replaces it without a question, and a name is
    // kept as typed.
    if ((flags() & fileDialogFlag::OverwritePrompt) == 0)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QList<FileFilter> filters = parsedFilter();
    const QStringList names = nameFilters(filters);
    dialog.setNameFilters(names);
    // The dialog adds its default suffix to a name without a dot, before it asks whether to
    // replace the file, so the question is about the file that will be written.
    if ((flags() & fileDialogFlag::TypeExtension) != 0) {
        const auto follow = [&dialog, &filters, &names](const QString& chosen) {
            const qsizetype type = names.indexOf(chosen);
            dialog.setDefaultSuffix(type >= 0 ? filters.at(type).extension() : QString());
        };
        follow(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    }
    if (!fileName().isEmpty())
        dialog.selectFile(fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    deliverChoice(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

} // namespace tavrolin::qt
