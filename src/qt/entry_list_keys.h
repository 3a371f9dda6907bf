#pragma once

#include <QObject>

class QMenu;

namespace tavrolin {
class ListModel;
}

namespace tavrolin::qt {

class ReportTable;

// The entry list's own keys and its context menu. F2 edits the selected entry in place (see
// EntryEditDelegate); Alt+Up and Alt+Down ask to move the selected entry; a right click, the
// Menu key and Shift+F10 open the menu. Edits and moves leave as signals so that they reach the
// form's handlers like every other event; the list changes only there.
class EntryListKeys : public QObject {
    Q_OBJECT

public:
    // Watches the list; the watcher belongs to the parent. The menu opens where asked.
    EntryListKeys(ReportTable* list, const ListModel& items, QMenu* menu, QObject* parent);

Q_SIGNALS:
    void editCommitted(int item, const QString& text);
    void moveRequested(int item, int places);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    int selectedRow() const;
    void openMenuAtSelection();

    ReportTable* m_list;
    QMenu* m_menu;
};

} // namespace tavrolin::qt
