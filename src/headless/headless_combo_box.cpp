#include "headless_combo_box.h"

#include "common/runtime_error.h"

namespace tavrolin::headless {

void HeadlessComboBox::setListIndex(int position) {
    if (position < -1 || position >= m_items.size())
        throw RuntimeError::of(error::InvalidPropertyValue);
    m_index = position;
    if (position >= 0)
        raiseClick();
}

QString HeadlessComboBox::text() const {
    return m_index >= 0 ? m_items.at(m_index) : QString();
}

} // namespace tavrolin::headless
