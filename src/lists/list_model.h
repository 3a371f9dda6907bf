#pragma once

#include "list_contents.h"

#include <QAbstractTableModel>

namespace tavrolin {

// The items of one list: texts, check marks and sub-items in contiguous columns, so that a
// million items cost their bytes and a few more each. Handlers reach it through a list
// view and count items from 1; views read it as a table model with rows counted from 0 and the
// check mark as Qt::CheckStateRole.
//
// Appends are gathered: views hear of a burst of them in one rowsInserted, so loading a million
// entries costs one notification, not a million. A burst is announced before any other change,
// when announceAppended() is called and, if the model announces from the event loop, when
// control returns there. Until then rowCount() counts the announced rows, itemCount() all.
class ListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Announce { WhenAsked, FromEventLoop };

    ListModel(bool checkable, Announce announce);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Columns and items counted from 1; sub-item k of an item belongs to column k + 1. Numbers
    // out of range raise RuntimeError(IndexOutOfBounds).
    void addColumn(const QString& caption);
    QString columnCaption(int column) const;
    int itemCount() const { return int(m_texts.size()); }
    // A copy of the bytes as they are, kept and shown as decode8Bit decodes them.
    void appendItem(QByteArrayView bytes);
    // The texts as new items, announced as one burst; into an empty list the block moves in
    // without a copy. When it fails, the items and the texts are as they were.
    void appendItems(PackedTexts&& texts, bool checked = false);
    QString itemText(int item) const;
    // The item's bytes, shared rather than copied when it is the only item.
    QByteArray itemBytes(int item) const;
    // Without a copy, valid until the items next change.
    QByteArrayView itemBytesAt(int item) const;
    qsizetype byteCount() const { return m_texts.byteCount(); }
    QString itemSubItem(int item, int subItem) const;
    bool itemChecked(int item) const;
    // The removed items, which the caller may keep: moving them out costs no copy.
    ListContents removeItem(int item);
    ListContents removeAll();
    // The text the item had before.
    QString setItemText(int item, QStringView text);
    // Moves the item by places (negative towards the top); views keep it selected.
    void moveItem(int item, int places);
    // Lets views open an editor on the items; what is typed there goes to the program, which
    // sets it with setItemText.
    void setEditable(bool editable) { m_editable = editable; }
    // What the user changes in a view, never the program.
    void setItemChecked(int item, bool checked);
    void setItemSubItem(int item, int subItem, const QString& text);
    // Rises with every change that removes or moves items (not with an append at the end, nor
    // with a check mark or sub-item).
    quint64 rowGeneration() const { return m_rowGeneration; }

    // The bytes of a zero-based row without a copy, valid until the items next change.
    QByteArrayView bytesAt(int row) const { return m_texts.at(row); }

    // Tells the views of the items appended since they last heard.
    void announceAppended();

    // Makes appending an item of these bytes fail as running out of memory does: a fault that
    // tests must cause on purpose.
    void failAppendOf(const QByteArray& bytes) { m_failingAppends.append(bytes); }

    // Undoing a change puts items back where they were; rows are counted from 0. A whole list
    // moves in and out without a copy of its texts.
    void insertContents(int row, ListContents contents);
    ListContents takeRows(int first, int count);

private:
    void appended(qsizetype count, bool checked = false);
    [[noreturn]] static void indexOutOfBounds();
    static void checkRoom(qsizetype count, qsizetype more);
    bool isAnnounced(const QModelIndex& index) const;
    void checkItem(int item) const;
    void checkAppendOf(QByteArrayView bytes) const;

    bool m_checkable;
    bool m_editable = false;
    Announce m_announce;
    bool m_announcing = false;
    QStringList m_captions;
    PackedTexts m_texts;
    std::vector<bool> m_checked;
    // Empty until a sub-item is set: the lists of this program have one column.
    QList<QStringList> m_subItems;
    QByteArrayList m_failingAppends;
    int m_announcedRows = 0;
    quint64 m_rowGeneration = 0;
};

} // namespace tavrolin
