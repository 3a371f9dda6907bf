#pragma once

#include "list_change_observer.h"
#include "packed_texts.h"
#include "toolkit/list_view.h"

#include <QList>
#include <QStringList>
#include <vector>

namespace tavrolin {

// The data of a list view, kept in contiguous columns of texts and check marks, so that a
// million items cost their characters and a few bytes each. Toolkits derive from it and only add
// what they show; the hooks let a view follow the changes.
class StoredListView : public ListView {
public:
    void addColumn(const QString& caption) override;
    void setColumnWidth(int column, int twips) override;
    int columnCount() const override;
    QString columnCaption(int column) const override;
    int columnWidth(int column) const;

    int itemCount() const override;
    void appendItem(QString text) override;
    QString itemText(int item) const override;
    QString itemSubItem(int item, int subItem) const override;
    bool itemChecked(int item) const override;
    void removeItem(int item) override;
    void removeAll() override;
    quint64 rowGeneration() const override { return m_rowGeneration; }

    // The text of a zero-based row without a copy, valid until the list next changes.
    QStringView textAt(int row) const { return m_texts.at(row); }

    // What the user changes in the view, never the program.
    void setItemChecked(int item, bool checked);
    void setItemSubItem(int item, int subItem, const QString& text);

    // Undoing a change puts items back where they were. These operations move items in and
    // out without telling the observer (they are not changes the program makes) but the view
    // follows them. Rows are zero-based.
    void setObserver(ListChangeObserver* observer) { m_observer = observer; }
    void insertItem(int row, ListItem item);
    ListItem takeItem(int row);
    void appendContents(ListContents contents);
    ListContents takeTail(int firstRow);

protected:
    // Zero-based rows, as views count them.
    // Called after each append; a view may gather a burst of them into one notification.
    virtual void appended() {}
    virtual void beginRemove(int /*row*/) {}
    virtual void endRemove() {}
    virtual void beginInsertRange(int /*first*/, int /*last*/) {}
    virtual void endInsertRange() {}
    virtual void beginRemoveRange(int /*first*/, int /*last*/) {}
    virtual void endRemoveRange() {}
    virtual void beginReset() {}
    virtual void endReset() {}
    virtual void columnsChanged() {}
    virtual void itemChanged(int /*row*/) {}

    bool checkedAt(int row) const { return m_checked[size_t(row)]; }

private:
    struct Column {
        QString caption;
        int widthTwips;
    };

    void checkItem(int item) const;
    void checkColumn(int column) const;
    void checkRow(int row, int last) const;

    QList<Column> m_columns;
    PackedTexts m_texts;
    std::vector<bool> m_checked;
    // Empty until a sub-item is set: the lists of this program have one column.
    QList<QStringList> m_subItems;
    ListChangeObserver* m_observer = nullptr;
    quint64 m_rowGeneration = 0;
};

} // namespace tavrolin
