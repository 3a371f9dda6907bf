#pragma once

#include "packed_texts.h"

#include <QList>
#include <QStringList>
#include <vector>

namespace tavrolin {

class StoredListView;

// One item of a list view with everything it carries.
struct ListItem {
    QString text;
    bool checked = false;
    QStringList subItems;
};

// A run of items in the list's own column layout, so that a whole list moves in and out of a
// view without a copy of its texts. subItems is empty or as long as texts.
struct ListContents {
    PackedTexts texts;
    std::vector<bool> checked;
    QList<QStringList> subItems;

    int size() const { return int(texts.size()); }
};

// Told of every change the program makes to a list's items, after the change. Rows are
// zero-based. What leaves the list is handed over, so an observer that keeps it (to put it back
// later) costs no copy, and one that does not simply lets it go.
class ListChangeObserver {
public:
    virtual ~ListChangeObserver() = default;

    virtual void appended(StoredListView& list, int firstRow, int count) = 0;
    virtual void removed(StoredListView& list, int row, ListItem item) = 0;
    virtual void removedAll(StoredListView& list, ListContents contents) = 0;

protected:
    ListChangeObserver() = default;
    ListChangeObserver(const ListChangeObserver&) = default;
    ListChangeObserver& operator=(const ListChangeObserver&) = default;
};

} // namespace tavrolin
