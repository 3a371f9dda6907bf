#pragma once

#include <QObject>

namespace tavrolin {
class ListModel;
}

namespace tavrolin::qt {

class ReportTable;

// The entry list's editing keys. F2 edits the selected entry in place (see EntryEditDelegate);
// Alt+Up and Alt+Down ask to move the selected entry. Edits and moves leave as signals so that
// they reach the form's handlers like every other event; the list changes only there.
class EntryListKeys : public QObject {
    Q_OBJECT

public:
    // Watches the list; the watcher belongs to the parent.
    EntryListKeys(ReportTable* list, const ListModel& items, QObject* parent);

Q_SIGNALS:
    void editCommitted(int item, const QString& text);
    void moveRequested(int item, int places);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    int selectedRow() const;

    ReportTable* m_list;
};

} // namespace tavrolin::qt
