#pragma once

#include "app/form1.h"
#include "headless/headless_toolkit.h"

#include <QStringList>

namespace tavrolin::testing {

// The window as it stands after start-up, with every component in memory.
struct HeadlessForm {
    HeadlessForm() { form.Form_Load(); }

    // The texts of the messages shown so far, first to last.
    QStringList messages() const {
        QStringList texts;
        for (const headless::ShownMessage& message : ui.dialogs.messages())
            texts.append(message.text);
        return texts;
    }

    headless::HeadlessToolkit ui;
    Form1 form{ui.toolkit()};
};

} // namespace tavrolin::testing
