#pragma once

#include "common/toolkit/list_view.h"
#include "list_model.h"

#include <QList>
#include <utility>

namespace tavrolin {

// A list view whose items are a ListModel. The view itself keeps only what a view knows: the
// column widths here, the selection in the toolkit that derives from it.
class ModelledListView : public ListView {
public:
    ListModel& model() { return m_model; }
    const ListModel& model() const { return m_model; }

    void addColumn(const QString& caption) override;
    void setColumnWidth(int column, int twips) override;
    int columnCount() const override { return m_model.columnCount(); }
    QString columnCaption(int column) const override { return m_model.columnCaption(column); }
    int columnWidth(int column) const;

    int itemCount() const override { return m_model.itemCount(); }
    void appendItem(QString text) override;
    QString itemText(int item) const override { return m_model.itemText(item); }
    void appendItemBytes(QByteArrayView bytes) override { m_model.appendItemBytes(bytes); }
    void appendItemBlock(QByteArray bytes) override;
    QByteArray itemBytes(int item) const override { return m_model.itemBytes(item); }
    QByteArrayView itemBytesAt(int item) const override { return m_model.itemBytesAt(item); }
    qsizetype byteCount() const override { return m_model.byteCount(); }
    void appendItems(PackedTexts&& texts) override { m_model.appendItems(std::move(texts)); }
    QString itemSubItem(int item, int subItem) const override;
    bool itemChecked(int item) const override { return m_model.itemChecked(item); }
    void removeItem(int item) override { m_model.removeItem(item); }
    void removeAll() override { m_model.removeAll(); }
    void setItemText(int item, QString text) override;
    void moveItem(int item, int places) override { m_model.moveItem(item, places); }
    quint64 rowGeneration() const override { return m_model.rowGeneration(); }

    // What the user changes in the view, never the program.
    void setItemChecked(int item, bool checked) { m_model.setItemChecked(item, checked); }
    void setItemSubItem(int item, int subItem, const QString& text);

protected:
    ModelledListView(bool checkable, ListModel::Announce announce);

private:
    void checkColumn(int column) const;

    ListModel m_model;
    QList<int> m_widthsTwips;
};

} // namespace tavrolin
