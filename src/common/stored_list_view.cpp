#include "stored_list_view.h"

#include "runtime_error.h"

#include <limits>
#include <utility>

namespace tavrolin {

namespace {

constexpr int kDefaultColumnWidthTwips = 1440;

[[noreturn]] void indexOutOfBounds() {
    throw RuntimeError(error::IndexOutOfBounds, QStringLiteral("Index out of bounds"));
}

} // namespace

void StoredListView::checkItem(int item) const {
    if (item < 1 || item > m_texts.size())
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
    if (m_texts.size() >= std::numeric_limits<int>::max())
        throw RuntimeError(error::OutOfMemory, QStringLiteral("Out of memory"));
    m_texts.append(std::move(text));
    m_checked.push_back(false);
    if (!m_subItems.isEmpty())
        m_subItems.append(QStringList());
    appended();
}

QString StoredListView::itemText(int item) const {
    checkItem(item);
    return m_texts[item - 1];
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
    beginRemove(item - 1);
    m_texts.removeAt(item - 1);
    m_checked.erase(m_checked.begin() + (item - 1));
    if (!m_subItems.isEmpty())
        m_subItems.removeAt(item - 1);
    endRemove();
}

void StoredListView::removeAll() {
    beginReset();
    m_texts = {};
    m_checked = {};
    m_subItems = {};
    endReset();
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
