#pragma once

#include "common/stored_list_view.h"

#include <memory>

class QAbstractItemModel;

namespace tavrolin::qt {

class ReportView;

// A list view whose data a ReportView shows through a model. Appends are gathered: the view
// hears of a burst of them in one notification when control returns to the event loop, so
// loading a million entries costs one insertion, not a million.
class QtListView : public StoredListView {
public:
    explicit QtListView(bool checkable);
    ~QtListView() override;
    QtListView(const QtListView&) = delete;
    QtListView& operator=(const QtListView&) = delete;

    QAbstractItemModel* model() const;
    void setView(ReportView* view) { m_view = view; }

    int selectedItem() const override;
    void setColumnWidth(int column, int twips) override;

    // Tells the view of the items appended since it last heard.
    void showAppended();

protected:
    void appended() override;
    void beginRemove(int row) override;
    void endRemove() override;
    void beginInsertRange(int first, int last) override;
    void endInsertRange() override;
    void beginRemoveRange(int first, int last) override;
    void endRemoveRange() override;
    void beginReset() override;
    void endReset() override;
    void columnsChanged() override;
    void itemChanged(int row) override;

private:
    class Model;

    std::unique_ptr<Model> m_model;
    ReportView* m_view = nullptr;
    bool m_showScheduled = false;
};

} // namespace tavrolin::qt
