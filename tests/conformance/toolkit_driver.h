#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace tavrolin {
class Form1;
struct Toolkit;
} // namespace tavrolin

namespace tavrolin::testing {

// One window as its user meets it, behind either toolkit. The conformance tests act and look
// only through this interface, so each of them runs unchanged against both toolkits.
class ToolkitDriver {
public:
    virtual ~ToolkitDriver() = default;

    // The separator position kept in the settings store; a null string when none is kept.
    virtual void storeChoice(const QString& value) = 0;
    virtual QString storedChoice() const = 0;
    // Form_Load, then the window shows.
    virtual void load() = 0;

    virtual Toolkit& toolkit() = 0;

    // What the user sees.
    virtual int comboIndex() const = 0;
    virtual QString comboText() const = 0;
    virtual int progressValue() const = 0;
    virtual QString progressText() const = 0;
    // The first-column texts of a list's rows as shown (list 1 or 2).
    virtual QStringList shownRows(int list) const = 0;
    // Whether the window shows the picture of this pointer value.
    virtual bool showsPointer(int value) const = 0;
    virtual QString clipboardText() const = 0;
    // The texts of the message boxes closed so far, and the titles of the file dialogs shown.
    virtual QStringList messages() const = 0;
    virtual QStringList fileDialogTitles() const = 0;
    // Dialogs that nobody expected or that stayed open too long; empty when all went well.
    virtual QStringList problems() const = 0;

    // What the user does. Controls go by their names; "Form" is the window's own background,
    // "ListView1 header" the column header of a list.
    virtual void click(const QString& button) = 0;
    virtual void pickCombo(int position) = 0;
    virtual void selectItem(int list, int item) = 0;
    virtual void tickResultRow(int item) = 0;
    virtual void moveMouseOver(const QString& control) = 0;
    // The answers to the next dialogs of each kind, in the order they show. A message box is
    // closed with OK; an input box or file dialog left without an answer is cancelled.
    virtual void answerNextInput(const QString& text) = 0;
    // The files picked in the next file dialog, in the order picked; none is a Cancel.
    virtual void chooseFilesNext(const QStringList& paths) = 0;
};

// "headless" or "qt".
std::unique_ptr<ToolkitDriver> makeDriver(const QString& toolkit);
// The window of that toolkit after Form_Load.
std::unique_ptr<ToolkitDriver> loadedDriver(const QString& toolkit);
std::unique_ptr<ToolkitDriver> makeHeadlessDriver();
std::unique_ptr<ToolkitDriver> makeQtDriver();

// Where the toolkits differ on purpose. The tests ask here, never for a toolkit's name.
struct ToolkitDifferences {
    // A message text as the box shows it: the Qt box breaks the line at a lone carriage
    // return, where the headless one keeps the text exactly as the program gave it.
    QString (*shownMessage)(const QString& text);
};

ToolkitDifferences differencesOf(const QString& toolkit);

} // namespace tavrolin::testing
