#pragma once

// The started window the separator and creation tests drive, and the entries they join.

#include "app/form1.h"
#include "headless/headless_toolkit.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tavrolin::testing {

inline QStringList samples() {
    return {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third"),
            QStringLiteral("fourth")};
}

// The main window after start-up with the given separator choice (-1: none could be applied)
// and entries.
struct Started {
    explicit Started(int choice, const QStringList& entries = {})
        : toolkit(folder.path()), form(toolkit.toolkit()) {
        toolkit.settings.save(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"),
                              QStringLiteral("Combo1"), QString::number(choice));
        form.Form_Load();
        for (const QString& entry : entries)
            toolkit.listView1.appendItem(entry);
    }
    QStringList messages() const {
        QStringList texts;
        for (const headless::ShownMessage& message : toolkit.dialogs.messages())
            texts << message.text;
        return texts;
    }
    QString stored() const {
        return toolkit.settings.get(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"),
                                    QStringLiteral("Combo1"), QString());
    }

    QTemporaryDir folder;
    headless::HeadlessToolkit toolkit;
    Form1 form;
};

} // namespace tavrolin::testing
