#include "entry_edit_delegate.h"

#include "common/text_encoding.h"
#include "lists/list_model.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace tavrolin::qt {

EntryEditDelegate::EntryEditDelegate(const ListModel& items, QObject* parent)
    : QStyledItemDelegate(parent), m_items(items) {
    const auto cancelEdit = [this] { cancel(); };
    connect(&items, &ListModel::rowsRemoved, this, cancelEdit);
    connect(&items, &ListModel::rowsMoved, this, cancelEdit);
    connect(&items, &ListModel::modelReset, this, cancelEdit);
    connect(&items, &ListModel::rowsInserted, this, [this](const QModelIndex&, int first) {
        if (first <= m_editedRow)
            cancel();
    });
}

QWidget* EntryEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("ListView1Editor"));
    m_editor = editor;
    m_editedRow = index.row();
    return editor;
}

void EntryEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    m_shownText = shownText(m_items.text(index.row()));
    line->setText(m_shownText);
    line->selectAll();
}

void EntryEditDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == m_editor.data()) {
        m_editor = nullptr;
        m_editedRow = -1;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void EntryEditDelegate::cancel() {
    if (QLineEdit* editor = m_editor.data())
        Q_EMIT closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

// The editor closes before the handler runs: a message it shows must not find the editor open.
void EntryEditDelegate::commit() {
    QLineEdit* editor = m_editor.data();
    const int row = m_editedRow;
    const QString text = editor->text();
    Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
    // Left as shown, the entry keeps its own text: a kept byte must not become the character
    // that stands for it.
    if (text != m_shownText)
        Q_EMIT editCommitted(row + 1, text);
}

bool EntryEditDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_editor.data())
        return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commit();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving the editor cancels; the view's own way would commit.
        cancel();
        return false;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace tavrolin::qt
