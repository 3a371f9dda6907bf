#pragma once

// What the tests of saving and copying results share: the real window, the messages shown,
// filling the results list and reading back what was reported or written.

#include "common/error_report.h"
#include "qt/labelled_progress_bar.h"
#include "support/list_items.h"
#include "support/window_test.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <memory>

namespace tavrolin::testing {

using namespace Qt::StringLiterals;

inline const QString kResultsCaption =
    u"Results - Extend bar to show all >"_s + QString(59, u' ') + u'>';
inline const QString kPasteMessage =
    u"Results have been copied to the clipboard.\r\rClick a text area "
    "where you normally type and press Ctrl+V to paste the clipboard."_s;
inline const QString kNothingCopiedEmpty =
    u"Nothing was copied: there are no results.\r\rPress \"Start Creating List\" first, then "
    "tick the result's check box and copy again."_s;
inline const QString kNothingCopiedUnticked =
    u"Nothing was copied: no result is ticked.\r\rTick the "
    "check box of the result you want, then copy again."_s;
inline const QString kNothingSavedEmpty =
    u"Nothing was saved: there are no results.\r\rPress \"Start Creating List\" first, then "
    "tick the result's check box and save again."_s;
inline const QString kNothingSavedUnticked = u"Nothing was saved: no result is ticked.\r\rTick the "
                                             "check box of the result you want, then save again."_s;

// A message as its box shows it: each line break as one.
inline QString asShown(QString text) {
    return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

// Rows as "+" (checked) or "-", then the cells separated by "|".
inline void fill(ModelBackedList& list, const QStringList& rows) {
    for (const QString& row : rows) {
        const QStringList cells = row.mid(1).split(u'|');
        appendText(list, cells.first());
        const int item = list.itemCount();
        for (int c = 1; c < cells.size(); ++c)
            list.setItemSubItem(item, c, cells.at(c));
        list.setItemChecked(item, row.startsWith(u'+'));
    }
}

// A list of the real toolkit that no window shows, so that its columns are the test's to choose.
inline std::unique_ptr<qt::WidgetList> unshownList(const QStringList& captions,
                                                   const QStringList& rows) {
    auto list = std::make_unique<qt::WidgetList>(true);
    for (const QString& caption : captions)
        list->addColumn(caption);
    fill(*list, rows);
    return list;
}

// "<procedure> <line>" of every error report shown.
inline QStringList reportedAt() {
    static const QRegularExpression where(u"\nin Tavrolin2021/08/31\\.(\\S+) at line (\\d+)\n\n"_s);
    QStringList places;
    for (qsizetype i = 0; i < dialogs().messages().size(); ++i) {
        const QRegularExpressionMatch match = where.match(dialogs().messages().at(i));
        if (match.hasMatch() && dialogs().messageTitles().at(i) == kErrorReportTitle)
            places.append(match.captured(1) + u' ' + match.captured(2));
    }
    return places;
}

// The value and text the progress bar shows once the window has caught up with what it was told.
inline QString barShown(qt::MainWindow& window) {
    QCoreApplication::processEvents();
    return QString::number(window.progressBar1->value()) + u' ' + window.progressBar1->text();
}

// Every file below the folder with its bytes, so a fault can be shown to have changed nothing.
inline QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        // A pipe or a device is not opened: that could wait for ever.
        const bool plain = it.fileInfo().isFile() || it.fileInfo().isDir();
        files.insert(QDir(folder).relativeFilePath(path), !plain ? "<special>"_ba
                                                          : file.open(QIODevice::ReadOnly)
                                                              ? file.readAll()
                                                              : "<folder>"_ba);
    }
    return files;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>"_ba;
}

} // namespace tavrolin::testing
