#include "context_menu_opener.h"

#include "report_table.h"

#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>

namespace tavrolin::qt {

ContextMenuOpener::ContextMenuOpener(ReportTable* list, QMenu* menu)
    : QObject(menu), m_list(list), m_menu(menu) {
    list->installEventFilter(this);
}

bool ContextMenuOpener::eventFilter(QObject* watched, QEvent* event) {
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
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
            (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
            openAtSelection();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ContextMenuOpener::openAtSelection() {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    const QRect cell = rows.isEmpty() ? QRect() : m_list->visualRect(rows.first());
    m_menu->popup(m_list->viewport()->mapToGlobal(cell.bottomLeft()));
}

} // namespace tavrolin::qt
