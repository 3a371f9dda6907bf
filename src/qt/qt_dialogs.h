#pragma once

#include "common/toolkit/dialogs.h"

class QWidget;

namespace tavrolin::qt {

// Message and input boxes over the main window, or in the middle of the screen while the
// window is not shown.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent);

    void messageBox(const QString& text, MessageStyle style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;

private:
    QWidget* owner() const;

    QWidget* m_parent;
};

} // namespace tavrolin::qt
