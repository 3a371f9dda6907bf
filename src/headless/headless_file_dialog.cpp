#include "headless_file_dialog.h"

namespace tavrolin::headless {

void HeadlessFileDialog::show(Kind kind) {
    m_shown.append({kind, title(), filter(), flags(), maxFileSize()});
    if (m_choices.isEmpty())
        return;
    const Choice choice = m_choices.takeFirst();
    if (const auto* text = std::get_if<QString>(&choice)) {
        if (!text->isEmpty())
            deliverChoice(*text);
    } else {
        deliverFiles(std::get<QStringList>(choice));
    }
}

} // namespace tavrolin::headless
