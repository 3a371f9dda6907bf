#include "qt_skin_engine.h"

#include "common/runtime_error.h"
#include "common/text_encoding.h"

#include <QFile>
#include <QWidget>

namespace tavrolin::qt {

QtSkinEngine::QtSkinEngine(QWidget* window, qint32 windowHandle)
    : m_window(window), m_windowHandle(windowHandle) {}

void QtSkinEngine::loadSkin(const QString& path, const QString& /*iniName*/) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError::of(error::PathFileAccess, file.errorString());
    m_styleSheet = decode8Bit(file.readAll());
}

void QtSkinEngine::setBooleanSetting(int /*id*/, bool /*value*/) {
    // A style sheet themes every control it names and has no switches of its own: the skin file
    // alone says what is drawn, so start-up's settings need not change anything here.
}

void QtSkinEngine::applyWindow(qint32 windowHandle) {
    if (windowHandle != m_windowHandle)
        throw RuntimeError(error::InvalidPropertyValue, QStringLiteral("Invalid window handle"));
    m_window->setStyleSheet(m_styleSheet);
}

} // namespace tavrolin::qt
