#pragma once

#include "common/toolkit/skin_engine.h"

class QWidget;

namespace tavrolin::qt {

// The skin is a Qt style sheet; applying it to the main window themes every control.
class QtSkinEngine : public SkinEngine {
public:
    QtSkinEngine(QWidget* window, qint32 windowHandle);

    void loadSkin(const QString& path, const QString& iniName) override;
    qint32 optionFlags() const override { return m_flags; }
    void setOptionFlags(qint32 flags) override { m_flags = flags; }
    void setBooleanSetting(int id, bool value) override;
    void applyWindow(qint32 windowHandle) override;

private:
    QWidget* m_window;
    qint32 m_windowHandle;
    QString m_styleSheet;
    qint32 m_flags = 0;
};

} // namespace tavrolin::qt
