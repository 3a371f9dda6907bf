#pragma once

#include "common/text_encoding.h"
#include "common/toolkit/progress_bar.h"

#include <QList>
#include <QStringList>

namespace tavrolin::headless {

// Keeps every value and text it was given, so tests can follow the progress.
class HeadlessProgressBar : public ProgressBar {
public:
    void setValue(double value) override { m_values.append(value); }
    void setText(const QString& text) override { m_texts.append(text); }
    void setText(const QString& prefix, QByteArrayView bytes) override {
        m_texts.append(prefix + decode8Bit(bytes));
    }

    double value() const { return m_values.isEmpty() ? 0.0 : m_values.last(); }
    QString text() const {
        return m_texts.isEmpty() ? QStringLiteral("Progress Bar") : m_texts.last();
    }
    const QList<double>& values() const { return m_values; }
    const QStringList& texts() const { return m_texts; }

private:
    QList<double> m_values;
    QStringList m_texts;
};

} // namespace tavrolin::headless
