#include "stored_list_view.h"

#include "runtime_error.h"

#include <iterator>
#include <limits>
#include <utility>

namespace tavrolin {

namespace {

constexpr int kDefaultColumnWidthTwips = 1440;

[[noreturn]] void indexOutOfBounds() {
    throw RuntimeError(error::IndexOutOfBounds, QStringLiteral("Index out of bounds"));
}

void checkRoom(qsizetype count, qsizetype more) {
    if (more > std::numeric_limits<int>::max() - count)
        throw RuntimeError(error::OutOfMemory, QStringLiteral("Out of memory"));
}

template <class List> List takeFrom(List& list, qsizetype first) {
    List tail(std::make_move_iterator(list.begin() + first), std::make_move_iterator(list.end()));
    list.erase(list.begin() + first, list.end());
    return tail;
}

} // namespace

void StoredListView::checkItem(int item) const {
    if (item < 1 || item > m_texts.size())
        indexOutOfBounds();
}

void StoredListView::checkRow(int row, int last) const {
    if (row < 0 || row > last)
        indexOutOfBounds();
}

void StoredListView::checkColumn(int column) const {
    if (column < 1 || column > m_columns.size())
        indexOutOfBounds();
}

void StoredListView::addColumn(const QString& caption) {
    m_columns.append({caption, kDefaultColumnWidthTwips});
    columnsChanged();
}

void StoredListView::setColumnWidth(int column, int twips) {
    checkColumn(column);
    m_columns[column - 1].widthTwips = twips;
    columnsChanged();
}

int StoredListView::columnCount() const {
    return int(m_columns.size());
}

QString StoredListView::columnCaption(int column) const {
    checkColumn(column);
    return m_columns[column - 1].caption;
}

int StoredListView::columnWidth(int column) const {
    checkColumn(column);
    return m_columns[column - 1].widthTwips;
}

int StoredListView::itemCount() const {
    return int(m_texts.size());
}

void StoredListView::appendItem(QString text) {
    checkRoom(m_texts.size(), 1);
    m_texts.append(std::move(text));
    m_checked.push_back(false);
    if (!m_subItems.isEmpty())
        m_subItems.append(QStringList());
    appended();
    if (m_observer != nullptr)
        m_observer->appended(*this, itemCount() - 1, 1);
}

QString StoredListView::itemText(int item) const {
    checkItem(item);
    return m_texts.text(item - 1);
}

QString StoredListView::itemSubItem(int item, int subItem) const {
    checkItem(item);
    if (subItem < 1)
        indexOutOfBounds();
    if (m_subItems.isEmpty() || subItem > m_subItems[item - 1].size())
        return {};
    return m_subItems[item - 1][subItem - 1];
}

bool StoredListView::itemChecked(int item) const {
    checkItem(item);
    return m_checked[size_t(item - 1)];
}

void StoredListView::removeItem(int item) {
    checkItem(item);
    ListItem removed = takeItem(item - 1);
    if (m_observer != nullptr)
        m_observer->removed(*this, item - 1, std::move(removed));
}

void StoredListView::removeAll() {
    ListContents removed = takeTail(0);
    if (m_observer != nullptr)
        m_observer->removedAll(*this, std::move(removed));
}

void StoredListView::insertItem(int row, ListItem item) {
    checkRow(row, itemCount());
    checkRoom(m_texts.size(), 1);
    if (!item.subItems.isEmpty() && m_subItems.isEmpty())
        m_subItems.resize(m_texts.size());
    ++m_rowGeneration;
    beginInsertRange(row, row);
    if (m_texts.isEmpty())
        m_texts.append(std::move(item.text));
    else
        m_texts.insert(row, item.text);
    m_checked.insert(m_checked.begin() + row, item.checked);
    if (!m_subItems.isEmpty())
        m_subItems.insert(row, std::move(item.subItems));
    endInsertRange();
}

ListItem StoredListView::takeItem(int row) {
    checkRow(row, itemCount() - 1);
    ++m_rowGeneration;
    beginRemove(row);
    ListItem item{m_texts.text(row), m_checked[size_t(row)],
                  m_subItems.isEmpty() ? QStringList() : m_subItems.takeAt(row)};
    m_texts.remove(row);
    m_checked.erase(m_checked.begin() + row);
    endRemove();
    return item;
}

void StoredListView::appendContents(ListContents contents) {
    const int count = contents.size();
    if (count == 0)
        return;
    checkRoom(m_texts.size(), count);
    if (m_texts.isEmpty()) {
        // The whole list comes back at once: its columns move in, no text is copied.
        beginReset();
        m_texts = std::move(contents.texts);
        m_checked = std::move(contents.checked);
        m_subItems = std::move(contents.subItems);
        endReset();
        return;
    }
    if (contents.subItems.isEmpty() && !m_subItems.isEmpty())
        contents.subItems.resize(count);
    else if (!contents.subItems.isEmpty() && m_subItems.isEmpty())
        m_subItems.resize(m_texts.size());
    beginInsertRange(itemCount(), itemCount() + count - 1);
    m_texts.append(std::move(contents.texts));
    m_checked.insert(m_checked.end(), contents.checked.begin(), contents.checked.end());
    if (!m_subItems.isEmpty())
        m_subItems.append(std::move(contents.subItems));
    endInsertRange();
}

ListContents StoredListView::takeTail(int firstRow) {
    checkRow(firstRow, itemCount());
    ListContents tail;
    if (firstRow < itemCount())
        ++m_rowGeneration;
    if (firstRow == 0) {
        beginReset();
        tail = {std::exchange(m_texts, {}), std::exchange(m_checked, {}),
                std::exchange(m_subItems, {})};
        endReset();
        return tail;
    }
    if (firstRow == itemCount())
        return tail;
    beginRemoveRange(firstRow, itemCount() - 1);
    tail.texts = m_texts.takeFrom(firstRow);
    tail.checked = takeFrom(m_checked, firstRow);
    if (!m_subItems.isEmpty())
        tail.subItems = takeFrom(m_subItems, firstRow);
    endRemoveRange();
    return tail;
}

void StoredListView::setItemChecked(int item, bool checked) {
    checkItem(item);
    m_checked[size_t(item - 1)] = checked;
    itemChanged(item - 1);
}

void StoredListView::setItemSubItem(int item, int subItem, const QString& text) {
    checkItem(item);
    if (subItem < 1)
        indexOutOfBounds();
    if (m_subItems.isEmpty())
        m_subItems.resize(m_texts.size());
    QStringList& subItems = m_subItems[item - 1];
    if (subItems.size() < subItem)
        subItems.resize(subItem);
    subItems[subItem - 1] = text;
    itemChanged(item - 1);
}

} // namespace tavrolin
