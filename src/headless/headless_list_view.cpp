#include "headless_list_view.h"

#include "common/runtime_error.h"

#include <utility>

namespace tavrolin::headless {

void HeadlessListView::select(int item) {
    if (item != 0)
        itemText(item); // raises for a number out of range
    m_selected = item;
}

void HeadlessListView::appendItem(QString text) {
    if (m_failingTexts.contains(text))
        throw RuntimeError(error::OutOfMemory, QStringLiteral("Out of memory"));
    StoredListView::appendItem(std::move(text));
}

QStringList HeadlessListView::texts() const {
    QStringList result;
    for (int i = 1; i <= itemCount(); ++i)
        result.append(itemText(i));
    return result;
}

void HeadlessListView::beginRemove(int row) {
    // The selection follows its item. Removing the selected item selects the next one, which
    // then has the same number, or the one before it at the end of the list, as the real list
    // view does; a list left empty has none.
    const int item = row + 1;
    if (item < m_selected || (item == m_selected && item == itemCount()))
        --m_selected;
}

} // namespace tavrolin::headless
