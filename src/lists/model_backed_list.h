#pragma once

#include "common/toolkit/change_history.h"
#include "common/toolkit/list_view.h"
#include "list_model.h"

#include <QList>
#include <utility>

namespace tavrolin {

// The ListView interface over a ListModel. It keeps only what a view knows: the
// column widths here, the selection in the toolkit that derives from it. Each change the program
// makes through it is recorded in the history it keeps them in, if any. Here alone items and
// columns are numbered from 1, as the handlers number them: item k is the model's row k - 1.
class ModelBackedList : public ListView {
public:
    ListModel& model() { return m_model; }
    const ListModel& model() const { return m_model; }
    // The history must outlive the view.
    void keepHistoryIn(ChangeHistory& history) { m_history = &history; }

    void addColumn(const QString& caption) override;
    void setColumnWidth(int column, int twips) override;
    int columnCount() const override { return m_model.columnCount(); }
    QString columnCaption(int column) const override;
    int columnWidth(int column) const;

    int itemCount() const override { return m_model.itemCount(); }
    void appendItem(QByteArrayView bytes) override;
    void appendItems(PackedTexts&& texts, CheckMark mark) override;
    QByteArrayView itemBytesAt(int item) const override { return m_model.bytesAt(item - 1); }
    QByteArray itemBytes(int item) const override { return m_model.bytes(item - 1); }
    qsizetype byteCount() const override { return m_model.byteCount(); }
    QString itemSubItem(int item, int subItem) const override;
    bool itemChecked(int item) const override { return m_model.isChecked(item - 1); }
    void removeItem(int item) override;
    void removeAll() override;
    void setItemText(int item, QString text) override;
    void moveItem(int item, int places) override;
    quint64 rowGeneration() const override { return m_model.rowGeneration(); }

    // What the user changes in the view, never the program.
    void setItemChecked(int item, bool checked) { m_model.setChecked(item - 1, checked); }
    void setItemSubItem(int item, int subItem, const QString& text);

protected:
    ModelBackedList(bool checkable, ListModel::Announce announce);

private:
    void checkColumn(int column) const;
    // Records the append of the rows from firstRow on to the end.
    void recordAppendFrom(int firstRow);
    void record(std::unique_ptr<ListChange> change);

    ListModel m_model;
    ChangeHistory* m_history = nullptr;
    QList<int> m_widthsTwips;
};

} // namespace tavrolin
