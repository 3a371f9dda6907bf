#include "results_list_menu.h"

#include "report_table.h"

#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace tavrolin::qt {

ResultsListMenu::ResultsListMenu(ReportTable* list, QWidget* window) : QMenu(list), m_list(list) {
    setObjectName(QStringLiteral("ListView2Menu"));
    m_savePlainText = addAction(QStringLiteral("Save Results as Plain Text\u2026"));
    m_savePlainText->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // A menu that is not open takes no keys: the window holds the action for its shortcut.
    m_savePlainText->setShortcutContext(Qt::WindowShortcut);
    window->addAction(m_savePlainText);
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
}

bool ResultsListMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        // The keyboard's requests are answered at the key press, whether or not the platform
        // turns them into a context menu event as well.
        const auto* request = static_cast<QContextMenuEvent*>(event);
        if (request->reason() == QContextMenuEvent::Mouse)
            popup(request->globalPos());
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
    return QMenu::eventFilter(watched, event);
}

void ResultsListMenu::openAtSelection() {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    const QRect cell = rows.isEmpty() ? QRect() : m_list->visualRect(rows.first());
    popup(m_list->viewport()->mapToGlobal(cell.bottomLeft()));
}

} // namespace tavrolin::qt
