#include "batch_job.h"

#include "common/runtime_error.h"
#include "common/shown_path.h"
#include "common/text_encoding.h"
#include "compact_entries.h"
#include "create/entry_join.h"
#include "entries/list_file_reader.h"
#include "output/result_file.h"
#include "output/results_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace tavrolin {

namespace {

// Without a tool that needs the whole list, the entries pass through in pieces of about this
// many bytes: the memory a job takes does not grow with the list.
constexpr qsizetype kPieceBytes = 4 * 1024 * 1024;

EntryBytes entryBytesOf(const PackedTexts& texts) {
    return {texts.size(), texts.byteCount(), [&texts](qsizetype i) { return texts.at(i); }};
}

bool needsWholeList(const BatchTool& tool) {
    switch (tool.kind) {
    case EntryListTool::SortAscending:
    case EntryListTool::SortDescending:
    case EntryListTool::Reverse:
    case EntryListTool::RemoveDuplicates:
        return true;
    default:
        return false;
    }
}

// The duplicate rules and the quotes modify every tool of their kind in the job.
PackedTexts applied(const BatchJob& job, const BatchTool& tool, const EntryBytes& entries) {
    return tavrolin::applied(tool.kind, entries,
                             {job.duplicates, tool.wrap, tool.separator, job.quotes});
}

// A file or write error that ends the job; the message names the file.
struct JobFailed {
    QString message;
};

QString nameOf(const QString& path) {
    return path == u"-" ? QStringLiteral("standard input") : shownPath(path);
}

// The job's inputs, every file opened before a byte is written.
struct Input {
    QString name;
    QIODevice* device;
    std::unique_ptr<QFile> file;
};

std::vector<Input> openInputs(const BatchJob& job, QIODevice& standardInput) {
    std::vector<Input> inputs;
    const QStringList files = job.files.isEmpty() ? QStringList{QStringLiteral("-")} : job.files;
    for (const QString& path : files) {
        if (path == u"-") {
            inputs.push_back({nameOf(path), &standardInput, nullptr});
            continue;
        }
        auto file = std::make_unique<QFile>();
        switch (openListFile(*file, path)) {
        case ListFileOpening::Missing:
            throw JobFailed{nameOf(path) + QStringLiteral(": No such file")};
        case ListFileOpening::NotAFile:
            throw JobFailed{nameOf(path) + (QFileInfo(path).isDir()
                                                ? QStringLiteral(": Is a folder")
                                                : QStringLiteral(": Not a regular file"))};
        case ListFileOpening::Refused:
            throw JobFailed{nameOf(path) + QStringLiteral(": ") + file->errorString()};
        case ListFileOpening::Opened:
            break;
        }
        QIODevice* device = file.get();
        inputs.push_back({nameOf(path), device, std::move(file)});
    }
    return inputs;
}

// Where the result goes: a file through a temporary file beside it, or standard output.
class Output {
public:
    Output(const QString& path, QIODevice& standardOutput) : m_standard(standardOutput) {
        if (path.isEmpty())
            return;
        m_file.emplace(path, ResultFile::InPlace::Refused);
        m_file->create();
    }

    void write(QByteArrayView bytes) {
        if (m_file) {
            m_file->write(bytes);
            return;
        }
        while (!bytes.isEmpty()) {
            const qint64 written = m_standard.write(bytes.data(), bytes.size());
            if (written <= 0)
                throw JobFailed{QStringLiteral("standard output: ") + m_standard.errorString()};
            bytes = bytes.sliced(written);
        }
    }

    // A result file not closed is dropped with its temporary file when the output goes.
    void close() {
        if (m_file)
            m_file->close();
    }

private:
    QIODevice& m_standard;
    std::optional<ResultFile> m_file;
};

void run(const BatchJob& job, std::vector<Input>& inputs, Output& output) {
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
        PackedTexts texts = applied(job, job.tools.first(), entries.view());
        entries.clear();
        for (qsizetype t = 1; t < job.tools.size(); ++t)
            texts = applied(job, job.tools.at(t), entryBytesOf(texts));
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
                size += input.file ? input.file->size() : 0;
            entries.reserve(size);
        }
        take = [&](QByteArrayView entry) {
            entries.append(entry);
            if (!wholeList && entries.byteCount() >= kPieceBytes)
                passOn();
        };
    }
    for (Input& input : inputs) {
        try {
            readEntries(*input.device, take);
        } catch (const RuntimeError&) {
            throw JobFailed{input.name + QStringLiteral(": ") + input.device->errorString()};
        }
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
        run(job, inputs, *output);
        output->close();
    } catch (const JobFailed& failed) {
        return fail(failed.message);
    } catch (const RuntimeError& error) {
        return fail(error.description());
    } catch (const std::bad_alloc&) {
        return fail(QStringLiteral("out of memory"));
    }
    return 0;
}

} // namespace tavrolin
