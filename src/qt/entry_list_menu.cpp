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
    {u"Remove Duplicates", &Form1::ListView1_RemoveDuplicates},
    {u"Trim Spaces", &Form1::ListView1_TrimSpaces},
    {u"Remove Empty Entries", &Form1::ListView1_RemoveEmpty},
    {u"Wrap Each Entry\u2026", &Form1::ListView1_Wrap},
    {u"Split Entries at Separator", &Form1::ListView1_Split},
    {u"Create in Groups\u2026", &Form1::ListView1_CreateInGroups},
    {u"List Figures\u2026", &Form1::ListView1_Figures},
};

} // namespace

EntryListMenu::EntryListMenu(QWidget* list) : QMenu(list) {
    setObjectName(QStringLiteral("ListView1Menu"));
    for (const Tool& tool : kTools) {
        QAction* action = addAction(QString::fromUtf16(tool.caption));
        m_tools.append({action, tool.handler});
        if (tool.handler == &Form1::ListView1_Split)
            m_split = action;
    }
}

} // namespace tavrolin::qt
