#pragma once

#include <QProgressBar>

namespace tavrolin::qt {

// A progress bar that shows its label as it is: the format of QProgressBar would read "%p",
// "%v" and "%m" in an entry's name as placeholders.
class LabelledProgressBar : public QProgressBar {
public:
    using QProgressBar::QProgressBar;

    void setLabel(const QString& label);
    QString text() const override { return m_label; }

private:
    QString m_label;
};

} // namespace tavrolin::qt
