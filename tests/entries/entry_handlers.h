#pragma once

// The real window for the tests of the entry list's handlers, and what they look at.

#include "common/error_report.h"
#include "qt/report_table.h"
#include "support/list_items.h"
#include "support/window_test.h"

#include <QMessageBox>
#include <QStringList>

namespace tavrolin::testing {

// A message box as the user met it, and the window's pointer meanwhile.
struct SeenMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    int pointer;
};

// A text as its message box shows it: each line break as one.
inline QString shown(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// The text of the error report a handler shows for a failure at the given line.
inline QString report(const QString& description, const QString& procedure, int line) {
    return shown(errorReportText(description, procedure, line));
}

inline QStringList texts(const ListView& list) {
    QStringList items;
    for (int item = 1; item <= list.itemCount(); ++item)
        items.append(itemText(list, item));
    return items;
}

// Runs the code as the window runs a handler.
template <class Code> void run(RealWindow& real, Code&& code) {
    real.toolkit.window().dispatch(std::forward<Code>(code));
}

// The entries, shown as the event loop shows them once the handler that added them returns.
inline void fill(RealWindow& real, const QStringList& entries) {
    run(real, [&] {
        for (const QString& entry : entries)
            appendText(real.toolkit.listView1(), entry);
    });
    real.toolkit.listView1().model().announceAppended();
}

// Selects the entry as a click on it would; 0 selects none.
inline void select(RealWindow& real, int item) {
    QAbstractItemView* view = real.toolkit.window().listView1;
    if (item == 0)
        view->clearSelection();
    else
        view->setCurrentIndex(view->model()->index(item - 1, 0));
}

// Closes the next message boxes with OK, as many as are expected, noting each one.
inline void closeMessages(RealWindow& real, qsizetype count, QList<SeenMessage>& seen) {
    for (qsizetype i = 0; i < count; ++i) {
        dialogs().closeMessage([&](QMessageBox* box) {
            seen.append(
                {box->text(), box->windowTitle(), box->icon(), real.toolkit.window().pointer()});
        });
    }
}

} // namespace tavrolin::testing
