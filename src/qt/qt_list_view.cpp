#include "qt_list_view.h"

#include "common/text_encoding.h"
#include "report_view.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <utility>

namespace tavrolin::qt {

namespace {

constexpr int kTwipsPerPixel = 15;

// A cell shows at most this many characters, so painting a row does not depend on the length
// of its text; the whole text is kept for saving and copying.
constexpr qsizetype kShownCharacters = 2000;

// What a cell shows of its text: a longer text ends in an ellipsis, so the user sees it goes
// on, and its cut never splits a surrogate pair.
QString cellText(QStringView text) {
    if (text.size() <= kShownCharacters)
        return shownText(text.toString());
    qsizetype shown = kShownCharacters;
    if (text[shown - 1].isHighSurrogate() && text[shown].isLowSurrogate())
        --shown;
    QString cut = text.first(shown).toString();
    cut += QChar(0x2026);
    return shownText(std::move(cut));
}

} // namespace

class QtListView::Model : public QAbstractTableModel {
public:
    Model(QtListView& list, bool checkable) : m_list(list), m_checkable(checkable) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : shownRows;
    }

    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : m_list.columnCount();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= shownRows)
            return {};
        if (role == Qt::DisplayRole) {
            if (index.column() == 0)
                return cellText(m_list.textAt(index.row()));
            return cellText(m_list.itemSubItem(index.row() + 1, index.column()));
        }
        if (role == Qt::CheckStateRole && m_checkable && index.column() == 0)
            return m_list.checkedAt(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!m_checkable || role != Qt::CheckStateRole || !index.isValid() || index.column() != 0)
            return false;
        m_list.setItemChecked(index.row() + 1, value.value<Qt::CheckState>() == Qt::Checked);
        return true;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= m_list.columnCount())
            return {};
        return m_list.columnCaption(section + 1);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
        if (m_checkable && index.column() == 0)
            flags |= Qt::ItemIsUserCheckable;
        return flags;
    }

    using QAbstractTableModel::beginInsertRows;
    using QAbstractTableModel::beginRemoveRows;
    using QAbstractTableModel::beginResetModel;
    using QAbstractTableModel::endInsertRows;
    using QAbstractTableModel::endRemoveRows;
    using QAbstractTableModel::endResetModel;

    int shownRows = 0;

private:
    QtListView& m_list;
    bool m_checkable;
};

QtListView::QtListView(bool checkable) : m_model(std::make_unique<Model>(*this, checkable)) {}

// The view hears of the model's end and shows nothing from then on.
QtListView::~QtListView() = default;

QAbstractItemModel* QtListView::model() const {
    return m_model.get();
}

int QtListView::selectedItem() const {
    if (m_view == nullptr)
        return 0;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void QtListView::setColumnWidth(int column, int twips) {
    StoredListView::setColumnWidth(column, twips);
    if (m_view != nullptr)
        m_view->header()->resizeSection(column - 1, twips / kTwipsPerPixel);
}

void QtListView::showAppended() {
    m_showScheduled = false;
    const int count = itemCount();
    if (count <= m_model->shownRows)
        return;
    m_model->beginInsertRows({}, m_model->shownRows, count - 1);
    m_model->shownRows = count;
    m_model->endInsertRows();
}

void QtListView::appended() {
    if (m_showScheduled)
        return;
    m_showScheduled = true;
    QMetaObject::invokeMethod(
        m_model.get(), [this] { showAppended(); }, Qt::QueuedConnection);
}

void QtListView::beginRemove(int row) {
    showAppended();
    m_model->beginRemoveRows({}, row, row);
}

void QtListView::endRemove() {
    --m_model->shownRows;
    m_model->endRemoveRows();
}

void QtListView::beginInsertRange(int first, int last) {
    showAppended();
    m_model->beginInsertRows({}, first, last);
}

void QtListView::endInsertRange() {
    m_model->shownRows = itemCount();
    m_model->endInsertRows();
}

void QtListView::beginRemoveRange(int first, int last) {
    showAppended();
    m_model->beginRemoveRows({}, first, last);
}

void QtListView::endRemoveRange() {
    m_model->shownRows = itemCount();
    m_model->endRemoveRows();
}

void QtListView::beginReset() {
    m_model->beginResetModel();
}

void QtListView::endReset() {
    m_model->shownRows = itemCount();
    m_model->endResetModel();
}

void QtListView::columnsChanged() {
    // Columns change only at start-up, before anything is shown.
    m_model->beginResetModel();
    m_model->shownRows = itemCount();
    m_model->endResetModel();
}

void QtListView::itemChanged(int row) {
    if (row < m_model->shownRows)
        Q_EMIT m_model->dataChanged(m_model->index(row, 0),
                                    m_model->index(row, m_model->columnCount({}) - 1));
}

} // namespace tavrolin::qt
