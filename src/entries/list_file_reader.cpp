#include "list_file_reader.h"

#include "common/path_routines.h"
#include "common/runtime_error.h"
#include "common/text_encoding.h"
#include "common/toolkit/dialogs.h"
#include "common/toolkit/list_view.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace tavrolin {

namespace {

constexpr qint64 kChunkSize = 4 * 1024 * 1024;

[[noreturn]] void accessError() {
    throw RuntimeError::of(error::PathFileAccess);
}

} // namespace

EntrySplitter::EntrySplitter(Sink sink) : m_sink(std::move(sink)) {}

void EntrySplitter::emitLine(QByteArrayView bytes) {
    if (m_partial.isEmpty()) {
        m_sink(decode8Bit(bytes));
        return;
    }
    m_partial.append(bytes);
    m_sink(decode8Bit(m_partial));
    m_partial.clear();
}

void EntrySplitter::feed(QByteArrayView bytes) {
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    if (m_pendingCr && size > 0) {
        // The LF of a CR LF pair that the previous piece cut apart.
        if (bytes[0] == '\n')
            start = 1;
        m_pendingCr = false;
    }
    for (qsizetype i = start; i < size; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        emitLine(bytes.sliced(start, i - start));
        if (c == '\r') {
            if (i + 1 == size)
                m_pendingCr = true;
            else if (bytes[i + 1] == '\n')
                ++i;
        }
        start = i + 1;
    }
    m_partial.append(bytes.sliced(start));
}

void EntrySplitter::finish() {
    if (!m_partial.isEmpty())
        emitLine({});
    m_partial.clear();
    m_pendingCr = false;
}

void LoadTextFileToListView(ListView& list, const QString& path, Dialogs& dialogs) {
    if (!FileExists(path)) {
        dialogs.messageBox(QStringLiteral("File not found"), MessageStyle::OkOnly);
        return;
    }
    // A folder, a pipe or a device is no list file; opening a pipe would also block.
    if (!QFileInfo(path).isFile())
        accessError();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        accessError();
    EntrySplitter splitter([&list](QString entry) { list.appendItem(std::move(entry)); });
    QByteArray chunk;
    for (;;) {
        chunk.resize(kChunkSize);
        const qint64 read = file.read(chunk.data(), kChunkSize);
        if (read < 0)
            throw RuntimeError::of(error::DeviceIo);
        if (read == 0)
            break;
        splitter.feed(QByteArrayView(chunk.constData(), read));
    }
    splitter.finish();
}

} // namespace tavrolin
