#pragma once

#include "common/toolkit/skin_engine.h"

#include <QStringList>

namespace tavrolin::headless {

// Keeps the calls made to it, in order.
class HeadlessSkinEngine : public SkinEngine {
public:
    void loadSkin(const QString& path, const QString& iniName) override {
        m_calls.append(QStringLiteral("loadSkin(%1,%2)").arg(path, iniName));
    }
    qint32 optionFlags() const override { return m_flags; }
    void setOptionFlags(qint32 flags) override {
        m_flags = flags;
        m_calls.append(QStringLiteral("setOptionFlags(%1)").arg(flags));
    }
    void setBooleanSetting(int id, bool value) override {
        m_calls.append(QStringLiteral("setBooleanSetting(%1,%2)").arg(id).arg(value));
    }
    void applyWindow(qint32 windowHandle) override {
        m_calls.append(QStringLiteral("applyWindow(%1)").arg(windowHandle));
    }

    const QStringList& calls() const { return m_calls; }

private:
    qint32 m_flags = 0;
    QStringList m_calls;
};

} // namespace tavrolin::headless
