#include "selected_item_removal.h"

#include "common/toolkit/list_view.h"
#include "common/toolkit/window.h"

namespace tavrolin {

void removeSelectedItem(const Window& form, ListView& list) {
    if (form.pointer() == pointer::Hourglass || list.itemCount() <= 0)
        return;
    const int selected = list.selectedItem();
    if (selected > 0)
        list.removeItem(selected);
}

} // namespace tavrolin
