#include "headless_combo_box.h"

namespace tavrolin::headless {

QString HeadlessComboBox::text() const {
    return m_index >= 0 ? m_items.at(m_index) : QString();
}

} // namespace tavrolin::headless
