#include "report_view.h"

#include <QHeaderView>
#include <QStyle>
#include <algorithm>

namespace tavrolin::qt {

namespace {

constexpr int kRowPadding = 4;

} // namespace

ReportView::ReportView(QWidget* parent) : QTableView(parent) {
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab leaves the list for the next control, as in any list; the arrow keys move in it.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    const int height =
        std::max(fontMetrics().height(), style()->pixelMetric(QStyle::PM_IndicatorHeight)) +
        kRowPadding;
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(height);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* columns = horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
}

} // namespace tavrolin::qt
