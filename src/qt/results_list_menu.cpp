#include "results_list_menu.h"

namespace tavrolin::qt {

ResultsListMenu::ResultsListMenu(QWidget* list, QWidget* window) : QMenu(list) {
    setObjectName(QStringLiteral("ListView2Menu"));
    m_savePlainText = addAction(QStringLiteral("Save Results as Plain Text\u2026"));
    m_savePlainText->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // A menu that is not open takes no keys: the window holds the action for its shortcut.
    m_savePlainText->setShortcutContext(Qt::WindowShortcut);
    window->addAction(m_savePlainText);
}

} // namespace tavrolin::qt
