#include "entry_list_menu.h"

#include "app/form1.h"

namespace tavrolin::qt {

namespace {

struct Tool {
    const char16_t* caption;
    EntryListMenu::Handler handler;
};

const Tool kTools[] = {
    {u"Sort A to Z", &Form1::ListView1_SortAscending},
    {u"Sort Z to A", &Form1::ListView1_SortDescending},
    {u"Reverse Order", &Form1::ListView1_Reverse},
    {u"Remove Duplicates\u2026", &Form1::ListView1_RemoveDuplicates},
    {u"Trim Spaces", &Form1::ListView1_TrimSpaces},
    {u"Remove Empty Entries", &Form1::ListView1_RemoveEmpty},
    {u"Wrap Each Entry\u2026", &Form1::ListView1_Wrap},
    {u"Split Entries\u2026", &Form1::ListView1_Split},
    {u"Create in Groups\u2026", &Form1::ListView1_CreateInGroups},
    {u"List Figures\u2026", &Form1::ListView1_Figures},
};

} // namespace

EntryListMenu::EntryListMenu(QWidget* list) : QMenu(list) {
    setObjectName(QStringLiteral("ListView1Menu"));
    for (const Tool& tool : kTools) {
        m_tools.append({addAction(QString::fromUtf16(tool.caption)), tool.handler});
    }
}

} // namespace tavrolin::qt
