#include "entry_list_keys.h"

#include "entry_edit_delegate.h"
#include "report_table.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

namespace tavrolin::qt {

EntryListKeys::EntryListKeys(ReportTable* list, const ListModel& items, QObject* parent)
    : QObject(parent), m_list(list) {
    list->installEventFilter(this);
    auto* editing = new EntryEditDelegate(items, this);
    list->setItemDelegateForColumn(0, editing);
    connect(editing, &EntryEditDelegate::editCommitted, this, &EntryListKeys::editCommitted);
}

bool EntryListKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == m_list) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (keyPressed(key->key(), key->modifiers() & ~Qt::KeypadModifier))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool EntryListKeys::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_F2 && modifiers == Qt::NoModifier) {
        if (const int row = selectedRow(); row >= 0) {
            const QModelIndex index = m_list->model()->index(row, 0);
            m_list->scrollTo(index);
            m_list->edit(index);
        }
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

} // namespace tavrolin::qt
