#pragma once

#include "common/entry_tool_options.h"
#include "create/separator.h"
#include "entries/entry_list_tools.h"

#include <QString>
#include <QStringList>

namespace tavrolin {

struct EntryChange;
struct EntryListToolParts;
struct Toolkit;

// The main window: owns the window-wide state (the separator) and answers
// every event of the window and its controls. The controls, from the top of the window down:
//   ListView1     the entry list, column "List Entries"
//   PushButton2   "Add One Item To List"
//   PushButton6   "Load List From Text File"
//   PushButton5   "Clear List"
//   PushButton8   "Load Sample/Example Data"
//   Frame1        "Separating Character(s) To Add", which holds
//   Combo1        the separator choice: Comma-space, Comma, Space, Other
//   PushButton4   "Start Creating List"
//   ListView2     the results list, column "Results - Extend bar to show all >", 59 spaces, ">"
//   PushButton1   "Save Results To CSV/Text File"
//   PushButton7   "Copy Results To Clipboard"
//   PushButton3   "Clear Results"
//   ProgressBar1  the progress bar, "Progress Bar" when idle
class Form1 {
public:
    explicit Form1(Toolkit& ui);

    void Form_Load();
    // Raised once the window is shown and painted, before the files it was started with load.
    void Form_Shown();
    void Form_Unload();
    // The files the program was started with, loaded once the window shows.
    void Form_OpenFiles(const QStringList& paths);

    // Entry list.
    void PushButton2_Click();
    void PushButton5_Click();
    void PushButton6_Click();
    void PushButton8_Click();
    void ListView1_DblClick();
    void ListView1_KeyDown(int keyCode, int shift);
    void ListView1_FilesDropped(const QStringList& paths);
    void ListView1_TextDropped(const QString& text);
    void ListView1_Paste();
    void ListView1_EditItem(int item, const QString& text);
    void ListView1_MoveItem(int item, int places);
    // Every tool of the entry list's menu, its dialog offering the answers given last. Split
    // offers the separator last split at; before any split, the chosen separator (under
    // "Other", the one last typed, or none).
    void ListView1_Tool(EntryListTool tool);
    // "Create in Groups" and "List Figures". Both are refused while a creation runs or the busy
    // pointer shows, and hold off removals while they let events run.
    void ListView1_CreateInGroups();
    void ListView1_Figures();
    // "Load Column From CSV File": appends a column of a CSV or TSV file to the entries.
    void ListView1_LoadColumn();

    // List creation.
    void Combo1_Click();
    void PushButton4_Click();

    // Results.
    void PushButton1_Click();
    void PushButton3_Click();
    void PushButton7_Click();
    void ListView2_KeyDown(int keyCode, int shift);
    // "Save Results as Plain Text…" of the results list's menu, and Ctrl+Shift+S. Refused while
    // an operation runs or the busy pointer shows.
    void ListView2_SavePlainText();

    // Pointer feedback; the mouse-move arguments (button, shift, x, y) are not needed.
    void Form_MouseMove();
    void ListView1_MouseMove();
    void ListView2_MouseMove();
    void Frame1_MouseMove();
    void PushButton1_MouseMove();
    void PushButton2_MouseMove();
    void PushButton3_MouseMove();
    void PushButton4_MouseMove();
    void PushButton5_MouseMove();
    void PushButton6_MouseMove();
    void PushButton7_MouseMove();
    void PushButton8_MouseMove();

    const Separator& separator() const { return m_separator; }
    bool busy() const;

private:
    // What a stopped operation's changes to the lists become.
    enum class Stopped {
        RollBack,
        Keep,
    };
    // Runs an operation that a trap may stop (memory ran out; it has said so already): the
    // window comes back to rest, and the operation's changes are undone or kept as `stopped`
    // says. Its changes are one undo step of that name.
    template <class Operation>
    void runStoppable(Stopped stopped, const QString& name, Operation&& operation);
    // Before an operation that changes the lists and tells nothing on the bar: the text of the
    // operation before it would read as this one's. A creation or a save that lets this
    // operation run keeps its progress.
    void barAtRest();
    // What an edit or a move of an entry works on.
    EntryChange entryChange() const;
    // What the entry list's tools work on.
    EntryListToolParts entryListTools() const;
    // Tells the user, once a run and not before the window shows, that the separator choice
    // or a tool's answers will not be remembered: the settings file is the same, so once is
    // enough.
    void tellChoiceNotRemembered(const QString& message);

    Toolkit& m_ui;
    Separator m_separator;
    // The separator typed under "Other" at the last creation that asked for one.
    QString m_lastTypedSeparator;
    // The answers the tools' dialogs were given last, kept here as well: a settings file that
    // cannot be written still lets them be offered again in this run.
    ToolChoices m_toolChoices;
    Grouping m_grouping;
    bool m_shown = false;
    bool m_toldChoiceNotRemembered = false;
    QString m_choiceNotRememberedMessage;
};

} // namespace tavrolin
