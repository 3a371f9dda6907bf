#pragma once

#include "common/toolkit/progress_bar.h"

namespace tavrolin::qt {

class LabelledProgressBar;

// ProgressBar1. Values and texts arrive once per entry; the bar shows the latest of them each
// time the event loop runs, which is what the eye can follow anyway.
class QtProgressBar : public ProgressBar {
public:
    explicit QtProgressBar(LabelledProgressBar* widget);

    void setValue(double value) override;
    void setText(const QString& text) override;

private:
    void scheduleShow();
    void show();

    LabelledProgressBar* m_widget;
    double m_value = 0;
    QString m_text;
    bool m_showScheduled = false;
};

} // namespace tavrolin::qt
