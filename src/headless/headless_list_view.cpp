#include "headless_list_view.h"

#include "common/runtime_error.h"
#include "common/text_encoding.h"

#include <utility>

namespace tavrolin::headless {

// The selection follows the model's rows as a real view's selection does.
HeadlessListView::HeadlessListView() : ModelledListView(false, ListModel::Announce::WhenAsked) {
    ListModel* rows = &model();
    QObject::connect(
        rows, &ListModel::rowsAboutToBeRemoved, rows,
        [this](const QModelIndex&, int first, int last) { followRemoval(first, last); });
    QObject::connect(rows, &ListModel::rowsInserted, rows,
                     [this](const QModelIndex&, int first, int last) {
                         if (first < m_selected)
                             m_selected += last - first + 1;
                     });
    QObject::connect(rows, &ListModel::rowsMoved, rows,
                     [this](const QModelIndex&, int from, int, const QModelIndex&, int before) {
                         followMove(from, before > from ? before - 1 : before);
                     });
    QObject::connect(rows, &ListModel::modelAboutToBeReset, rows, [this] { m_selected = 0; });
}

void HeadlessListView::select(int item) {
    if (item != 0)
        itemText(item); // raises for a number out of range
    // A view selects only rows it has heard of.
    model().announceAppended();
    m_selected = item;
}

void HeadlessListView::appendItem(QString text) {
    if (m_failingTexts.contains(text))
        throw RuntimeError::of(error::OutOfMemory);
    ModelledListView::appendItem(std::move(text));
}

void HeadlessListView::checkAppendOf(QByteArrayView bytes) const {
    if (!m_failingTexts.isEmpty() && m_failingTexts.contains(decode8Bit(bytes)))
        throw RuntimeError::of(error::OutOfMemory);
}

void HeadlessListView::appendItemBytes(QByteArrayView bytes) {
    checkAppendOf(bytes);
    ModelledListView::appendItemBytes(bytes);
}

void HeadlessListView::appendItemBlock(QByteArray bytes) {
    checkAppendOf(bytes);
    ModelledListView::appendItemBlock(std::move(bytes));
}

void HeadlessListView::appendItems(PackedTexts&& texts) {
    for (qsizetype i = 0; !m_failingTexts.isEmpty() && i < texts.size(); ++i)
        checkAppendOf(texts.at(i));
    ModelledListView::appendItems(std::move(texts));
}

QStringList HeadlessListView::texts() const {
    QStringList result;
    for (int i = 1; i <= itemCount(); ++i)
        result.append(itemText(i));
    return result;
}

// Removing the selected item selects the next one, which then has the same number, or the one
// before it at the end of the list, as the real list view does; a list left empty has none.
void HeadlessListView::followRemoval(int first, int last) {
    const int firstItem = first + 1;
    const int lastItem = last + 1;
    if (m_selected > lastItem)
        m_selected -= lastItem - firstItem + 1;
    else if (m_selected >= firstItem)
        m_selected = lastItem < itemCount() ? firstItem : firstItem - 1;
}

// A moved item keeps the selection; the items it passed shift by one towards its old place.
void HeadlessListView::followMove(int fromRow, int toRow) {
    const int selected = m_selected - 1;
    if (selected == fromRow)
        m_selected = toRow + 1;
    else if (fromRow < selected && selected <= toRow)
        --m_selected;
    else if (toRow <= selected && selected < fromRow)
        ++m_selected;
}

} // namespace tavrolin::headless
