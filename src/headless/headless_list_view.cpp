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
    // The selection follows its item; removing the selected item leaves none selected.
    const int item = row + 1;
    if (item == m_selected)
        m_selected = 0;
    else if (item < m_selected)
        --m_selected;
}

} // namespace tavrolin::headless
