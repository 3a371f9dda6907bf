#include "qt_list_view.h"

#include "common/twips.h"
#include "report_view.h"

#include <QHeaderView>

namespace tavrolin::qt {

QtListView::QtListView(bool checkable)
    : ModelledListView(checkable, ListModel::Announce::FromEventLoop) {}

void QtListView::setView(ReportView* view) {
    m_view = view;
    m_view->setModel(&model());
}

int QtListView::selectedItem() const {
    if (m_view == nullptr)
        return 0;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void QtListView::setColumnWidth(int column, int twips) {
    ModelledListView::setColumnWidth(column, twips);
    if (m_view != nullptr)
        m_view->header()->resizeSection(column - 1, twips / kTwipsPerPixel);
}

} // namespace tavrolin::qt
