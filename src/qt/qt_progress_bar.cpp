#include "qt_progress_bar.h"

#include "labelled_progress_bar.h"
#include "lists/shown_cell.h"

#include <algorithm>
#include <cmath>

namespace tavrolin::qt {

QtProgressBar::QtProgressBar(LabelledProgressBar* widget)
    : m_widget(widget), m_text(widget->text()) {}

void QtProgressBar::setValue(double value) {
    m_value = value;
    scheduleShow();
}

void QtProgressBar::setText(const QString& text) {
    m_text = text;
    m_bytes.resize(0);
    scheduleShow();
}

void QtProgressBar::setText(const QString& prefix, QByteArrayView bytes) {
    // A loop gives the same prefix on every pass; taking it again would cost more than the
    // rest of the call.
    if (m_text.constData() != prefix.constData() || m_text.size() != prefix.size())
        m_text = prefix;
    // Only the start the bar can show is kept: a copy, and later the layout of the text, then
    // cost the same for an entry of a gigabyte as for a short one.
    const QByteArrayView shown = shownCellBytes(bytes);
    m_bytes.resize(shown.size());
    std::copy(shown.begin(), shown.end(), m_bytes.begin());
    scheduleShow();
}

void QtProgressBar::scheduleShow() {
    if (m_showScheduled)
        return;
    m_showScheduled = true;
    QMetaObject::invokeMethod(
        m_widget, [this] { show(); }, Qt::QueuedConnection);
}

void QtProgressBar::show() {
    m_showScheduled = false;
    // The bar shows whole percentages; a value past either end of the scale is held there.
    const double clamped = std::isnan(m_value) ? 0.0 : std::clamp(m_value, 0.0, 100.0);
    m_widget->setValue(int(std::lround(clamped)));
    m_widget->setLabel(m_bytes.isEmpty() ? shownCell(m_text) : m_text + shownCell(m_bytes));
}

} // namespace tavrolin::qt
