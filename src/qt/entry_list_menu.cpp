#include "entry_list_menu.h"

#include "app/form1.h"
#include "entries/tool_table.h"

namespace tavrolin::qt {

namespace {

// The items after the tools'.
const std::pair<const char16_t*, void (Form1::*)()> kOthers[] = {
    {u"Create in Groups\u2026", &Form1::ListView1_CreateInGroups},
    {u"List Figures\u2026", &Form1::ListView1_Figures},
};

// Loading comes last, apart from the items that work on the list as it stands.
const std::pair<const char16_t*, void (Form1::*)()> kLoading[] = {
    {u"Load Column From CSV File\u2026", &Form1::ListView1_LoadColumn},
};

} // namespace

EntryListMenu::EntryListMenu(QWidget* list) : QMenu(list) {
    setObjectName(QStringLiteral("ListView1Menu"));
    for (const ToolRow& row : kToolTable) {
        m_tools.append({addAction(QString::fromUtf16(row.menuText)),
                        [tool = row.tool](Form1& form) { form.ListView1_Tool(tool); }});
    }
    for (const auto& [caption, handler] : kOthers)
        m_tools.append({addAction(QString::fromUtf16(caption)), std::mem_fn(handler)});
    addSeparator();
    for (const auto& [caption, handler] : kLoading)
        m_tools.append({addAction(QString::fromUtf16(caption)), std::mem_fn(handler)});
}

} // namespace tavrolin::qt
