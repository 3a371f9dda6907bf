#include "entry_list_menu.h"

#include "app/form1.h"
#include "entries/tool_table.h"

namespace tavrolin::qt {

namespace {

// The window's handler of each tool.
EntryListMenu::Handler handlerOf(EntryListTool tool) {
    switch (tool) {
    case EntryListTool::SortAscending:
        return &Form1::ListView1_SortAscending;
    case EntryListTool::SortDescending:
        return &Form1::ListView1_SortDescending;
    case EntryListTool::Reverse:
        return &Form1::ListView1_Reverse;
    case EntryListTool::RemoveDuplicates:
        return &Form1::ListView1_RemoveDuplicates;
    case EntryListTool::TrimSpaces:
        return &Form1::ListView1_TrimSpaces;
    case EntryListTool::RemoveEmpty:
        return &Form1::ListView1_RemoveEmpty;
    case EntryListTool::Wrap:
        return &Form1::ListView1_Wrap;
    case EntryListTool::Split:
        break;
    }
    return &Form1::ListView1_Split;
}

// The items after the tools'.
const std::pair<const char16_t*, EntryListMenu::Handler> kOthers[] = {
    {u"Create in Groups\u2026", &Form1::ListView1_CreateInGroups},
    {u"List Figures\u2026", &Form1::ListView1_Figures},
};

} // namespace

EntryListMenu::EntryListMenu(QWidget* list) : QMenu(list) {
    setObjectName(QStringLiteral("ListView1Menu"));
    for (const ToolRow& row : kToolTable)
        m_tools.append({addAction(QString::fromUtf16(row.menuText)), handlerOf(row.tool)});
    for (const auto& [caption, handler] : kOthers)
        m_tools.append({addAction(QString::fromUtf16(caption)), handler});
}

} // namespace tavrolin::qt
