#pragma once

#include "common/toolkit/progress_bar.h"

class QProgressBar;

namespace tavrolin::qt {

// ProgressBar1. Values and texts arrive once per entry; the bar shows the latest of them each
// time the event loop runs, which is what the eye can follow anyway.
class QtProgressBar : public ProgressBar {
public:
    explicit QtProgressBar(QProgressBar* widget);

    void setValue(double value) override;
    void setText(const QString& text) override;

private:
    void scheduleShow();
    void show();

    QProgressBar* m_widget;
    double m_value = 0;
    QString m_text;
    bool m_showScheduled = false;
};

} // namespace tavrolin::qt
