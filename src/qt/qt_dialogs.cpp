#include "qt_dialogs.h"

#include "csv_column_dialog.h"
#include "duplicates_dialog.h"
#include "figures_dialog.h"
#include "groups_dialog.h"
#include "main_window.h"
#include "split_dialog.h"
#include "window_placement.h"
#include "wrap_dialog.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace tavrolin::qt {

namespace {

// Room in a title bar beside its text: the window menu and the window buttons.
constexpr int kTitleBarControls = 160;
constexpr int kMinimumBoxWidth = 240;

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

// A box without a window to open over opens in the middle of the screen. QDialog places it
// before the box has sized itself to its text, which would leave it off centre.
template <class Dialog> class ScreenCentred : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        const QScreen* screen = this->screen();
        if (this->parentWidget() != nullptr || screen == nullptr)
            return;
        this->move(placedWindow(this->frameGeometry().size(), screen->availableGeometry()));
    }
};

// A box sized to a short text such as "Done." would leave its title bar no room for the title.
// The box's own layout decides its width, so the room is asked for there.
void makeRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    const int width =
        std::max(kMinimumBoxWidth,
                 box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarControls);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

QtDialogs::QtDialogs(MainWindow& window) : m_window(window) {}

QString QtDialogs::titleOrApplication(const QString& title) const {
    return title.isEmpty() ? m_window.applicationTitle() : title;
}

// A box over a window not yet shown would open where that window will be, in the screen's
// corner.
QWidget* QtDialogs::owner() const {
    return m_window.isVisible() ? &m_window : nullptr;
}

void QtDialogs::messageBox(const QString& text, MessageStyle style, const QString& title) {
    ScreenCentred<QMessageBox> box(iconOf(style), titleOrApplication(title), withLineBreaks(text),
                                   QMessageBox::Ok, owner());
    box.setTextFormat(Qt::PlainText);
    makeRoomForTitle(box);
    box.exec();
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    ScreenCentred<QInputDialog> dialog(owner());
    dialog.setWindowTitle(titleOrApplication(title));
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    // The line edit's own limit of 32767 characters would cut a long pasted entry without a
    // word; the program sets none.
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

std::optional<WrapTexts> QtDialogs::wrapBox(const WrapTexts& offered) {
    WrapDialog dialog(owner());
    dialog.setTexts(offered);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.texts();
}

std::optional<SplitAnswer> QtDialogs::splitBox(const SplitAnswer& offered) {
    SplitDialog dialog(owner(), offered.separator);
    dialog.setQuotes(offered.quotes);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

std::optional<DuplicateRules> QtDialogs::duplicatesBox(const DuplicateRules& offered) {
    DuplicatesDialog dialog(owner());
    dialog.setRules(offered);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.rules();
}

std::optional<Grouping> QtDialogs::groupsBox(const Grouping& offered) {
    GroupsDialog dialog(owner());
    dialog.setGrouping(offered);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.grouping();
}

void QtDialogs::figuresBox(const QList<Figure>& figures) {
    FiguresDialog dialog(figures, owner());
    dialog.exec();
}

std::optional<CsvColumnChoice>
QtDialogs::csvColumnBox(const CsvPreview& preview,
                        const std::function<CsvPreview(char delimiter)>& reread) {
    CsvColumnDialog dialog(owner(), preview, reread);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace tavrolin::qt
