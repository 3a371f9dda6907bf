#pragma once

#include "list_contents.h"

#include <QAbstractTableModel>

namespace tavrolin {

// The items of one list: texts, check marks and sub-items in contiguous columns, so that a
// million items cost their bytes and a few more each. It counts rows and columns from 0 as
// views do, which read it as a table model with the check mark as Qt::CheckStateRole; handlers
// reach it through a list view (ModelBackedList), which numbers the items from 1.
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

    // Rows and columns are counted from 0, as views count them. A row's text is its cell in
    // column 0 and its sub-items are the cells after it, so a sub-item's column is at least 1.
    // Numbers out of range raise RuntimeError(IndexOutOfBounds).
    void addColumn(const QString& caption);
    QString columnCaption(int column) const;
    // Every row, announced to the views or not.
    int itemCount() const { return int(m_texts.size()); }
    // A copy of the bytes as they are, kept and shown as decode8Bit decodes them.
    void appendItem(QByteArrayView bytes);
    // The texts as new rows, announced as one burst; into an empty list the block moves in
    // without a copy. When it fails, the rows and the texts are as they were.
    void appendItems(PackedTexts&& texts, bool checked = false);
    QString text(int row) const;
    // The row's bytes, shared rather than copied when it is the only row.
    QByteArray bytes(int row) const;
    // Without a copy, valid until the rows next change.
    QByteArrayView bytesAt(int row) const;
    qsizetype byteCount() const { return m_texts.byteCount(); }
    QString subItem(int row, int column) const;
    bool isChecked(int row) const;
    // Every row, removed for the caller to keep: moving them out costs no copy.
    ListContents removeAll();
    // The text the row had before.
    QString setText(int row, QStringView text);
    // Moves the row by places (negative towards the top); views keep it selected.
    void move(int row, int places);
    // Lets views open an editor on the rows; what is typed there goes to the program, which
    // sets it with setText.
    void setEditable(bool editable) { m_editable = editable; }
    // What the user changes in a view, never the program.
    void setChecked(int row, bool checked);
    void setSubItem(int row, int column, const QString& text);
    // Rises with every change that removes or moves rows (not with an append at the end, nor
    // with a check mark or sub-item).
    quint64 rowGeneration() const { return m_rowGeneration; }

    // Tells the views of the items appended since they last heard.
    void announceAppended();

    // Makes appending an item of these bytes fail as running out of memory does: a fault that
    // tests must cause on purpose.
    void failAppendOf(const QByteArray& bytes) { m_failingAppends.append(bytes); }

    // Undoing a change puts rows back where they were. A whole list moves in and out without a
    // copy of its texts.
    void insertContents(int row, ListContents contents);
    ListContents takeRows(int first, int count);

private:
    void appended(qsizetype count, bool checked = false);
    [[noreturn]] static void indexOutOfBounds();
    static void checkRoom(qsizetype count, qsizetype more);
    bool isAnnounced(const QModelIndex& index) const;
    void checkRow(int row) const;
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
