#pragma once

#include <QObject>

class QMenu;

namespace tavrolin::qt {

class ReportTable;

// Opens a list's context menu: a right click opens it where the mouse is, the Menu key and
// Shift+F10 under the selected row.
class ContextMenuOpener : public QObject {
    Q_OBJECT

public:
    // Watches the list on behalf of the menu, which owns the watcher.
    ContextMenuOpener(ReportTable* list, QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openAtSelection();

    ReportTable* m_list;
    QMenu* m_menu;
};

} // namespace tavrolin::qt
