#pragma once

#include "common/toolkit/change_history.h"
#include "list_contents.h"

#include <QString>

namespace tavrolin {

class ListModel;

// The changes the program makes to a list, each able to go back and forth, in the model's rows.

// Items appended at the end; appends that go on from it grow it.
class Appended final : public ListChange {
public:
    Appended(ListModel& list, int firstRow, int count)
        : m_list(list), m_firstRow(firstRow), m_count(count) {}

    // False when the rows do not go on from this change's in the same list.
    bool extend(const ListModel& list, int firstRow, int count);
    void undo() override;
    void redo() override;

private:
    ListModel& m_list;
    int m_firstRow;
    int m_count;
    ListContents m_taken;
};

// Items removed, one or the whole list, kept as they left: undoing puts back the very items.
class Removed final : public ListChange {
public:
    Removed(ListModel& list, int firstRow, ListContents contents);

    void undo() override;
    void redo() override;

private:
    ListModel& m_list;
    int m_firstRow;
    int m_count;
    ListContents m_contents;
};

// An item's text changed; both texts are kept.
class Edited final : public ListChange {
public:
    Edited(ListModel& list, int row, QString oldText, QString newText);

    void undo() override;
    void redo() override;

private:
    ListModel& m_list;
    int m_row;
    QString m_oldText;
    QString m_newText;
};

// An item moved from one row to another.
class Moved final : public ListChange {
public:
    Moved(ListModel& list, int fromRow, int toRow)
        : m_list(list), m_fromRow(fromRow), m_toRow(toRow) {}

    void undo() override;
    void redo() override;

private:
    ListModel& m_list;
    int m_fromRow;
    int m_toRow;
};

} // namespace tavrolin
