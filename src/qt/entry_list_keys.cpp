#include "entry_list_keys.h"

#include "common/text_encoding.h"
#include "lists/list_model.h"
#include "report_view.h"

#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace tavrolin::qt {

EntryListKeys::EntryListKeys(ReportView* list, const ListModel& items, QMenu* menu, QObject* parent)
    : QObject(parent), m_list(list), m_items(items), m_menu(menu) {
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    // The row being edited may leave or move (a double-click elsewhere, an undo); the typed
    // text must not land on another entry.
    const auto cancel = [this] { finishEditing(false); };
    connect(&items, &ListModel::rowsRemoved, this, cancel);
    connect(&items, &ListModel::rowsMoved, this, cancel);
    connect(&items, &ListModel::modelReset, this, cancel);
    connect(&items, &ListModel::rowsInserted, this, [this](const QModelIndex&, int first) {
        if (first <= m_editedRow)
            finishEditing(false);
    });
}

bool EntryListKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor.data()) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                finishEditing(key != Qt::Key_Escape);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            finishEditing(false);
        }
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ContextMenu) {
        // The keyboard's requests are answered at the key press, whether or not the platform
        // turns them into a context menu event as well.
        const auto* request = static_cast<QContextMenuEvent*>(event);
        if (request->reason() == QContextMenuEvent::Mouse)
            m_menu->popup(request->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == m_list) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (keyPressed(key->key(), key->modifiers() & ~Qt::KeypadModifier))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool EntryListKeys::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if ((key == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
        (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        openMenuAtSelection();
        return true;
    }
    if (key == Qt::Key_F2 && modifiers == Qt::NoModifier) {
        if (const int row = selectedRow(); row >= 0)
            startEditing(row);
        return true;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && modifiers == Qt::AltModifier) {
        if (const int row = selectedRow(); row >= 0) {
            Q_EMIT moveRequested(row + 1, key == Qt::Key_Up ? -1 : 1);
            m_list->scrollTo(m_list->currentIndex());
        }
        return true;
    }
    return false;
}

int EntryListKeys::selectedRow() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void EntryListKeys::startEditing(int row) {
    finishEditing(false);
    const QModelIndex index = m_list->model()->index(row, 0);
    m_list->scrollTo(index);
    // The whole text, not the shortened one the cell shows, with kept bytes shown as the cell
    // shows them.
    m_shownText = shownText(m_items.itemText(row + 1));
    auto* editor = new QLineEdit(m_shownText, m_list->viewport());
    editor->setObjectName(QStringLiteral("ListView1Editor"));
    editor->setGeometry(m_list->visualRect(index));
    editor->selectAll();
    editor->installEventFilter(this);
    m_editor = editor;
    m_editedRow = row;
    editor->show();
    editor->setFocus();
}

void EntryListKeys::finishEditing(bool commit) {
    QLineEdit* editor = m_editor.data();
    if (editor == nullptr)
        return;
    m_editor = nullptr;
    const int row = std::exchange(m_editedRow, -1);
    const QString text = editor->text();
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    m_list->setFocus();
    // Left as shown, the entry keeps its own text: a kept byte must not become the character
    // that stands for it.
    if (commit && text != m_shownText)
        Q_EMIT editCommitted(row + 1, text);
}

void EntryListKeys::openMenuAtSelection() {
    const int row = selectedRow();
    const QRect cell = row >= 0 ? m_list->visualRect(m_list->model()->index(row, 0)) : QRect();
    m_menu->popup(m_list->viewport()->mapToGlobal(cell.bottomLeft()));
}

} // namespace tavrolin::qt
