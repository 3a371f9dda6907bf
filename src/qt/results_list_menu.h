#pragma once

#include <QMenu>

namespace tavrolin::qt {

// The context menu of the results list (a ContextMenuOpener opens it); its item's shortcut works
// anywhere in the window. The item reaches its handler through the toolkit's connections.
class ResultsListMenu : public QMenu {
    Q_OBJECT

public:
    ResultsListMenu(QWidget* list, QWidget* window);

    QAction* savePlainText() const { return m_savePlainText; }

private:
    QAction* m_savePlainText;
};

} // namespace tavrolin::qt
