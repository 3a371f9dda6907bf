#include "model_backed_list.h"

#include "common/runtime_error.h"
#include "list_changes.h"

#include <utility>

namespace tavrolin {

namespace {

constexpr int kDefaultColumnWidthTwips = 1440;

} // namespace

ModelBackedList::ModelBackedList(bool checkable, ListModel::Announce announce)
    : m_model(checkable, announce) {}

void ModelBackedList::checkColumn(int column) const {
    if (column < 1 || column > m_widthsTwips.size())
        throw RuntimeError::of(error::IndexOutOfBounds);
}

void ModelBackedList::addColumn(const QString& caption) {
    m_widthsTwips.reserve(m_widthsTwips.size() + 1);
    m_model.addColumn(caption);
    m_widthsTwips.append(kDefaultColumnWidthTwips);
}

void ModelBackedList::setColumnWidth(int column, int twips) {
    checkColumn(column);
    m_widthsTwips[column - 1] = twips;
}

QString ModelBackedList::columnCaption(int column) const {
    return m_model.columnCaption(column - 1);
}

int ModelBackedList::columnWidth(int column) const {
    checkColumn(column);
    return m_widthsTwips[column - 1];
}

void ModelBackedList::record(std::unique_ptr<ListChange> change) {
    if (m_history != nullptr)
        m_history->record(std::move(change));
}

void ModelBackedList::recordAppendFrom(int firstRow) {
    if (m_history == nullptr)
        return;
    const int count = m_model.itemCount() - firstRow;
    // A load appends entry by entry: extending the run costs no allocation per entry.
    auto* run = dynamic_cast<Appended*>(m_history->latest());
    if (run == nullptr || !run->extend(m_model, firstRow, count))
        m_history->record(std::make_unique<Appended>(m_model, firstRow, count));
}

void ModelBackedList::appendItem(QByteArrayView bytes) {
    const int firstRow = m_model.itemCount();
    m_model.appendItem(bytes);
    recordAppendFrom(firstRow);
}

void ModelBackedList::appendItems(PackedTexts&& texts, CheckMark mark) {
    const int firstRow = m_model.itemCount();
    m_model.appendItems(std::move(texts), mark == CheckMark::Set);
    if (m_model.itemCount() > firstRow)
        recordAppendFrom(firstRow);
}

void ModelBackedList::removeItem(int item) {
    const int row = item - 1;
    record(std::make_unique<Removed>(m_model, row, m_model.takeRows(row, 1)));
}

void ModelBackedList::removeAll() {
    if (m_model.itemCount() > 0)
        record(std::make_unique<Removed>(m_model, 0, m_model.removeAll()));
}

void ModelBackedList::setItemText(int item, QString text) {
    const int row = item - 1;
    QString oldText = m_model.setText(row, text);
    // Redone as it was stored, which is what the list shows.
    record(std::make_unique<Edited>(m_model, row, std::move(oldText), m_model.text(row)));
}

void ModelBackedList::moveItem(int item, int places) {
    const int row = item - 1;
    m_model.move(row, places);
    if (places != 0)
        record(std::make_unique<Moved>(m_model, row, row + places));
}

QString ModelBackedList::itemSubItem(int item, int subItem) const {
    // Sub-item k belongs to column k + 1, which the model counts as k.
    return m_model.subItem(item - 1, subItem);
}

void ModelBackedList::setItemSubItem(int item, int subItem, const QString& text) {
    m_model.setSubItem(item - 1, subItem, text);
}

} // namespace tavrolin
