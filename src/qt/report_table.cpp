#include "report_table.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

namespace tavrolin::qt {

namespace {

constexpr int kRowPadding = 4;

} // namespace

ReportTable::ReportTable(QWidget* parent) : QTableView(parent) {
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab leaves the list for the next control, as in any list; the arrow keys move in it.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    // Scrolling by whole columns cannot scroll within the one column: a column dragged wider
    // than the list would have no scroll bar to bring its end into view.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    fitRowHeight();

    QHeaderView* columns = horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
}

void ReportTable::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitRowHeight();
}

// The rows are the items: Home and End go to the first and last, as Ctrl+Home and Ctrl+End do,
// rather than to the first and last column of the row.
QModelIndex ReportTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

// Every row as high as a line of the list's font or a check box, whichever is higher.
void ReportTable::fitRowHeight() {
    const int height =
        std::max(fontMetrics().height(), style()->pixelMetric(QStyle::PM_IndicatorHeight)) +
        kRowPadding;
    verticalHeader()->setDefaultSectionSize(height);
}

} // namespace tavrolin::qt
