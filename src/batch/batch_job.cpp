#include "batch_job.h"

#include "common/path_routines.h"
#include "common/runtime_error.h"
#include "common/shown_path.h"
#include "common/system_failure.h"
#include "common/text_encoding.h"
#include "compact_entries.h"
#include "create/entry_join.h"
#include "csv_column_input.h"
#include "entries/list_file_reader.h"
#include "entries/tool_table.h"
#include "output/aligned_table.h"
#include "output/result_file.h"
#include "output/results_list.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <algorithm>
#include <cerrno>
#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace tavrolin {

namespace {

// Without a tool that needs the whole list, the entries pass through in pieces of about this
// many bytes: the memory a job takes does not grow with the list.
constexpr qsizetype kPieceBytes = 4 * 1024 * 1024;
// The output is written in blocks of this many bytes.
constexpr qsizetype kOutputBuffer = 64 * 1024;

EntryBytes entryBytesOf(const PackedTexts& texts) {
    return {texts.size(), texts.byteCount(), [&texts](qsizetype i) { return texts.at(i); }};
}

bool needsWholeList(const BatchTool& tool) {
    return toolRow(tool.kind).needsWholeList;
}

PackedTexts applied(const BatchTool& tool, const EntryBytes& entries) {
    return tavrolin::applied(tool.kind, entries, tool.choices).entries;
}

// A file or write error that ends the job; the message names the file.
struct JobFailed {
    QString message;
};

QString nameOf(const QString& path) {
    return path == u"-" ? QStringLiteral("standard input") : shownPath(path);
}

// The job's inputs. Every one is opened before a byte is written, so that a missing or
// unreadable file stops the job with nothing written. A file is then closed and opened again
// when its turn comes, so that a job may read more files than the system lets a program hold
// open; a pipe or a device stays open, since what it gives cannot be read twice.
struct Input {
    QString path;
    QString name;
    // A file's size, what the list will take of memory at most.
    qint64 size = 0;
    // Set from the check on for a stream: standard input, a pipe, a device.
    QIODevice* device = nullptr;
    std::unique_ptr<QFile> stream;
};

std::unique_ptr<QFile> opened(const Input& input) {
    auto file = std::make_unique<QFile>();
    if (const int code = openForReading(*file, input.path))
        throw JobFailed{input.name + QStringLiteral(": ") + systemReason(code)};
    return file;
}

std::vector<Input> openInputs(const BatchJob& job, QIODevice& standardInput) {
    std::vector<Input> inputs;
    const QStringList files = job.files.isEmpty() ? QStringList{QStringLiteral("-")} : job.files;
    for (const QString& path : files) {
        Input input{path, nameOf(path), 0, nullptr, nullptr};
        if (path == u"-") {
            input.device = &standardInput;
            inputs.push_back(std::move(input));
            continue;
        }
        std::unique_ptr<QFile> file = opened(input);
        struct stat status {};
        if (::fstat(file->handle(), &status) != 0)
            throw JobFailed{input.name + QStringLiteral(": ") + systemReason(errno)};
        if (S_ISDIR(status.st_mode))
            throw JobFailed{input.name + QStringLiteral(": Is a folder")};
        if (S_ISREG(status.st_mode)) {
            input.size = status.st_size;
        } else {
            input.device = file.get();
            input.stream = std::move(file);
        }
        inputs.push_back(std::move(input));
    }
    return inputs;
}

// Where the result goes: a file (see ResultFile), or standard output.
class Output {
public:
    Output(const QString& path, QIODevice& standardOutput) : m_standard(standardOutput) {
        m_buffer.reserve(kOutputBuffer);
        if (path.isEmpty())
            return;
        // A pipe is opened as a shell's ">" opens it, waiting for its reader.
        m_file.emplace(path, ResultFile::InPlace::Refused, ResultFile::PipeReader::Awaited);
        named([this] { m_file->create(); });
    }

    // Entries and separators come a few bytes at a time (a group of one is an entry and a line
    // break): the system is called once for each buffer full.
    void write(QByteArrayView bytes) {
        if (m_buffer.size() + bytes.size() > kOutputBuffer)
            flush();
        if (bytes.size() >= kOutputBuffer)
            put(bytes);
        else
            m_buffer.append(bytes);
    }

    // A result file not closed is dropped with its temporary file when the output goes.
    void close() {
        flush();
        if (m_file)
            named([this] { m_file->close(); });
    }

private:
    // The result file's errors name the file: they are the job's, not the input's it reads.
    template <class Step> static void named(Step step) {
        try {
            step();
        } catch (const RuntimeError& error) {
            throw JobFailed{error.description()};
        }
    }

    void flush() {
        put(m_buffer);
        m_buffer.resize(0);
    }

    void put(QByteArrayView bytes) {
        if (m_file) {
            named([&] { m_file->write(bytes); });
            return;
        }
        while (!bytes.isEmpty()) {
            const qint64 written = m_standard.write(bytes.data(), bytes.size());
            if (written <= 0)
                throw JobFailed{QStringLiteral("standard output: ") + m_standard.errorString()};
            bytes = bytes.sliced(written);
        }
    }

    QIODevice& m_standard;
    std::optional<ResultFile> m_file;
    QByteArray m_buffer;
};

// Reads one input as the job asks: its lines, or a column of its CSV records, telling the
// errors stream what was odd about them.
void readInput(const BatchJob& job, const Input& input, QIODevice& device,
               const EntrySplitter::Sink& take, QIODevice& errors) {
    if (!job.column) {
        readEntries(device, take);
        return;
    }
    const CsvColumnReport report = readCsvInput(device, *job.column, take);
    if (!report.found)
        throw JobFailed{input.name +
                        QStringLiteral(": no column is named \"%1\"").arg(job.column->name)};
    for (const QString& warning : csvInputWarnings(report, input.name))
        errors.write(QByteArrayLiteral("tavrolin: ") + warning.toLocal8Bit() + '\n');
}

void run(const BatchJob& job, std::vector<Input>& inputs, Output& output, QIODevice& errors) {
    // The lines of the result, held only for the aligned layout, whose header is as wide as
    // the longest of them; plain lines stream out as they are joined.
    QList<QByteArray> lines;
    qsizetype lineCount = 0;
    const JoinShape shape{job.separator, job.groupSize, job.before, job.after};
    EntryJoin join = job.aligned
                         ? EntryJoin(shape,
                                     [&](QByteArray line) {
                                         ++lineCount;
                                         lines.append(std::move(line));
                                     })
                         : EntryJoin(
                               shape, [&output](QByteArrayView bytes) { output.write(bytes); },
                               [&] {
                                   ++lineCount;
                                   output.write("\n");
                               });

    const bool wholeList = std::any_of(job.tools.cbegin(), job.tools.cend(), needsWholeList);
    CompactEntries entries;
    // Each tool reads the list the one before built; the gathered entries go once the first
    // has read them.
    const auto passOn = [&] {
        PackedTexts texts = applied(job.tools.first(), entries.view());
        entries.clear();
        for (qsizetype t = 1; t < job.tools.size(); ++t)
            texts = applied(job.tools.at(t), entryBytesOf(texts));
        for (qsizetype i = 0; i < texts.size(); ++i)
            join.add(texts.at(i));
    };
    EntrySplitter::Sink take;
    if (job.tools.isEmpty()) {
        take = [&join](QByteArrayView entry) { join.add(entry); };
    } else {
        if (wholeList) {
            qint64 size = 0;
            for (const Input& input : inputs)
                size += input.size;
            entries.reserve(size);
        }
        take = [&](QByteArrayView entry) {
            entries.append(entry);
            if (!wholeList && entries.byteCount() >= kPieceBytes)
                passOn();
        };
    }
    for (Input& input : inputs) {
        const std::unique_ptr<QFile> file = input.device ? nullptr : opened(input);
        QIODevice& device = file ? *file : *input.device;
        try {
            readInput(job, input, device, take, errors);
        } catch (const RuntimeError&) {
            throw JobFailed{input.name + QStringLiteral(": ") + device.errorString()};
        }
        input.stream.reset();
    }
    if (!job.tools.isEmpty())
        passOn();
    join.finish();
    // No entry at all is an empty result, one empty line, as paste -s gives it.
    if (lineCount == 0 && job.aligned)
        lines.append(QByteArray());
    else if (lineCount == 0)
        output.write("\n");
    if (job.aligned) {
        writeAlignedTable(
            QList<QByteArray>{encode8Bit(resultsCaption())}, lines.size(),
            [&lines](qsizetype row, qsizetype) { return lines.at(row); },
            [&output](QByteArrayView bytes) { output.write(bytes); });
    }
}

} // namespace

int runBatchJob(const BatchJob& job, const BatchStreams& streams) {
    const auto fail = [&](const QString& message) {
        streams.errors.write(QByteArrayLiteral("tavrolin: ") + message.toLocal8Bit() + '\n');
        return 1;
    };
    std::vector<Input> inputs;
    std::optional<Output> output;
    try {
        inputs = openInputs(job, streams.input);
        output.emplace(job.output, streams.output);
        run(job, inputs, *output, streams.errors);
        output->close();
    } catch (const JobFailed& failed) {
        return fail(failed.message);
    } catch (const RuntimeError& error) {
        return fail(error.description());
    } catch (const std::bad_alloc&) {
        return fail(QStringLiteral("out of memory"));
    } catch (const std::exception& error) {
        // A fault of the program or its libraries ends the job as any failure does, not the
        // program with an exception that nothing caught.
        return fail(QString::fromLocal8Bit(error.what()));
    }
    return 0;
}

} // namespace tavrolin
