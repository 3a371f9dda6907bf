// The rows that undo takes out of a list and puts back: whole items with their check marks and
// sub-items, moved rather than copied.
#include "list_model.h"

#include <iterator>
#include <utility>

namespace tavrolin {

void ListModel::insertContents(int row, ListContents contents) {
    if (row < 0 || row > itemCount())
        indexOutOfBounds();
    const int count = contents.size();
    if (count == 0)
        return;
    checkRoom(m_texts.size(), count);
    announceAppended();
    if (itemCount() == 0) {
        // The whole list comes back at once: its columns move in, no text is copied.
        beginResetModel();
        m_texts = std::move(contents.texts);
        m_checked = std::move(contents.checked);
        m_subItems = std::move(contents.subItems);
        m_announcedRows = count;
        endResetModel();
        return;
    }
    if (row < itemCount())
        ++m_rowGeneration;
    if (contents.subItems.isEmpty() && !m_subItems.isEmpty())
        contents.subItems.resize(count);
    else if (!contents.subItems.isEmpty() && m_subItems.isEmpty())
        m_subItems.resize(m_texts.size());
    beginInsertRows({}, row, row + count - 1);
    m_texts.insert(row, std::move(contents.texts));
    m_checked.insert(m_checked.begin() + row, contents.checked.begin(), contents.checked.end());
    if (!m_subItems.isEmpty()) {
        m_subItems.insert(row, count, QStringList());
        std::move(contents.subItems.begin(), contents.subItems.end(), m_subItems.begin() + row);
    }
    m_announcedRows += count;
    endInsertRows();
}

ListContents ListModel::takeRows(int first, int count) {
    if (first < 0 || count < 0 || count > itemCount() - first)
        indexOutOfBounds();
    if (count == 0)
        return {};
    announceAppended();
    ++m_rowGeneration;
    ListContents taken;
    if (count == itemCount()) {
        beginResetModel();
        taken = {std::exchange(m_texts, {}), std::exchange(m_checked, {}),
                 std::exchange(m_subItems, {})};
        m_announcedRows = 0;
        endResetModel();
        return taken;
    }
    beginRemoveRows({}, first, first + count - 1);
    taken.texts = m_texts.take(first, count);
    const auto checked = m_checked.begin() + first;
    taken.checked.assign(checked, checked + count);
    m_checked.erase(checked, checked + count);
    if (!m_subItems.isEmpty()) {
        const auto subItems = m_subItems.begin() + first;
        taken.subItems = QList<QStringList>(std::make_move_iterator(subItems),
                                            std::make_move_iterator(subItems + count));
        m_subItems.remove(first, count);
    }
    m_announcedRows -= count;
    endRemoveRows();
    return taken;
}

} // namespace tavrolin
