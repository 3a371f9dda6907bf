#include "list_changes.h"

#include "list_model.h"

#include <utility>

namespace tavrolin {

bool Appended::extend(const ListModel& list, int firstRow, int count) {
    if (&list != &m_list || firstRow != m_firstRow + m_count)
        return false;
    m_count += count;
    return true;
}

void Appended::undo() {
    m_taken = m_list.takeRows(m_firstRow, m_count);
}

void Appended::redo() {
    m_list.insertContents(m_firstRow, std::exchange(m_taken, {}));
}

Removed::Removed(ListModel& list, int firstRow, ListContents contents)
    : m_list(list)
    , m_firstRow(firstRow)
    , m_count(contents.size())
    , m_contents(std::move(contents)) {}

void Removed::undo() {
    m_list.insertContents(m_firstRow, std::exchange(m_contents, {}));
}

void Removed::redo() {
    m_contents = m_list.takeRows(m_firstRow, m_count);
}

Edited::Edited(ListModel& list, int row, QString oldText, QString newText)
    : m_list(list), m_row(row), m_oldText(std::move(oldText)), m_newText(std::move(newText)) {}

void Edited::undo() {
    m_list.setText(m_row, m_oldText);
}

void Edited::redo() {
    m_list.setText(m_row, m_newText);
}

void Moved::undo() {
    m_list.move(m_toRow, m_fromRow - m_toRow);
}

void Moved::redo() {
    m_list.move(m_fromRow, m_toRow - m_fromRow);
}

} // namespace tavrolin
