#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

namespace tavrolin {
class ListModel;
}

namespace tavrolin::qt {

// Edits an entry in place with a line edit over its cell. The editor shows the whole text, not
// the shortened one the cell shows, with kept bytes shown as the cell shows them. Enter commits
// a changed text; Escape, leaving the editor, or a change of the rows that could move the
// entry (an insert above it, a removal, a move, a reset) cancels, so the typed text never lands
// on another entry. A commit leaves as a signal, so that it reaches the form's handler like
// every other event: the list changes only there.
class EntryEditDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    EntryEditDelegate(const ListModel& items, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Writes nothing: a commit goes to the form's handler instead (see editCommitted).
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    // Closes the open editor, if any, without a commit.
    void cancel();

Q_SIGNALS:
    void editCommitted(int item, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void commit();

    const ListModel& m_items;
    // What an editor holds while it is open: the delegate's editor methods are const.
    mutable QPointer<QLineEdit> m_editor;
    mutable int m_editedRow = -1;
    mutable QString m_shownText;
};

} // namespace tavrolin::qt
