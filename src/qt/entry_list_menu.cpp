#include "entry_list_menu.h"

#include "app/form1.h"
#include "entries/tool_table.h"

namespace tavrolin::qt {

namespace {

// The window's handler of each tool, in the table's order. Each tool's menu item is checked
// against batch mode by the parity test.
const EntryListMenu::Handler kToolHandlers[] = {
    &Form1::ListView1_SortAscending, &Form1::ListView1_SortDescending,
    &Form1::ListView1_Reverse,       &Form1::ListView1_RemoveDuplicates,
    &Form1::ListView1_TrimSpaces,    &Form1::ListView1_RemoveEmpty,
    &Form1::ListView1_Wrap,          &Form1::ListView1_Split};
static_assert(std::size(kToolHandlers) == std::size(kToolTable));

// The items after the tools'.
const std::pair<const char16_t*, EntryListMenu::Handler> kOthers[] = {
    {u"Create in Groups\u2026", &Form1::ListView1_CreateInGroups},
    {u"List Figures\u2026", &Form1::ListView1_Figures},
};

} // namespace

EntryListMenu::EntryListMenu(QWidget* list) : QMenu(list) {
    setObjectName(QStringLiteral("ListView1Menu"));
    for (const ToolRow& row : kToolTable)
        m_tools.append(
            {addAction(QString::fromUtf16(row.menuText)), kToolHandlers[std::size_t(row.tool)]});
    for (const auto& [caption, handler] : kOthers)
        m_tools.append({addAction(QString::fromUtf16(caption)), handler});
}

} // namespace tavrolin::qt
