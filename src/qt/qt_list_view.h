#pragma once

#include "lists/modelled_list_view.h"

namespace tavrolin::qt {

class ReportView;

// A list view shown by a ReportView. Its model announces a burst of appends when control
// returns to the event loop, so loading a million entries costs the view one insertion.
class QtListView : public ModelledListView {
public:
    explicit QtListView(bool checkable);

    // Shows the model in the view, which from then on holds the selection.
    void setView(ReportView* view);

    int selectedItem() const override;
    void selectItem(int item) override;
    void setColumnWidth(int column, int twips) override;

private:
    ReportView* m_view = nullptr;
};

} // namespace tavrolin::qt
