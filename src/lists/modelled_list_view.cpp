#include "modelled_list_view.h"

#include "common/runtime_error.h"

#include <utility>

namespace tavrolin {

namespace {

constexpr int kDefaultColumnWidthTwips = 1440;

} // namespace

ModelledListView::ModelledListView(bool checkable, ListModel::Announce announce)
    : m_model(checkable, announce) {}

void ModelledListView::checkColumn(int column) const {
    if (column < 1 || column > m_widthsTwips.size())
        throw RuntimeError::of(error::IndexOutOfBounds);
}

void ModelledListView::addColumn(const QString& caption) {
    m_widthsTwips.reserve(m_widthsTwips.size() + 1);
    m_model.addColumn(caption);
    m_widthsTwips.append(kDefaultColumnWidthTwips);
}

void ModelledListView::setColumnWidth(int column, int twips) {
    checkColumn(column);
    m_widthsTwips[column - 1] = twips;
}

int ModelledListView::columnWidth(int column) const {
    checkColumn(column);
    return m_widthsTwips[column - 1];
}

void ModelledListView::appendItem(QString text) {
    m_model.appendItem(text);
}

void ModelledListView::appendItemBlock(QByteArray bytes) {
    m_model.appendItemBlock(std::move(bytes));
}

void ModelledListView::setItemText(int item, QString text) {
    m_model.setItemText(item, text);
}

QString ModelledListView::itemSubItem(int item, int subItem) const {
    return m_model.itemSubItem(item, subItem);
}

void ModelledListView::setItemSubItem(int item, int subItem, const QString& text) {
    m_model.setItemSubItem(item, subItem, text);
}

} // namespace tavrolin
