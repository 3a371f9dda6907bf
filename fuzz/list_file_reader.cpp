// Arbitrary bytes as a list file. The entries, encoded again, must be exactly the bytes between
// the terminators, however the bytes arrive in pieces.

#include "entries/list_file_reader.h"

#include "common/text_encoding.h"
#include "fuzz_check.h"

#include <QList>
#include <QStringList>
#include <cstdint>

using namespace tavrolin;

namespace {

// The rule as the list-file format states it, independent of the reader's streaming: lines end
// at CR or CR LF, the end of the file ends the last line, and each line is then cut at every LF;
// a final LF ends the last entry as a final CR or CR LF does, adding no empty one.
QList<QByteArray> expectedEntries(QByteArrayView bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        lines.append(bytes.sliced(start, i - start).toByteArray());
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    const bool unterminated = start < bytes.size();
    if (unterminated)
        lines.append(bytes.sliced(start).toByteArray());
    QList<QByteArray> entries;
    for (const QByteArray& line : lines)
        entries.append(line.split('\n'));
    if (unterminated && lines.last().endsWith('\n'))
        entries.removeLast();
    return entries;
}

// Feeds the bytes in pieces whose sizes cycle through the given ones.
QStringList split(QByteArrayView bytes, QByteArrayView pieceSizes) {
    QStringList entries;
    EntrySplitter splitter([&](QByteArrayView entry) { entries.append(decode8Bit(entry)); });
    qsizetype at = 0;
    for (qsizetype k = 0; at < bytes.size(); ++k) {
        qsizetype size = bytes.size();
        if (!pieceSizes.isEmpty()) {
            size = uint8_t(pieceSizes[k % pieceSizes.size()]) % 17;
            if (size == 0) {
                splitter.feed({}); // an empty piece changes nothing
                size = 1;
            }
        }
        const qsizetype take = std::min(size, bytes.size() - at);
        splitter.feed(bytes.sliced(at, take));
        at += take;
    }
    splitter.finish();
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte says how many of the next bytes give piece sizes; the rest is the file.
    const QByteArrayView input(data, qsizetype(size));
    const qsizetype sizesCount =
        input.isEmpty() ? 0 : std::min<qsizetype>(uint8_t(input[0]) % 8, input.size() - 1);
    const QByteArrayView pieceSizes = input.isEmpty() ? input : input.sliced(1, sizesCount);
    const QByteArrayView bytes = input.isEmpty() ? input : input.sliced(1 + sizesCount);

    const QList<QByteArray> expected = expectedEntries(bytes);
    const QStringList whole = split(bytes, {});
    FUZZ_CHECK(whole.size() == expected.size());
    for (qsizetype i = 0; i < whole.size(); ++i) {
        FUZZ_CHECK(encode8Bit(whole.at(i)) == expected.at(i));
        FUZZ_CHECK(decode8Bit(expected.at(i)) == whole.at(i));
    }
    if (!pieceSizes.isEmpty())
        FUZZ_CHECK(split(bytes, pieceSizes) == whole);
    return 0;
}
