#include "qt_dialogs.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tavrolin::qt {

namespace {

QString titleOrApplication(const QString& title) {
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

// A carriage return alone breaks the line, as it does in the message texts.
QString withLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QMessageBox::Icon iconOf(MessageStyle style) {
    switch (style) {
    case MessageStyle::OkExclamation:
        return QMessageBox::Warning;
    case MessageStyle::OkCritical:
        return QMessageBox::Critical;
    case MessageStyle::OkOnly:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtDialogs::QtDialogs(QWidget* parent) : m_parent(parent) {}

void QtDialogs::messageBox(const QString& text, MessageStyle style, const QString& title) {
    QMessageBox box(iconOf(style), titleOrApplication(title), withLineBreaks(text), QMessageBox::Ok,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(titleOrApplication(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace tavrolin::qt
