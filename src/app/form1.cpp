#include "form1.h"

#include "common/keys.h"
#include "common/path_routines.h"
#include "common/product.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "common/toolkit/toolkit.h"
#include "common/untrapped_handler.h"
#include "create/figures_handler.h"
#include "create/list_creation.h"
#include "entries/csv_column_loading.h"
#include "entries/dropped_input.h"
#include "entries/entry_list_editing.h"
#include "entries/entry_list_tool_handlers.h"
#include "entries/list_file_loading.h"
#include "integer_conversion.h"
#include "output/clipboard_copy.h"
#include "output/plain_text_save.h"
#include "output/result_file_writer.h"
#include "output/results_list.h"
#include "remembered_choices.h"
#include "selected_item_removal.h"
#include "startup.h"

#include <QScopedValueRollback>
#include <utility>

namespace tavrolin {

namespace {

constexpr int kListColumnWidthTwips = 6000;
const QString kBarAtRest = QStringLiteral("Progress Bar");

} // namespace

Form1::Form1(Toolkit& ui)
    : m_ui(ui)
    , m_toolChoices(rememberedToolChoices(ui.settings))
    , m_grouping(rememberedGrouping(ui.settings)) {}

void Form1::Form_Load() {
    Trap trap(m_ui.dialogs, QStringLiteral("Form1.Form_Load"));
    trap(100, [&] { ApplySkin(m_ui.form, m_ui.colours, m_ui.skinFramework1); });
    trap(104, [&] { m_ui.form.setCaption(kProductName); });
    trap(104, [&] { m_ui.form.setProgramIcon(); });
    trap(104, [&] { SetApplicationTitle(m_ui.form); });
    const QString handPointer =
        m_ui.form.programFolder() + kPathSeparator + QStringLiteral("HAND-M.CUR");
    if (trap.test(106, [&] { return FileExists(handPointer); }))
        trap(108, [&] { m_ui.pointer.loadCustomPointer(handPointer); });
    trap(128, [&] { m_ui.listView1.addColumn(QStringLiteral("List Entries")); });
    trap(130, [&] { m_ui.listView1.setColumnWidth(1, kListColumnWidthTwips); });
    trap(132, [&] { m_ui.listView2.addColumn(resultsCaption()); });
    trap(134, [&] { m_ui.listView2.setColumnWidth(1, kListColumnWidthTwips); });
    trap(136, [&] { m_ui.combo1.addItem(QStringLiteral("Comma-space")); });
    trap(138, [&] { m_ui.combo1.addItem(QStringLiteral("Comma")); });
    trap(140, [&] { m_ui.combo1.addItem(QStringLiteral("Space")); });
    trap(142, [&] { m_ui.combo1.addItem(QStringLiteral("Other")); });
    trap(144, [&] {
        m_ui.combo1.setListIndex(toInteger16(m_ui.settings.get(
            kSettingsApplication, kSettingsSection, kSeparatorChoiceKey, QStringLiteral("0"))));
    });
}

bool Form1::busy() const {
    return m_ui.operation.running;
}

template <class Operation>
void Form1::runStoppable(Stopped stopped, const QString& name, Operation&& operation) {
    ChangeHistory::Step step(m_ui.history, name);
    try {
        std::forward<Operation>(operation)();
    } catch (const OperationStopped&) {
        if (stopped == Stopped::RollBack)
            step.rollBack();
        m_ui.pointer.setPointer(pointer::Default);
        m_ui.progressBar1.setValue(0);
        m_ui.progressBar1.setText(kBarAtRest);
    }
}

void Form1::barAtRest() {
    if (m_ui.operation.running || m_ui.pointer.pointer() == pointer::Hourglass)
        return;
    m_ui.progressBar1.setValue(0);
    m_ui.progressBar1.setText(kBarAtRest);
}

void Form1::Form_Shown() {
    m_shown = true;
    if (!m_choiceNotRememberedMessage.isEmpty())
        tellChoiceNotRemembered(m_choiceNotRememberedMessage);
}

void Form1::Form_Unload() {
    m_ui.process.endProcess(0);
}

void Form1::Form_OpenFiles(const QStringList& paths) {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Load List"),
                 [&] { loadOpenedFiles(m_ui.listView1, m_ui.pointer, m_ui.dialogs, paths); });
}

void Form1::PushButton2_Click() {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Add One Item"),
                 [&] { addOneItem(m_ui.dialogs, m_ui.listView1); });
}

void Form1::PushButton5_Click() {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Clear List"),
                 [&] { clearEntries(m_ui.dialogs, m_ui.pointer, m_ui.listView1, m_ui.operation); });
}

void Form1::PushButton6_Click() {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Load List"), [&] {
        loadListFiles({m_ui.dialogs, m_ui.commonDialog1, m_ui.pointer, m_ui.listView1});
    });
}

void Form1::PushButton8_Click() {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Load Sample Data"),
                 [&] { loadSampleEntries(m_ui.dialogs, m_ui.listView1); });
}

void Form1::ListView1_DblClick() {
    // A running creation reads the entries by position, so the list must not shrink under it,
    // also after a load in the same turn has restored the default pointer.
    if (m_ui.operation.running)
        return;
    barAtRest();
    ChangeHistory::Step step(m_ui.history, QStringLiteral("Remove Entry"));
    runUntrapped(m_ui.dialogs, m_ui.process, QStringLiteral("Form1.ListView1_DblClick"),
                 [&] { removeSelectedItem(m_ui.pointer, m_ui.listView1); });
}

void Form1::ListView1_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == kKeyDelete)
        ListView1_DblClick();
}

void Form1::ListView1_FilesDropped(const QStringList& paths) {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Drop Files"),
                 [&] { loadDroppedFiles(m_ui.listView1, m_ui.pointer, m_ui.dialogs, paths); });
}

void Form1::ListView1_TextDropped(const QString& text) {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Drop Text"),
                 [&] { appendDroppedText(m_ui.listView1, m_ui.dialogs, text); });
}

void Form1::ListView1_Paste() {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Paste"),
                 [&] { pasteClipboardText(m_ui.listView1, m_ui.clipboard, m_ui.dialogs); });
}

void Form1::ListView1_EditItem(int item, const QString& text) {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Edit Entry"),
                 [&] { editEntry(entryChange(), item, text); });
}

EntryChange Form1::entryChange() const {
    return {m_ui.dialogs, m_ui.pointer, m_ui.listView1, m_ui.operation};
}

void Form1::ListView1_MoveItem(int item, int places) {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Move Entry"),
                 [&] { moveEntry(entryChange(), item, places); });
}

void Form1::ListView1_Tool(EntryListTool tool) {
    // The separator a user last split at is the one they expect again; the chosen one is only
    // a guess until they have split.
    const QString offered = !m_toolChoices.separator.isEmpty() ? m_toolChoices.separator
                            : m_separator.isOtherMarker()      ? m_lastTypedSeparator
                                                               : m_separator.text();
    ToolChoices choices = m_toolChoices;
    bool answered = false;
    runStoppable(Stopped::RollBack, toolName(tool),
                 [&] { answered = runEntryListTool(entryListTools(), tool, choices, offered); });
    if (!answered)
        return;
    m_toolChoices = choices;
    const QString notStored = rememberToolChoices(m_ui.settings, tool, choices);
    if (!notStored.isEmpty())
        tellChoiceNotRemembered(toolChoicesNotRememberedText(notStored));
}

EntryListToolParts Form1::entryListTools() const {
    return {m_ui.dialogs,   m_ui.toolDialogs,  m_ui.pointer,
            m_ui.listView1, m_ui.progressBar1, m_ui.operation};
}

void Form1::ListView1_CreateInGroups() {
    if (m_ui.operation.running || m_ui.pointer.pointer() == pointer::Hourglass)
        return;
    const QScopedValueRollback<bool> running(m_ui.operation.running, true);
    // As for a press of "Start Creating List": a stopped creation leaves the results empty.
    const Grouping offered = m_grouping;
    runStoppable(Stopped::Keep, QStringLiteral("Create in Groups"),
                 [&] { createListInGroups(CreationParts::of(m_ui), m_separator, m_grouping); });
    if (m_grouping.size == offered.size && m_grouping.before == offered.before &&
        m_grouping.after == offered.after)
        return;
    const QString notStored = rememberGrouping(m_ui.settings, m_grouping);
    if (!notStored.isEmpty())
        tellChoiceNotRemembered(toolChoicesNotRememberedText(notStored));
}

void Form1::ListView1_Figures() {
    if (m_ui.operation.running || m_ui.pointer.pointer() == pointer::Hourglass)
        return;
    const QScopedValueRollback<bool> running(m_ui.operation.running, true);
    runStoppable(Stopped::Keep, QStringLiteral("List Figures"), [&] {
        showListFigures({m_ui.dialogs, m_ui.toolDialogs, m_ui.pointer, m_ui.listView1, m_ui.events},
                        m_separator);
    });
}

void Form1::ListView1_LoadColumn() {
    runStoppable(Stopped::RollBack, QStringLiteral("Load Column"), [&] {
        loadCsvColumn({m_ui.dialogs, m_ui.toolDialogs, m_ui.commonDialog1, m_ui.pointer,
                       m_ui.listView1, m_ui.progressBar1, m_ui.operation});
    });
}

void Form1::Combo1_Click() {
    QString notStored;
    runUntrapped(m_ui.dialogs, m_ui.process, QStringLiteral("Form1.Combo1_Click"),
                 [&] { notStored = chooseSeparator(m_ui.combo1, m_ui.settings, m_separator); });
    if (!notStored.isEmpty())
        tellChoiceNotRemembered(choiceNotRememberedText(notStored));
}

void Form1::tellChoiceNotRemembered(const QString& message) {
    if (m_toldChoiceNotRemembered)
        return;
    // Start-up picks the stored choice before the window shows; a box then would stand alone.
    if (!m_shown) {
        m_choiceNotRememberedMessage = message;
        return;
    }
    m_toldChoiceNotRemembered = true;
    m_ui.dialogs.messageBox(message, MessageStyle::OkExclamation);
}

void Form1::PushButton4_Click() {
    // A press while a creation runs is refused; the entry list's tools refuse to change the
    // entries under it too.
    if (m_ui.operation.running)
        return;
    const QScopedValueRollback<bool> running(m_ui.operation.running, true);
    // A creation that stopped has emptied the results; bringing back the result before it
    // would show a result that looks like this press's.
    const bool typing = m_separator.isOtherMarker();
    runStoppable(Stopped::Keep, QStringLiteral("Create List"),
                 [&] { createList(CreationParts::of(m_ui), m_separator); });
    if (typing && !m_separator.isOtherMarker())
        m_lastTypedSeparator = m_separator.text();
}

void Form1::PushButton1_Click() {
    runStoppable(Stopped::Keep, QStringLiteral("Save Results"), [&] {
        saveResults({m_ui.dialogs, m_ui.listView2, m_ui.commonDialog1, m_ui.pointer,
                     m_ui.progressBar1, m_ui.events});
    });
}

void Form1::ListView2_SavePlainText() {
    if (m_ui.operation.running || m_ui.pointer.pointer() == pointer::Hourglass)
        return;
    runStoppable(Stopped::Keep, QStringLiteral("Save Results as Plain Text"), [&] {
        savePlainResults({m_ui.dialogs, m_ui.listView2, m_ui.commonDialog1, m_ui.pointer});
    });
}

void Form1::PushButton3_Click() {
    barAtRest();
    runStoppable(Stopped::RollBack, QStringLiteral("Clear Results"),
                 [&] { clearResults(m_ui.dialogs, m_ui.listView2); });
}

void Form1::PushButton7_Click() {
    runStoppable(Stopped::Keep, QStringLiteral("Copy Results"), [&] {
        copyResults({m_ui.dialogs, m_ui.listView2, m_ui.clipboard, m_ui.events});
    });
}

void Form1::ListView2_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode != kKeyDelete)
        return;
    barAtRest();
    ChangeHistory::Step step(m_ui.history, QStringLiteral("Remove Result"));
    runUntrapped(m_ui.dialogs, m_ui.process, QStringLiteral("Form1.ListView2_KeyDown"),
                 [&] { removeSelectedItem(m_ui.pointer, m_ui.listView2); });
}

} // namespace tavrolin
