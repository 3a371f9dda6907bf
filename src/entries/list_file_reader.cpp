#include "list_file_reader.h"

#include "common/runtime_error.h"
#include "list_file_decoder.h"

#include <QIODevice>

namespace tavrolin {

namespace {

constexpr qint64 kChunkSize = 4 * 1024 * 1024;

} // namespace

void readEntries(QIODevice& device, const EntrySplitter::Sink& sink) {
    EntrySplitter splitter(sink);
    ListFileDecoder decoder(splitter);
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 read = device.read(chunk.data(), kChunkSize);
        if (read < 0)
            throw RuntimeError::of(error::DeviceIo);
        if (read == 0)
            break;
        decoder.feed(QByteArrayView(chunk.constData(), read));
    }
    decoder.finish();
}

} // namespace tavrolin
