#pragma once

#include "lists/model_backed_list.h"

namespace tavrolin::qt {

class ReportTable;

// A ModelBackedList shown in a ReportTable widget. Its model announces a burst of appends when
// control returns to the event loop, so loading a million entries costs the view one insertion.
class WidgetList : public ModelBackedList {
public:
    explicit WidgetList(bool checkable);

    // Shows the model in the view, which from then on holds the selection.
    void setView(ReportTable* view);

    int selectedItem() const override;
    void selectItem(int item) override;
    void setColumnWidth(int column, int twips) override;

private:
    ReportTable* m_view = nullptr;
};

} // namespace tavrolin::qt
