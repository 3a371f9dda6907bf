#include "headless_file_dialog.h"

namespace tavrolin::headless {

void HeadlessFileDialog::show(Kind kind) {
    m_shown.append({kind, title(), filter(), flags(), maxFileSize()});
    const QString choice = m_choices.isEmpty() ? QString() : m_choices.takeFirst();
    if (!choice.isEmpty())
        deliverChoice(choice);
}

} // namespace tavrolin::headless
