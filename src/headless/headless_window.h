#pragma once

#include "common/toolkit/window.h"

#include <QMap>

namespace tavrolin::headless {

// The main window in memory, with the controls of the real one.
class HeadlessWindow : public Window {
public:
    static constexpr qint32 kHandle = 0x1234;

    explicit HeadlessWindow(QString programFolder);

    QString programFolder() const override { return m_programFolder; }
    void setCaption(const QString& caption) override { m_caption = caption; }
    void setProgramIcon() override { m_hasIcon = true; }
    void setApplicationTitle(const QString& title) override { m_applicationTitle = title; }
    QString applicationTitle() const override { return m_applicationTitle; }
    void setBackgroundColour(Colour colour) override { m_background = colour; }
    QList<ControlInfo> controls() const override;
    void setControlBackgroundColour(const QString& name, Colour colour) override;
    qint32 handle() const override { return kHandle; }
    void loadCustomPointer(const QString& path) override;
    int pointer() const override { return m_pointer; }
    void setPointer(int value) override { m_pointer = value; }
    void endProcess(int /*exitStatus*/) override { m_ended = true; }

    const QString& caption() const { return m_caption; }
    bool hasIcon() const { return m_hasIcon; }
    Colour background() const { return m_background; }
    Colour controlBackground(const QString& name) const;
    const QString& customPointer() const { return m_customPointer; }
    bool ended() const { return m_ended; }

private:
    QString m_programFolder;
    QString m_caption;
    bool m_hasIcon = false;
    QString m_applicationTitle;
    Colour m_background = Colour::White;
    QMap<QString, Colour> m_controlBackgrounds;
    QString m_customPointer;
    int m_pointer = pointer::Default;
    bool m_ended = false;
};

} // namespace tavrolin::headless
