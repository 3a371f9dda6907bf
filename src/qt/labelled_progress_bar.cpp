#include "labelled_progress_bar.h"

namespace tavrolin::qt {

void LabelledProgressBar::setLabel(const QString& label) {
    if (label == m_label)
        return;
    m_label = label;
    update();
}

} // namespace tavrolin::qt
