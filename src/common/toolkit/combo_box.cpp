#include "combo_box.h"

#include "common/runtime_error.h"

namespace tavrolin {

void ComboBox::setListIndex(int position) {
    if (position < -1 || position >= itemCount())
        throw RuntimeError::of(error::InvalidPropertyValue);
    select(position);
    if (position >= 0)
        raiseClick();
}

} // namespace tavrolin
