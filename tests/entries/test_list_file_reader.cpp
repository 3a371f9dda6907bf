// Reading list files: which bytes end an entry, how a byte-order mark tells the encoding, and
// that every other byte is kept.

#include "common/text_encoding.h"
#include "create/list_creation.h"
#include "create/separator.h"
#include "entries/entry_splitter.h"
#include "entries/list_file_decoder.h"
#include "entries/text_file_to_list_view.h"
#include "entry_handlers.h"
#include "output/result_file_writer.h"
#include "support/list_items.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// The reader takes files in pieces of this size; terminators cut apart by it must still pair.
constexpr qsizetype kChunk = 4 * 1024 * 1024;

QStringList split(const QByteArray& bytes, qsizetype pieceSize) {
    QStringList entries;
    EntrySplitter splitter([&](QByteArrayView entry) { entries.append(decode8Bit(entry)); });
    ListFileDecoder decoder(splitter);
    for (qsizetype i = 0; i < bytes.size(); i += pieceSize)
        decoder.feed(QByteArrayView(bytes).sliced(i, std::min(pieceSize, bytes.size() - i)));
    decoder.finish();
    return entries;
}

} // namespace

class TestListFileReader : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void readFile_data();
    void readFile();
    void splitInPieces_data() { readFile_data(); }
    void splitInPieces();
    void bytesKept_data();
    void bytesKept();
    void hundredMegabyteLine();

private:
    // Loads the bytes as a list file into a fresh list; fails the test on any message.
    QStringList load(const QByteArray& bytes);

    QTemporaryDir m_dir;
};

QStringList TestListFileReader::load(const QByteArray& bytes) {
    const QString path = m_dir.filePath(u"list.txt"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {u"<cannot write the list file>"_s};
    file.close();
    RealWindow real;
    LoadTextFileToListView(real.toolkit.listView1(), path, real.toolkit.toolkit().dialogs);
    if (!dialogs().messages().isEmpty())
        return {u"<message: "_s + dialogs().messages().first() + u'>'};
    return testing::texts(real.toolkit.listView1());
}

void TestListFileReader::readFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    const QString e; // an empty entry
    QTest::newRow("CR LF, final CR LF") << "a\r\nb\r\n"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF only, final LF") << "a\nb\n"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty line before the final LF") << "a\n\n"_ba << QStringList{u"a"_s, e};
    QTest::newRow("CR only, final CR") << "a\rb\r"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("no final terminator") << "a\r\nb"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF, no final terminator") << "a\nb"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("mixed") << "a\r\nb\nc\rd\n\re"_ba
                           << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, e, u"e"_s};
    QTest::newRow("CR CR LF") << "a\r\r\nb"_ba << QStringList{u"a"_s, e, u"b"_s};
    QTest::newRow("LF CR LF") << "a\n\r\n"_ba << QStringList{u"a"_s, e};
    QTest::newRow("empty file") << ""_ba << QStringList();
    QTest::newRow("one CR LF") << "\r\n"_ba << QStringList{e};
    QTest::newRow("one LF") << "\n"_ba << QStringList{e};
    QTest::newRow("LF then CR") << "a\n\r"_ba << QStringList{u"a"_s, e};
    QTest::newRow("empty lines") << "a\r\n\r\n\r\nb\r\n"_ba << QStringList{u"a"_s, e, e, u"b"_s};
    QTest::newRow("spaces, tabs, duplicates")
        << " a \r\n\tb\t\r\n a \r\n"_ba << QStringList{u" a "_s, u"\tb\t"_s, u" a "_s};
    QTest::newRow("NUL byte") << QByteArray("a\0b\r\n\0", 6)
                              << QStringList{QStringView(u"a\0b", 3).toString(), QString(QChar())};
    QTest::newRow("Ctrl-Z is text, not the end")
        << "a\032b\r\nc"_ba << QStringList{u"a\032b"_s, u"c"_s};
    QTest::newRow("UTF-8 byte-order mark dropped at the start only")
        << "\xEF\xBB\xBFx\r\n\xEF\xBB\xBF"_ba << QStringList{u"x"_s, QString(QChar(0xFEFF))};
    QTest::newRow("UTF-8 byte-order mark alone") << "\xEF\xBB\xBF"_ba << QStringList();
    QTest::newRow("half a mark is bytes")
        << "\xEF\xBB"_ba << QStringList{QString(QChar(0xDCEF)) + QChar(0xDCBB)};
    QTest::newRow("UTF-16 LE") << "\xFF\xFE"
                                  "a\0\r\0\n\0\xE9\0\n\0\0\x26"_ba
                               << QStringList{u"a"_s, u"\u00E9"_s, u"\u2600"_s};
    QTest::newRow("UTF-16 BE, a pair, CR LF as units")
        << "\xFE\xFF\0a\0\r\0\n\xD8\x3D\xDE\x00\0\r"_ba << QStringList{u"a"_s, u"\U0001F600"_s};
    QTest::newRow("UTF-16 LE, lone surrogates and an odd byte")
        << "\xFF\xFE\x00\xDC\n\0\x3D\xD8x\0\n\0\x3D\xD8y"_ba
        << QStringList{u"\uFFFD"_s, u"\uFFFDx"_s, u"\uFFFD\uFFFD"_s};
    QTest::newRow("UTF-16, a second mark is text")
        << "\xFF\xFE\xFF\xFEz\0"_ba << QStringList{u"\uFEFFz"_s};
    QTest::newRow("UTF-16 mark alone") << "\xFE\xFF"_ba << QStringList();
    QTest::newRow("UTF-32 mark is bytes") << QByteArray("\xFF\xFE\0\0a\0\0\0", 8)
                                          << QStringList{QString(QChar(0xDCFF)) + QChar(0xDCFE) +
                                                         QStringView(u"\0\0a\0\0\0", 6).toString()};
    QTest::newRow("UTF-8") << "\xC3\xA9t\xC3\xA9\r\n\xF0\x9F\x98\x80"_ba
                           << QStringList{u"\u00E9t\u00E9"_s, u"\U0001F600"_s};
    QTest::newRow("invalid UTF-8 escaped")
        << "\xFF\r\nA\xC3\r\n\xED\xA0\x80"_ba
        << QStringList{QString(QChar(0xDCFF)), u"A"_s + QChar(0xDCC3),
                       QString(QChar(0xDCED)) + QChar(0xDCA0) + QChar(0xDC80)};

    const QByteArray full(kChunk - 1, 'x');
    QTest::newRow("CR LF across the chunk boundary")
        << full + "\r\ny" << QStringList{QString(kChunk - 1, u'x'), u"y"_s};
    QTest::newRow("final CR LF across the chunk boundary")
        << full + "\r\n"
        << QStringList{QString(kChunk - 1, u'x')};
    QTest::newRow("character across the chunk boundary")
        << full + "\xC3\xA9" << QStringList{QString(kChunk - 1, u'x') + u'\u00E9'};
    QTest::newRow("LF right after the boundary") << full + "\r\n\n"
                                                 << QStringList{QString(kChunk - 1, u'x'), e};
    const QByteArray units = "\xFF\xFE" + QByteArray("x\0", 2).repeated(kChunk / 2 - 2);
    QTest::newRow("UTF-16 pair across the chunk boundary")
        << units + "\x3D\xD8\x00\xDE"_ba
        << QStringList{QString(kChunk / 2 - 2, u'x') + u"\U0001F600"_s};
}

void TestListFileReader::readFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QCOMPARE(load(bytes), expected);
}

void TestListFileReader::splitInPieces() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    if (bytes.size() > 64)
        bytes = bytes.right(64); // pieces of a byte: keep the run short
    const QStringList whole = split(bytes, std::max<qsizetype>(bytes.size(), 1));
    if (bytes.size() < 64)
        QCOMPARE(whole, expected);
    for (qsizetype size : {1, 2, 3, 5})
        QCOMPARE(split(bytes, size), whole);
}

// Entries joined again with the terminators they were read with give back the file's bytes.
void TestListFileReader::bytesKept_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("terminator");

    QTest::newRow("invalid bytes") << "\x80\xFF\xFE\r\nab\xC0\xAF\r\n"_ba << u"\r\n"_s;
    QTest::newRow("truncated sequences") << "\xE2\x82\n\xF0\x9F\x98\nz\xC3"_ba << u"\n"_s;
    QTest::newRow("surrogate and overlong") << "\xED\xB2\x80\r\xE0\x80\xAF\r"_ba << u"\r"_s;
    QTest::newRow("valid next to invalid") << "\xC3\xA9\xFF\xC3\xA9\xDC\r\n"_ba << u"\r\n"_s;
    QTest::newRow("byte-order marks after the start")
        << "a\r\n\xEF\xBB\xBF\xFF\xFE\r\nb\xFF\xEF\xBB\xBF\r\n"_ba << u"\r\n"_s;
    QTest::newRow("all byte values") << [] {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                all.append(char(b));
        }
        return all + "\r\n";
    }() << u"\r\n"_s;
}

void TestListFileReader::bytesKept() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, terminator);
    const QStringList entries = load(bytes);
    QString joined;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        joined += entries.at(i);
        // The last entry has a terminator only if the file ends with one.
        if (i + 1 < entries.size() || bytes.endsWith(encode8Bit(terminator)))
            joined += terminator;
    }
    QCOMPARE(encode8Bit(joined), bytes);

    // Through the whole path, the entries joined by a creation and saved are the same bytes.
    const QString path = m_dir.filePath(u"list.txt"_s);
    RealWindow real;
    Toolkit& ui = real.toolkit.toolkit();
    LoadTextFileToListView(ui.listView1, path, ui.dialogs);
    Separator separator;
    separator.set(terminator);
    dialogs().closeMessageStarting(u"Done."_s);
    createList(CreationParts::of(ui), separator);
    real.toolkit.listView2().setItemChecked(1, true);
    const QString saved = m_dir.filePath(u"result.csv"_s);
    QCOMPARE(SaveListviewProperlySpaced(ui.listView2, saved, nullptr, ui.events, ui.dialogs),
             OutputResult::Done);
    QByteArray row = bytes;
    if (row.endsWith(encode8Bit(terminator)))
        row.chop(encode8Bit(terminator).size());
    const qsizetype width = decode8Bit(row).size();
    const QByteArray caption = ui.listView2.columnCaption(1).toLatin1();
    QFile result(saved);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(result.readAll(),
             caption + QByteArray(std::max(width - caption.size(), qsizetype(0)), ' ') + "\t\r\n" +
                 row + QByteArray(std::max(caption.size() - width, qsizetype(0)), ' ') + "\t\r\n");
}

void TestListFileReader::hundredMegabyteLine() {
    constexpr qsizetype kSize = 100 * 1000 * 1000;
    const QString path = m_dir.filePath(u"long.txt"_s);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray block(1000 * 1000, 'a');
        block[0] = 'b';
        for (qsizetype written = 0; written < kSize; written += block.size())
            QCOMPARE(file.write(block), block.size());
        QCOMPARE(file.write("\r\n"), 2);
    }
    RealWindow real;
    LoadTextFileToListView(real.toolkit.listView1(), path, real.toolkit.toolkit().dialogs);
    QCOMPARE(real.toolkit.listView1().itemCount(), 1);
    const QString line = itemText(real.toolkit.listView1(), 1);
    QCOMPARE(line.size(), kSize);
    QCOMPARE(line.count(u'b'), 100);
    QCOMPARE(line.at(1000 * 1000), u'b');
    QCOMPARE(line.back(), u'a');
    QVERIFY(QFile::remove(path));
}

QTEST_MAIN(TestListFileReader)
#include "test_list_file_reader.moc"
