#pragma once

// The started window the separator and creation tests drive, and the entries they join.

#include "common/product.h"
#include "qt/labelled_progress_bar.h"
#include "support/list_items.h"
#include "support/window_test.h"

#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QStringList>

namespace tavrolin::testing {

inline QStringList samples() {
    return {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third"),
            QStringLiteral("fourth")};
}

inline QStringList texts(const ListView& list) {
    QStringList result;
    for (int item = 1; item <= list.itemCount(); ++item)
        result.append(itemText(list, item));
    return result;
}

// The separator choice kept for the next start, as start-up reads it.
inline QString storedChoice() {
    return QSettings(kSettingsApplication, kSettingsSection)
        .value(kSettingsSection + u'/' + kSeparatorChoiceKey)
        .toString();
}

struct StoredChoice {
    explicit StoredChoice(int choice) {
        QSettings(kSettingsApplication, kSettingsSection)
            .setValue(kSettingsSection + u'/' + kSeparatorChoiceKey, QString::number(choice));
    }
};

// The real window after start-up with the given separator choice stored (-1: none could be
// applied) and entries.
struct Started : StoredChoice, RealWindow {
    explicit Started(int choice, const QStringList& entries = {}) : StoredChoice(choice) {
        window().dispatch([&] {
            for (const QString& entry : entries)
                appendText(toolkit.listView1(), entry);
        });
    }
    qt::MainWindow& window() { return toolkit.window(); }
    void press() { window().pushButton4->click(); }
    void pick(int position) {
        window().combo1->setCurrentIndex(position);
        Q_EMIT window().combo1->activated(position);
    }
    // The value and text the progress bar shows once its pending update has run.
    QString bar() {
        QCoreApplication::sendPostedEvents(window().progressBar1, QEvent::MetaCall);
        return QString::number(window().progressBar1->value()) + u' ' +
               window().progressBar1->text();
    }
};

} // namespace tavrolin::testing
