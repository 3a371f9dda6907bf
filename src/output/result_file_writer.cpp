#include "result_file_writer.h"

#include "column_cells.h"
#include "column_layout.h"
#include "common/path_routines.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/toolkit.h"
#include "nothing_to_output.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace tavrolin {

namespace {

constexpr int kProgressTextEvery = 1000;

[[noreturn]] void noFile() {
    throw RuntimeError::of(error::ObjectNotSet);
}

// A line of the result file, kept as its padded cells. The result row can hold tens of millions
// of bytes; each cell is written as the bytes it is kept in rather than copied into one buffer.
using PaddedLine = QList<PaddedCell>;

// The progress steps that open each pass, each with its own statement numbers: the test that a
// bar was given, events, the value, the text, events.
struct ProgressLines {
    int test;
    int eventsBefore;
    int value;
    int text;
    int eventsAfter;
};
constexpr ProgressLines kStartProgress{100, 102, 104, 106, 108};
constexpr ProgressLines kMeasuredProgress{142, 144, 146, 148, 150};
constexpr ProgressLines kHeaderProgress{172, 174, 176, 178, 180};

// The result file while it is written: a temporary file beside the target that replaces the
// target only when committed, so a failed or abandoned save leaves the old file as it was.
// A folder the user cannot write to refuses that temporary file even when the file in it may
// be written; the file is then written in place. That empties the old file, so it is opened
// only when the first row is written, the header line waiting in memory until then.
class ResultFile {
public:
    void create(const QString& fileName) {
        auto file = std::make_unique<QSaveFile>(fileName);
        if (file->open(QIODevice::WriteOnly)) {
            m_file = std::move(file);
            return;
        }
        QFile inPlace(fileName); // opened without changing a byte, to learn it can be written
        if (!inPlace.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
            throw RuntimeError::of(error::PathFileAccess, file->errorString());
        m_inPlaceName = fileName;
        m_held.emplace();
    }

    void writeHeader(const PaddedLine& line) { writeLine(line); }

    void writeRow(const PaddedLine& line) {
        if (m_held) {
            auto file = std::make_unique<QFile>(m_inPlaceName);
            if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
                throw RuntimeError::of(error::PathFileAccess, file->errorString());
            const QByteArray header = *std::exchange(m_held, std::nullopt);
            m_file = std::move(file);
            write(header);
        }
        writeLine(line);
    }

    void close() {
        if (!m_file)
            noFile();
        const std::unique_ptr<QFileDevice> file = std::move(m_file);
        auto* saveFile = qobject_cast<QSaveFile*>(file.get());
        if (saveFile != nullptr ? !saveFile->commit() : !file->flush())
            throw RuntimeError::of(error::DeviceIo, file->errorString());
    }

    // Leaves the old file as it was: nothing was due to be written.
    void cancel() {
        if (auto* saveFile = qobject_cast<QSaveFile*>(m_file.get()))
            saveFile->cancelWriting();
    }

private:
    static constexpr qsizetype kBlock = 256 * 1024;

    void writeLine(const PaddedLine& line) {
        if (!m_file && !m_held)
            noFile();
        for (const PaddedCell& cell : line) {
            write(cell.bytes);
            writeSpaces(cell.padding);
            write(QByteArrayView("\t", 1));
        }
        write(QByteArrayView("\r\n", 2));
    }

    void write(QByteArrayView bytes) {
        if (m_held) {
            m_held->append(bytes);
            return;
        }
        if (m_file->write(bytes.data(), bytes.size()) != bytes.size())
            throw RuntimeError::of(error::DeviceIo, m_file->errorString());
    }

    void writeSpaces(qsizetype count) {
        static const QByteArray spaces(kBlock, ' ');
        for (; count > 0; count -= kBlock)
            write(QByteArrayView(spaces).first(std::min(count, kBlock)));
    }

    std::unique_ptr<QFileDevice> m_file;
    // Writing in place: the target's name, and the bytes held back until the first row.
    QString m_inPlaceName;
    std::optional<QByteArray> m_held;
};

} // namespace

bool SaveListviewProperlySpaced(const ListView& list, const QString& fileName,
                                ProgressBar* progressBar, EventPump& events, Dialogs& dialogs) {
    Trap trap(dialogs, QStringLiteral("Save.SaveListviewProperlySpaced"));
    const QString name = FileNameFromPath(fileName, kPathSeparator);
    const QString writing = QStringLiteral("Writing file: ") + name;
    const auto showProgress = [&](const ProgressLines& lines, double value) {
        if (!trap.test(lines.test, [&] { return progressBar != nullptr; }))
            return;
        trap(lines.eventsBefore, [&] { events.processEvents(); });
        trap(lines.value, [&] { progressBar->setValue(value); });
        trap(lines.text, [&] { progressBar->setText(writing); });
        trap(lines.eventsAfter, [&] { events.processEvents(); });
    };

    showProgress(kStartProgress, 1);

    // Rows are read by number while events run between them: row i is still the row that was
    // measured only as long as no row has been removed or moved since.
    const quint64 measured = list.rowGeneration();
    const auto unchanged = [&] { return list.rowGeneration() == measured; };
    ColumnWidths widths;
    int columns = 0;
    trap(110, [&] { columns = list.columnCount(); });
    for (int c = 1; c <= columns; ++c) {
        trap(114, [&] { widths.fit(encode8Bit(list.columnCaption(c))); });
        int rows = 0;
        trap(118, [&] { rows = list.itemCount(); });
        for (int r = 1; r <= rows; ++r) {
            trap(122, [&] { events.processEvents(); });
            if (!unchanged())
                break;
            trap(126, [&] { widths.fit(cellBytes(list, r, c)); });
        }
        trap(136, [&] { widths.endColumn(); });
    }

    showProgress(kMeasuredProgress, 10);

    PaddedLine line;
    ResultFile file;
    trap(156, [&] { file.create(fileName); });

    for (int c = 1; c <= columns; ++c) {
        trap(160, [&] { events.processEvents(); });
        trap(164,
             [&] { line.append(paddedCell(encode8Bit(list.columnCaption(c)), widths.of(c))); });
    }
    trap(170, [&] { file.writeHeader(line); });

    showProgress(kHeaderProgress, 20);

    int due = 0; // rows checked when their line was to be written
    int rows = 0;
    trap(182, [&] { rows = list.itemCount(); });
    for (int i = 1; i <= rows; ++i) {
        trap(184, [&] { events.processEvents(); });
        if (!unchanged())
            break;
        line.clear();
        if (trap.test(188, [&] { return !list.itemChecked(i); }))
            continue;
        // A row unticked or moved while its line is built is not written.
        const auto stillWritten = [&] { return unchanged() && list.itemChecked(i); };
        bool whole = true;
        for (int c = 1; c <= columns && whole; ++c) {
            trap(192, [&] { events.processEvents(); });
            whole = stillWritten();
            if (whole)
                trap(196, [&] { line.append(paddedCell(cellBytes(list, i, c), widths.of(c))); });
        }
        if (!whole)
            continue;
        if (trap.test(204, [&] { return progressBar != nullptr; })) {
            trap(206, [&] { events.processEvents(); });
            trap(208, [&] {
                const int count = list.itemCount();
                progressBar->setValue(double(count / 2000 + i) / double(count) * 100.0);
            });
            if (trap.test(210, [&] { return i % kProgressTextEvery == 0; })) {
                trap(212, [&] {
                    progressBar->setText(writing + QStringLiteral(" (") + QString::number(i) +
                                         u')');
                });
            }
            trap(214, [&] { events.processEvents(); });
            if (!stillWritten())
                continue;
        }
        ++due;
        trap(222, [&] { file.writeRow(line); });
    }

    if (trap.test(226, [&] { return progressBar != nullptr; })) {
        trap(228, [&] { progressBar->setValue(100); });
        trap(230, [&] { progressBar->setText(QStringLiteral("Done.")); });
    }
    trap(232, [&] {
        if (due > 0)
            file.close();
        else
            file.cancel();
    });
    if (trap.test(238, [&] { return progressBar != nullptr; })) {
        trap(240, [&] { progressBar->setValue(0); });
        trap(242, [&] { progressBar->setText(QStringLiteral("Progress Bar")); });
    }
    return due > 0;
}

void saveResults(Toolkit& ui) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton1_Click"));
    // Saving no row would only replace the chosen file by the header line.
    if (trap.test(102, [&] { return !anyRowChecked(ui.listView2); })) {
        trap(104, [&] { tellNothingOutput(ui.dialogs, ui.listView2, Output::Save); });
        return;
    }
    FileDialog& dialog = ui.commonDialog1;
    trap(106, [&] { dialog.setFlags(fileDialogFlag::Explorer | fileDialogFlag::LongNames); });
    trap(108, [&] { dialog.setTitle(QStringLiteral("Save")); });
    trap(110, [&] {
        dialog.setFilter(QStringLiteral(
            "CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
    });
    trap(112, [&] {
        dialog.setFileName(QString());
        dialog.showSave();
    });
    QString fileName;
    trap(114, [&] { fileName = dialog.fileName(); });
    if (trap.test(116, [&] { return fileName.isEmpty(); }))
        return;
    trap(118, [&] { ui.form.setPointer(pointer::Hourglass); });
    bool saved = false;
    trap(120, [&] {
        saved = SaveListviewProperlySpaced(ui.listView2, fileName, &ui.progressBar1, ui.events,
                                           ui.dialogs);
    });
    trap(122, [&] { ui.form.setPointer(pointer::Default); });
    if (!saved)
        trap(124, [&] { tellNothingOutput(ui.dialogs, ui.listView2, Output::Save); });
}

} // namespace tavrolin
