#include "list_model.h"

#include "common/runtime_error.h"
#include "shown_cell.h"

#include <limits>
#include <new>
#include <utility>

namespace tavrolin {

void ListModel::indexOutOfBounds() {
    throw RuntimeError::of(error::IndexOutOfBounds);
}

// Views count rows in an int.
void ListModel::checkRoom(qsizetype count, qsizetype more) {
    if (more > std::numeric_limits<int>::max() - count)
        throw RuntimeError::of(error::OutOfMemory);
}

ListModel::ListModel(bool checkable, Announce announce)
    : m_checkable(checkable), m_announce(announce) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_announcedRows;
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!isAnnounced(index))
        return {};
    if (role == Qt::DisplayRole) {
        if (index.column() == 0)
            return shownCell(m_texts.at(index.row()));
        return shownCell(subItem(index.row(), index.column()));
    }
    if (role == Qt::CheckStateRole && m_checkable && index.column() == 0)
        return m_checked[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_checkable || role != Qt::CheckStateRole || index.column() != 0 || !isAnnounced(index))
        return false;
    setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_captions.size())
        return {};
    return m_captions[section];
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkable && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    if (m_editable)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ListModel::isAnnounced(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < m_announcedRows &&
           index.column() < m_captions.size();
}

void ListModel::checkRow(int row) const {
    if (row < 0 || row >= itemCount())
        indexOutOfBounds();
}

void ListModel::addColumn(const QString& caption) {
    announceAppended();
    const int column = int(m_captions.size());
    beginInsertColumns({}, column, column);
    m_captions.append(caption);
    endInsertColumns();
}

QString ListModel::columnCaption(int column) const {
    if (column < 0 || column >= m_captions.size())
        indexOutOfBounds();
    return m_captions[column];
}

void ListModel::checkAppendOf(QByteArrayView bytes) const {
    if (m_failingAppends.contains(bytes))
        throw std::bad_alloc();
}

void ListModel::appendItem(QByteArrayView bytes) {
    checkAppendOf(bytes);
    checkRoom(m_texts.size(), 1);
    m_texts.append(bytes);
    appended(1);
}

void ListModel::appendItems(PackedTexts&& texts, bool checked) {
    const qsizetype count = texts.size();
    if (count == 0)
        return;
    for (qsizetype i = 0; !m_failingAppends.isEmpty() && i < count; ++i)
        checkAppendOf(texts.at(i));
    checkRoom(m_texts.size(), count);
    // The columns beside the texts make their room first: once the texts are in, nothing fails.
    m_checked.reserve(m_checked.size() + size_t(count));
    if (!m_subItems.isEmpty())
        m_subItems.reserve(m_subItems.size() + count);
    m_texts.append(std::move(texts));
    appended(count, checked);
}

// The columns beside the texts follow the count texts just appended.
void ListModel::appended(qsizetype count, bool checked) {
    m_checked.resize(m_checked.size() + size_t(count), checked);
    if (!m_subItems.isEmpty())
        m_subItems.resize(m_texts.size());
    if (m_announce == Announce::FromEventLoop && !std::exchange(m_announcing, true))
        QMetaObject::invokeMethod(this, &ListModel::announceAppended, Qt::QueuedConnection);
}

QString ListModel::text(int row) const {
    checkRow(row);
    return m_texts.text(row);
}

QByteArray ListModel::bytes(int row) const {
    checkRow(row);
    return m_texts.bytes(row);
}

QByteArrayView ListModel::bytesAt(int row) const {
    checkRow(row);
    return m_texts.at(row);
}

QString ListModel::subItem(int row, int column) const {
    checkRow(row);
    if (column < 1)
        indexOutOfBounds();
    if (m_subItems.isEmpty() || column > m_subItems[row].size())
        return {};
    return m_subItems[row][column - 1];
}

bool ListModel::isChecked(int row) const {
    checkRow(row);
    return m_checked[size_t(row)];
}

ListContents ListModel::removeAll() {
    return takeRows(0, itemCount());
}

QString ListModel::setText(int row, QStringView text) {
    checkRow(row);
    announceAppended();
    PackedTexts replacement;
    replacement.append(text);
    QString oldText = m_texts.text(row);
    m_texts.take(row, 1);
    m_texts.insert(row, std::move(replacement));
    if (!m_captions.isEmpty())
        Q_EMIT dataChanged(index(row, 0), index(row, 0), {Qt::DisplayRole});
    return oldText;
}

void ListModel::move(int row, int places) {
    checkRow(row);
    checkRow(row + places);
    if (places == 0)
        return;
    announceAppended();
    const int to = row + places;
    // Qt names the row the item goes before, counted before it leaves.
    beginMoveRows({}, row, row, {}, to > row ? to + 1 : to);
    ++m_rowGeneration;
    PackedTexts moving = m_texts.take(row, 1);
    m_texts.insert(to, std::move(moving));
    const bool checked = m_checked[size_t(row)];
    m_checked.erase(m_checked.begin() + row);
    m_checked.insert(m_checked.begin() + to, checked);
    if (!m_subItems.isEmpty())
        m_subItems.move(row, to);
    endMoveRows();
}

void ListModel::setChecked(int row, bool checked) {
    checkRow(row);
    announceAppended();
    m_checked[size_t(row)] = checked;
    if (!m_captions.isEmpty())
        Q_EMIT dataChanged(index(row, 0), index(row, 0), {Qt::CheckStateRole});
}

void ListModel::setSubItem(int row, int column, const QString& text) {
    checkRow(row);
    if (column < 1)
        indexOutOfBounds();
    announceAppended();
    if (m_subItems.isEmpty())
        m_subItems.resize(m_texts.size());
    QStringList& subItems = m_subItems[row];
    if (subItems.size() < column)
        subItems.resize(column);
    subItems[column - 1] = text;
    if (column < m_captions.size())
        Q_EMIT dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void ListModel::announceAppended() {
    m_announcing = false;
    const int count = itemCount();
    if (count <= m_announcedRows)
        return;
    beginInsertRows({}, m_announcedRows, count - 1);
    m_announcedRows = count;
    endInsertRows();
}

} // namespace tavrolin
