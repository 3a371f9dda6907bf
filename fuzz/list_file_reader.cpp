// Arbitrary bytes as a list file. The entries, encoded again, must be exactly the bytes between
// the terminators of the file's text, however the bytes arrive in pieces.

#include "common/text_encoding.h"
#include "entries/entry_splitter.h"
#include "entries/list_file_decoder.h"
#include "fuzz_check.h"

#include <QList>
#include <QStringDecoder>
#include <QStringList>
#include <cstdint>

using namespace tavrolin;

namespace {

// The file's text as the list keeps it, by the rule of byte-order marks stated whole: a UTF-8
// mark at the start goes; after a UTF-16 mark (but not FF FE 00 00, the UTF-32 one) the rest is
// UTF-16, and what decodes to no character is U+FFFD; any other file is its bytes.
QByteArray listText(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return bytes.sliced(3).toByteArray();
    const bool big = bytes.startsWith("\xFE\xFF");
    if (!big &&
        (!bytes.startsWith("\xFF\xFE") || bytes.startsWith(QByteArrayView("\xFF\xFE\0\0", 4))))
        return bytes.toByteArray();
    // Only the first mark goes: a second one is text. The decoder keeps lone surrogates and
    // holds back an odd last byte; toUcs4 makes each lone surrogate U+FFFD.
    QStringDecoder decoder(big ? QStringDecoder::Utf16BE : QStringDecoder::Utf16LE,
                           QStringDecoder::Flag::ConvertInitialBom);
    QString text;
    for (const uint character : QString(decoder.decode(bytes.sliced(2))).toUcs4())
        text.append(QChar::fromUcs4(character));
    if (bytes.size() % 2 != 0)
        text.append(QChar::ReplacementCharacter);
    return text.toUtf8();
}

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
    ListFileDecoder decoder(splitter);
    qsizetype at = 0;
    for (qsizetype k = 0; at < bytes.size(); ++k) {
        qsizetype size = bytes.size();
        if (!pieceSizes.isEmpty()) {
            size = uint8_t(pieceSizes[k % pieceSizes.size()]) % 17;
            if (size == 0) {
                decoder.feed({}); // an empty piece changes nothing
                size = 1;
            }
        }
        const qsizetype take = std::min(size, bytes.size() - at);
        decoder.feed(bytes.sliced(at, take));
        at += take;
    }
    decoder.finish();
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

    const QList<QByteArray> expected = expectedEntries(listText(bytes));
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
