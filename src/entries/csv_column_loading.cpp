#include "csv_column_loading.h"

#include "common/operation_state.h"
#include "common/packed_texts.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/file_dialog.h"
#include "common/toolkit/list_appending.h"
#include "common/toolkit/message_boxes.h"
#include "common/toolkit/mouse_pointer.h"
#include "common/toolkit/progress_bar.h"
#include "common/toolkit/tool_dialogs.h"
#include "csv_column.h"
#include "list_file_opening.h"

#include <QFile>
#include <QLocale>
#include <optional>
#include <utility>

namespace tavrolin {

namespace {

// Enough rows to see the columns and what they hold, few enough to read at once.
constexpr qsizetype kPreviewRows = 10;

bool refused(const CsvColumnLoadingParts& ui) {
    return ui.operation.running || ui.pointer.pointer() == pointer::Hourglass;
}

// The first rows read with the delimiter (0 guesses it). The dialog asks again while it shows,
// where no error may pass through its event loop: a failed read then shows no rows, and the
// read of the whole column reports it.
CsvPreview previewFrom(QFile& file, qsizetype rows, char delimiter) {
    try {
        if (file.seek(0))
            return previewCsv(file, rows, delimiter);
    } catch (const RuntimeError&) {
    }
    return {};
}

// The column's name in the header, empty without a header or beyond it.
QString headerName(QFile& file, const CsvColumnChoice& choice, qsizetype column) {
    if (!choice.header || column < 1)
        return {};
    const CsvPreview first = previewFrom(file, 1, choice.delimiter);
    return first.rows.isEmpty() ? QString() : decode8Bit(first.rows.first().value(column - 1));
}

// Reads the column into the list in one change; values read before a read error still come.
CsvColumnReport appendColumn(QFile& file, const CsvColumnChoice& choice, ListView& list) {
    PackedTexts values;
    values.reserve(0, file.size());
    const auto appendAll = [&] {
        values.fit();
        appendAsBurstOrEach(list, std::move(values),
                            [&list](QByteArrayView value) { list.appendItem(value); });
    };
    CsvColumnReport report;
    try {
        if (!file.seek(0))
            throw RuntimeError::of(error::DeviceIo);
        report = readCsvColumn(file, choice, [&](QByteArrayView value) { values.append(value); });
    } catch (const RuntimeError&) {
        appendAll();
        throw;
    }
    appendAll();
    return report;
}

} // namespace

QString csvColumnLoadedText(const CsvColumnReport& report, const QString& columnName) {
    const QLocale locale;
    QString text =
        QStringLiteral("Loaded %1 %2 from column %3")
            .arg(locale.toString(report.values),
                 report.values == 1 ? QStringLiteral("entry") : QStringLiteral("entries"),
                 columnName.isEmpty() ? locale.toString(report.column) : u'"' + columnName + u'"');
    if (report.shortRecords > 0) {
        text += QStringLiteral("; %1 %2 the column (first at line %3)")
                    .arg(locale.toString(report.shortRecords),
                         report.shortRecords == 1 ? QStringLiteral("row lacked")
                                                  : QStringLiteral("rows lacked"),
                         locale.toString(report.firstShortRecordLine));
    }
    if (report.unclosedQuoteLine > 0) {
        text += QStringLiteral("; a quote opened at line %1 is never closed")
                    .arg(locale.toString(report.unclosedQuoteLine));
    }
    return text;
}

void loadCsvColumn(const CsvColumnLoadingParts& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.ListView1_LoadColumn"));
    if (trap.test(100, [&] { return refused(ui); }))
        return;
    FileDialog& dialog = ui.commonDialog1;
    trap(102, [&] { dialog.setFileName(QString()); });
    trap(104, [&] { dialog.setFlags(fileDialogFlag::Explorer | fileDialogFlag::LongNames); });
    trap(106, [&] { dialog.setTitle(QStringLiteral("Load Column From CSV File")); });
    trap(108, [&] {
        dialog.setFilter(QStringLiteral("CSV and TSV Files (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|"
                                        "All Files (*.*)|*.*|"));
    });
    trap(110, [&] { dialog.showOpen(); });
    if (trap.test(112, [&] { return dialog.fileName().isEmpty(); }))
        return;
    QFile file;
    bool opened = false;
    trap(114, [&] {
        switch (openListFile(file, dialog.fileName())) {
        case ListFileOpening::Missing:
            ui.dialogs.messageBox(QStringLiteral("File not found"), MessageStyle::OkOnly);
            return;
        case ListFileOpening::NotAFile:
        case ListFileOpening::Refused:
            throw RuntimeError::of(error::PathFileAccess);
        case ListFileOpening::Opened:
            opened = true;
            return;
        }
    });
    if (!opened)
        return;
    CsvPreview preview;
    bool previewed = false;
    trap(116, [&] {
        preview = previewCsv(file, kPreviewRows);
        previewed = true;
    });
    if (!previewed)
        return;
    std::optional<CsvColumnChoice> choice;
    trap(118, [&] {
        choice = ui.toolDialogs.csvColumnBox(preview, [&file](char delimiter) {
            return previewFrom(file, kPreviewRows, delimiter);
        });
    });
    if (!choice)
        return;
    trap(120, [&] { ui.pointer.setPointer(pointer::Hourglass); });
    std::optional<CsvColumnReport> report;
    trap(122, [&] { report = appendColumn(file, *choice, ui.listView1); });
    trap(124, [&] { ui.pointer.setPointer(pointer::Default); });
    if (!report)
        return;
    if (!report->found) {
        trap(126, [&] {
            ui.dialogs.messageBox(
                choice->name.isEmpty()
                    ? QStringLiteral("There is no column %1.").arg(choice->number)
                    : QStringLiteral("No column is named \"%1\".").arg(choice->name),
                MessageStyle::OkExclamation);
        });
        return;
    }
    QString name = choice->name;
    trap(128, [&] {
        if (name.isEmpty())
            name = headerName(file, *choice, report->column);
    });
    trap(130, [&] { ui.progressBar1.setText(csvColumnLoadedText(*report, name)); });
}

} // namespace tavrolin
