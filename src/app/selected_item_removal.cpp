#include "selected_item_removal.h"

#include "common/toolkit/list_view.h"
#include "common/toolkit/mouse_pointer.h"

namespace tavrolin {

void removeSelectedItem(const MousePointer& shown, ListView& list) {
    if (shown.pointer() == pointer::Hourglass || list.itemCount() <= 0)
        return;
    const int selected = list.selectedItem();
    if (selected > 0)
        list.removeItem(selected);
}

} // namespace tavrolin
