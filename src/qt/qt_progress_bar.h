#pragma once

#include "common/toolkit/progress_bar.h"

#include <QByteArray>

namespace tavrolin::qt {

class LabelledProgressBar;

// ProgressBar1. Values and texts arrive once per entry; the bar shows the latest of them each
// time the event loop runs, which is what the eye can follow anyway.
class QtProgressBar : public ProgressBar {
public:
    explicit QtProgressBar(LabelledProgressBar* widget);

    void setValue(double value) override;
    void setText(const QString& text) override;
    void setText(const QString& prefix, QByteArrayView bytes) override;

private:
    void scheduleShow();
    void show();

    LabelledProgressBar* m_widget;
    double m_value = 0;
    // The text is m_text followed by the start of m_bytes decoded, at most what a list cell
    // shows of a text; the bytes are copied into a buffer that keeps its room, so a text per
    // entry costs no allocation.
    QString m_text;
    QByteArray m_bytes;
    bool m_showScheduled = false;
};

} // namespace tavrolin::qt
