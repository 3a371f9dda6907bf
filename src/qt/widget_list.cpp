#include "widget_list.h"

#include "common/runtime_error.h"
#include "common/twips.h"
#include "report_table.h"

#include <QHeaderView>

namespace tavrolin::qt {

WidgetList::WidgetList(bool checkable)
    : ModelBackedList(checkable, ListModel::Announce::FromEventLoop) {}

void WidgetList::setView(ReportTable* view) {
    m_view = view;
    m_view->setModel(&model());
}

int WidgetList::selectedItem() const {
    if (m_view == nullptr)
        return 0;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void WidgetList::selectItem(int item) {
    if (item < 1 || item > itemCount())
        throw RuntimeError::of(error::IndexOutOfBounds);
    if (m_view == nullptr)
        return;
    // The view must know of the row before it can select it.
    model().announceAppended();
    const QModelIndex index = model().index(item - 1, 0);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

void WidgetList::setColumnWidth(int column, int twips) {
    ModelBackedList::setColumnWidth(column, twips);
    if (m_view != nullptr)
        m_view->header()->resizeSection(column - 1, twips / kTwipsPerPixel);
}

} // namespace tavrolin::qt
