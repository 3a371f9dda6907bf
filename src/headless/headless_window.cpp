#include "headless_window.h"

#include "common/runtime_error.h"

#include <QFile>
#include <utility>

namespace tavrolin::headless {

namespace {

const QList<ControlInfo> kControls = {
    {QStringLiteral("ListView1"), QStringLiteral("ListView")},
    {QStringLiteral("PushButton2"), QStringLiteral("PushButton")},
    {QStringLiteral("PushButton6"), QStringLiteral("PushButton")},
    {QStringLiteral("PushButton5"), QStringLiteral("PushButton")},
    {QStringLiteral("PushButton8"), QStringLiteral("PushButton")},
    {QStringLiteral("Frame1"), QStringLiteral("Frame")},
    {QStringLiteral("Combo1"), QStringLiteral("ComboBox")},
    {QStringLiteral("PushButton4"), QStringLiteral("PushButton")},
    {QStringLiteral("ListView2"), QStringLiteral("ListView")},
    {QStringLiteral("PushButton1"), QStringLiteral("PushButton")},
    {QStringLiteral("PushButton7"), QStringLiteral("PushButton")},
    {QStringLiteral("PushButton3"), QStringLiteral("PushButton")},
    {QStringLiteral("ProgressBar1"), QStringLiteral("ProgressBar")},
};

} // namespace

HeadlessWindow::HeadlessWindow(QString programFolder) : m_programFolder(std::move(programFolder)) {
    m_controlBackgrounds.insert(QStringLiteral("Frame1"), Colour::White);
}

QList<ControlInfo> HeadlessWindow::controls() const {
    return kControls;
}

void HeadlessWindow::setControlBackgroundColour(const QString& name, Colour colour) {
    m_controlBackgrounds.insert(name, colour);
}

Colour HeadlessWindow::controlBackground(const QString& name) const {
    return m_controlBackgrounds.value(name, Colour::White);
}

void HeadlessWindow::loadCustomPointer(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(4) != QByteArray("\0\0\2\0", 4))
        throw RuntimeError::of(error::InvalidPicture);
    m_customPointer = path;
}

} // namespace tavrolin::headless
