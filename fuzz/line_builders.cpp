// Arbitrary lists written as a result file and copied to the clipboard. Every cell must be
// padded to its column's width, and every line must end as each output wants it.

#include "common/text_encoding.h"
#include "common/toolkit/clipboard.h"
#include "common/toolkit/event_pump.h"
#include "common/toolkit/message_boxes.h"
#include "fuzz_check.h"
#include "lists/model_backed_list.h"
#include "output/clipboard_copy.h"
#include "output/result_file_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>

using namespace tavrolin;

namespace {

// The writer and the copy need a list, a clipboard, an event pump and message boxes; none of
// them needs a window.
struct Results : ModelBackedList {
    Results() : ModelBackedList(true, ListModel::Announce::WhenAsked) {}
    int selectedItem() const override { return 0; }
    void selectItem(int) override {}
};

struct NoEvents : EventPump {
    void processEvents() override {}
};

struct Messages : MessageBoxes {
    void messageBox(const QString& text, MessageStyle, const QString&) override {
        shown.append(text);
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QStringList shown;
};

struct MemoryClipboard : Clipboard {
    bool clear() override {
        content.reset();
        return true;
    }
    bool setUtf8Text(const QByteArrayList& text, int) override {
        content = decode8Bit(text.join());
        return true;
    }
    std::optional<QString> text() const override { return content; }
    std::optional<QString> content;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// The first byte gives the column count (1 to 3); the rest, as text, is the captions on the
// first line, then one row per line, "+" first for a checked row, cells separated by "|".
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The save syncs the file to disk; in memory that costs nothing, and runs stay fast.
    static const QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/tavrolin-fuzz-XXXXXX")
                                       : QDir::tempPath() +
                                             QStringLiteral("/tavrolin-fuzz-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    const int columns = 1 + data[0] % 3;
    const QStringList lines =
        decode8Bit(QByteArrayView(data + 1, qsizetype(size - 1))).split(QChar(u'\n'));

    Results results;
    NoEvents events;
    Messages dialogs;
    MemoryClipboard clipboard;
    QList<QStringList> cells; // row 0 holds the captions
    QList<bool> checked;
    for (const QString& line : lines) {
        const bool isCaptions = cells.isEmpty();
        checked.append(!isCaptions && line.startsWith(u'+'));
        QStringList row = line.mid(checked.last() ? 1 : 0).split(QChar(u'|'));
        row.resize(columns);
        cells.append(row);
        if (isCaptions) {
            for (const QString& caption : row)
                results.addColumn(caption);
            continue;
        }
        results.appendItem(encode8Bit(row.first()));
        const int item = results.itemCount();
        for (int c = 1; c < columns; ++c)
            results.setItemSubItem(item, c, row.at(c));
        results.setItemChecked(item, checked.last());
    }

    // The file's widths count the captions; the clipboard's count the rows only.
    QList<qsizetype> fileWidths(columns, 0);
    QList<qsizetype> copyWidths(columns, 0);
    for (qsizetype r = 0; r < cells.size(); ++r) {
        for (int c = 0; c < columns; ++c) {
            fileWidths[c] = std::max(fileWidths[c], cells[r][c].size());
            if (r > 0)
                copyWidths[c] = std::max(copyWidths[c], cells[r][c].size());
        }
    }
    QString file;
    QString copy;
    for (qsizetype r = 0; r < cells.size(); ++r) {
        if (r > 0 && !checked[r])
            continue;
        QString fileLine;
        QString copyLine;
        for (int c = 0; c < columns; ++c) {
            fileLine += cells[r][c].leftJustified(fileWidths[c]) + u'\t';
            copyLine += cells[r][c].leftJustified(copyWidths[c]) + u'\t';
        }
        file += fileLine + QStringLiteral("\r\n");
        if (r == 0)
            continue;
        copyLine.chop(1);
        while (copyLine.endsWith(u' '))
            copyLine.chop(1);
        copy += copyLine + QStringLiteral("\r\n");
    }

    // Without a checked row neither output is touched: no file, the clipboard as it was.
    const bool noneChecked = copy.isEmpty();
    const OutputResult expected = noneChecked ? OutputResult::NothingDue : OutputResult::Done;
    QFile::remove(path);
    FUZZ_CHECK(SaveListviewProperlySpaced(results, path, nullptr, events, dialogs) == expected);
    FUZZ_CHECK(readAll(path) == (noneChecked ? QByteArray("<missing>") : encode8Bit(file)));
    clipboard.content = QStringLiteral("<untouched>");
    FUZZ_CHECK(CopyListViewToClipboardTab(results, clipboard, events, dialogs) == expected);
    // The clipboard gets the text as the user reads it; the file keeps the bytes.
    FUZZ_CHECK(clipboard.content ==
               (noneChecked ? QStringLiteral("<untouched>") : shownText(copy)));
    FUZZ_CHECK(dialogs.shown.isEmpty());
    return 0;
}
