#include "common/error_report.h"
#include "common/path_routines.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "headless/headless_toolkit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string_view>

using namespace tavrolin;
using namespace tavrolin::headless;
using namespace std::literals;

namespace {

QString u16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

// A routine without a trap of its own: the error ends it and goes to the caller.
void untrappedRoutine(QStringList& log) {
    log << QStringLiteral("before");
    throw RuntimeError::of(error::FileNotFound);
}

} // namespace

class TestCommon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileExists();
    void fileNameFromPath_data();
    void fileNameFromPath();
    void fixDoubleBackslashes_data();
    void fixDoubleBackslashes();

    void trap();
    void errorDescriptions_data();
    void errorDescriptions();

    void decode8Bit_data();
    void decode8Bit();
    void everyByteSurvivesRoundTrip();
    void shownText_data();
    void shownText();

    void listViewIndexErrors();
    void listViewSubItemsAndCheckMarks();
    void rowGeneration_data();
    void rowGeneration();
};

void TestCommon::fileExists() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("names.txt"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(FileExists(file));
    QVERIFY(FileExists(dir.path()));
    QVERIFY(!FileExists(dir.filePath(QStringLiteral("missing.txt"))));
    QVERIFY(!FileExists(QString()));
    QVERIFY(!FileExists(file + QChar(u'\0') + QStringLiteral("x")));
}

void TestCommon::fileNameFromPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("name");
    const QChar bs = u'\\';
    const QChar slash = u'/';
    QTest::newRow("full path") << QStringLiteral("C:\\Lists\\names.txt") << bs
                               << QStringLiteral("names.txt");
    QTest::newRow("bare name") << QStringLiteral("names.txt") << bs << QStringLiteral("names.txt");
    QTest::newRow("trailing separator") << QStringLiteral("C:\\Lists\\") << bs << QString();
    QTest::newRow("empty") << QString() << bs << QString();
    QTest::newRow("slash is ordinary")
        << QStringLiteral("C:/Lists/names.txt") << bs << QStringLiteral("C:/Lists/names.txt");
    QTest::newRow("slash separator")
        << QStringLiteral("/lists/names.txt") << slash << QStringLiteral("names.txt");
    QTest::newRow("backslash ordinary with slash")
        << QStringLiteral("/a/b\\c.txt") << slash << QStringLiteral("b\\c.txt");
}

void TestCommon::fileNameFromPath() {
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    QFETCH(QString, name);
    QCOMPARE(FileNameFromPath(path, separator), name);
}

void TestCommon::fixDoubleBackslashes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("fixed");
    const QChar bs = u'\\';
    QTest::newRow("doubled after drive")
        << QStringLiteral("C:\\\\names.txt") << bs << QStringLiteral("C:\\names.txt");
    QTest::newRow("unchanged") << QStringLiteral("C:\\Lists\\names.txt") << bs
                               << QStringLiteral("C:\\Lists\\names.txt");
    QTest::newRow("network path") << QStringLiteral("\\\\server\\share\\\\names.txt") << bs
                                  << QStringLiteral("\\\\server\\share\\names.txt");
    QTest::newRow("three leading")
        << QStringLiteral("\\\\\\server\\share") << bs << QStringLiteral("\\\\server\\share");
    QTest::newRow("one leading") << QStringLiteral("\\Lists\\a.txt") << bs
                                 << QStringLiteral("\\\\Lists\\a.txt");
    QTest::newRow("four inner, one pass")
        << QStringLiteral("C:\\\\\\\\a.txt") << bs << QStringLiteral("C:\\\\a.txt");
    QTest::newRow("five inner") << QStringLiteral("a\\\\\\\\\\b") << bs
                                << QStringLiteral("a\\\\\\b");
    QTest::newRow("empty") << QString() << bs << QString();
    QTest::newRow("single backslash") << QStringLiteral("\\") << bs << QStringLiteral("\\\\");
    QTest::newRow("only backslashes")
        << QStringLiteral("\\\\\\\\\\") << bs << QStringLiteral("\\\\");
    QTest::newRow("slash separator") << QStringLiteral("/tmp//lists///a.txt") << QChar(u'/')
                                     << QStringLiteral("//tmp/lists//a.txt");
    QTest::newRow("backslash ordinary with slash")
        << QStringLiteral("dir\\\\a.txt") << QChar(u'/') << QStringLiteral("dir\\\\a.txt");
}

void TestCommon::fixDoubleBackslashes() {
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    QFETCH(QString, fixed);
    QCOMPARE(FixDoubleBackslashes(path, separator), fixed);
}

void TestCommon::trap() {
    HeadlessToolkit t;
    QStringList log;
    Trap trap(t.dialogs, QStringLiteral("Form1.Form_Load"));
    trap(100, [&] { untrappedRoutine(log); }); // reported with the caller's line
    trap(102, [&] { log << QStringLiteral("102"); });
    // A failing condition counts as true: its then-branch runs.
    if (trap.test(104, []() -> bool { throw RuntimeError::of(error::Overflow); }))
        trap(106, [&] { log << QStringLiteral("106"); });
    if (trap.test(108, [] { return false; }))
        log << QStringLiteral("108");
    QCOMPARE(log,
             QStringList({QStringLiteral("before"), QStringLiteral("102"), QStringLiteral("106")}));
    const QList<ShownMessage>& reports = t.dialogs.messages();
    QCOMPARE(reports.size(), 2);
    const QString support = QStringLiteral("\r\rPlease e-mail a screenshot of this message to ") +
                            kSupportAddress + u'.';
    QCOMPARE(reports[0].text,
             QStringLiteral("File not found\r\nin Tavrolin2021/08/31.Form1.Form_Load at line 100") +
                 support);
    QCOMPARE(reports[1].text,
             QStringLiteral("Overflow\r\nin Tavrolin2021/08/31.Form1.Form_Load at line 104") +
                 support);
    for (const ShownMessage& report : reports) {
        QCOMPARE(report.title, QStringLiteral("Application Error"));
        QCOMPARE(report.style, MessageStyle::OkExclamation);
    }
}

void TestCommon::errorDescriptions_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("detail"); // a null text: raised without one
    QTest::addColumn<QString>("description");

    QTest::newRow("plain") << error::InvalidPicture << QString()
                           << QStringLiteral("Invalid picture");
    QTest::newRow("detail after a colon")
        << error::DeviceIo << QStringLiteral("No space left on device")
        << QStringLiteral("Device I/O error: No space left on device");
    // A detail that says nothing still shows that one was given.
    QTest::newRow("empty detail") << error::PathFileAccess << QStringLiteral("")
                                  << QStringLiteral("Path/File access error: ");
    QTest::newRow("unknown number") << 12345 << QString() << QString();
}

void TestCommon::errorDescriptions() {
    QFETCH(int, number);
    QFETCH(QString, detail);
    QFETCH(QString, description);
    const RuntimeError raised =
        detail.isNull() ? RuntimeError::of(number) : RuntimeError::of(number, detail);
    QCOMPARE(raised.number(), number);
    QCOMPARE(raised.description(), description);
    QCOMPARE(QString::fromUtf8(raised.what()), description);
}

void TestCommon::decode8Bit_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("abc") << QStringLiteral("abc");
    QTest::newRow("nul") << QByteArray("a\0b", 3) << u16(u"a\0b"sv);
    QTest::newRow("two-byte") << QByteArray("\xC3\xA9") << u16(u"\x00E9"sv);
    QTest::newRow("four-byte") << QByteArray("\xF0\x9F\x98\x80") << u16(u"\xD83D\xDE00"sv);
    QTest::newRow("invalid byte") << QByteArray("a\xFF"
                                                "b")
                                  << u16(u"a\xDCFF"
                                         u"b"sv);
    QTest::newRow("lone continuation") << QByteArray("\x80") << u16(u"\xDC80"sv);
    QTest::newRow("encoded surrogate")
        << QByteArray("\xED\xA0\x80") << u16(u"\xDCED\xDCA0\xDC80"sv);
    QTest::newRow("overlong two-byte") << QByteArray("\xC0\xAF") << u16(u"\xDCC0\xDCAF"sv);
    QTest::newRow("overlong three-byte")
        << QByteArray("\xE0\x80\xAF") << u16(u"\xDCE0\xDC80\xDCAF"sv);
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80") << u16(u"\xDCF4\xDC90\xDC80\xDC80"sv);
    QTest::newRow("truncated at end") << QByteArray("a\xE2\x82") << u16(u"a\xDCE2\xDC82"sv);
    QTest::newRow("truncated four-byte at end")
        << QByteArray("\xF0\x9F\x98") << u16(u"\xDCF0\xDC9F\xDC98"sv);
    QTest::newRow("truncated in the middle") << QByteArray("\xE2\x82"
                                                           "A\xC3\xA9")
                                             << u16(u"\xDCE2\xDC82"
                                                    u"A\x00E9"sv);
    // The low half of U+10080 is U+DC80 itself: encoding must not take it for a byte.
    QTest::newRow("escape after a pair")
        << QByteArray("\xF0\x90\x82\x80\xFF") << u16(u"\xD800\xDC80\xDCFF"sv);
}

void TestCommon::decode8Bit() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(tavrolin::decode8Bit(bytes), text);
    QCOMPARE(encode8Bit(text), bytes);
}

void TestCommon::everyByteSurvivesRoundTrip() {
    QByteArray bytes;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b)
            bytes.append(char(round == 1 ? 255 - b : (b * 37 + round) % 256));
    }
    QCOMPARE(encode8Bit(tavrolin::decode8Bit(bytes)), bytes);
}

void TestCommon::shownText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("valid text unchanged")
        << QByteArray("a\xC3\xA9\xF0\x9F\x98\x80") << u16(u"a\x00E9\xD83D\xDE00"sv);
    QTest::newRow("Latin-1 range")
        << QByteArray("caf\xE9 \xA0\xFF") << u16(u"caf\x00E9 \x00A0\x00FF"sv);
    QTest::newRow("euro and quotes")
        << QByteArray("\x80\x93x\x94\x9F") << u16(u"\x20AC\x201Cx\x201D\x0178"sv);
    QTest::newRow("undefined in Windows-1252")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << u16(u"\x0081\x008D\x008F\x0090\x009D"sv);
    QTest::newRow("truncated sequence") << QByteArray("a\xE2\x82") << u16(u"a\x00E2\x201A"sv);
    // The low half of U+10080 is U+DC80: it belongs to its pair and is no byte.
    QTest::newRow("escape after a pair")
        << QByteArray("\xF0\x90\x82\x80\xFF") << u16(u"\xD800\xDC80\x00FF"sv);
}

void TestCommon::shownText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString text = tavrolin::decode8Bit(bytes);
    QCOMPARE(tavrolin::shownText(text), shown);
    QCOMPARE(encode8Bit(text), bytes);
}

void TestCommon::listViewIndexErrors() {
    HeadlessListView list;
    list.addColumn(QStringLiteral("List Entries"));
    list.appendItem(QStringLiteral("a"));
    const QList<std::pair<const char*, std::function<void()>>> cases = {
        {"itemText(0)", [&] { list.itemText(0); }},
        {"itemText(2)", [&] { list.itemText(2); }},
        {"itemChecked(2)", [&] { list.itemChecked(2); }},
        {"itemSubItem(2, 1)", [&] { list.itemSubItem(2, 1); }},
        {"itemSubItem(1, 0)", [&] { list.itemSubItem(1, 0); }},
        {"removeItem(0)", [&] { list.removeItem(0); }},
        {"removeItem(2)", [&] { list.removeItem(2); }},
        {"columnCaption(2)", [&] { list.columnCaption(2); }},
        {"setColumnWidth(0)", [&] { list.setColumnWidth(0, 100); }},
        {"setItemChecked(3)", [&] { list.setItemChecked(3, true); }},
    };
    for (const auto& [name, call] : cases) {
        int number = 0;
        try {
            call();
        } catch (const RuntimeError& e) {
            number = e.number();
        }
        QVERIFY2(number == error::IndexOutOfBounds, name);
    }
    QCOMPARE(list.itemCount(), 1);
}

void TestCommon::listViewSubItemsAndCheckMarks() {
    HeadlessListView list;
    for (const char* text : {"a", "b", "c"})
        list.appendItem(QString::fromLatin1(text));
    QVERIFY(!list.itemChecked(1));
    QCOMPARE(list.itemSubItem(1, 3), QString());
    list.setItemSubItem(2, 2, QStringLiteral("b2"));
    list.setItemChecked(3, true);
    list.appendItem(QStringLiteral("d"));
    QCOMPARE(list.itemSubItem(4, 1), QString());
    QVERIFY(!list.itemChecked(4));
    QCOMPARE(list.itemSubItem(2, 1), QString());
    QCOMPARE(list.itemSubItem(2, 2), QStringLiteral("b2"));

    list.removeItem(1); // later items move up with their sub-items and marks
    QCOMPARE(list.texts(),
             QStringList({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    QCOMPARE(list.itemSubItem(1, 2), QStringLiteral("b2"));
    QVERIFY(list.itemChecked(2));
    QVERIFY(!list.itemChecked(1));

    list.removeAll();
    QCOMPARE(list.itemCount(), 0);
    list.appendItem(QStringLiteral("e"));
    QVERIFY(!list.itemChecked(1));
    QCOMPARE(list.itemSubItem(1, 2), QString());
}

// Saving and copying read rows by number between event turns; the generation tells them
// whether row k is still the row they measured.
void TestCommon::rowGeneration_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("rises");
    const char* const names[] = {"append",
                                 "check mark",
                                 "sub-item",
                                 "remove item",
                                 "remove all",
                                 "insert before the end",
                                 "take",
                                 "put back at the end",
                                 "take the tail",
                                 "take nothing at the end",
                                 "remove all, empty"};
    const bool rises[] = {false, false, false, true, true, true, true, false, true, false, false};
    for (int change = 0; change < 11; ++change)
        QTest::newRow(names[change]) << change << rises[change];
}

void TestCommon::rowGeneration() {
    QFETCH(int, change);
    QFETCH(bool, rises);
    HeadlessListView list;
    if (change != 10) {
        for (const char* text : {"a", "b", "c"})
            list.appendItem(QString::fromLatin1(text));
    }
    const quint64 before = list.rowGeneration();
    switch (change) {
    case 0:
        list.appendItem(QStringLiteral("d"));
        break;
    case 1:
        list.setItemChecked(2, true);
        break;
    case 2:
        list.setItemSubItem(2, 1, QStringLiteral("x"));
        break;
    case 3:
        list.removeItem(3);
        break;
    case 4:
    case 10:
        list.removeAll();
        break;
    case 5:
        list.model().insertContents(1, list.model().takeRows(2, 1));
        break;
    case 6:
        list.model().takeRows(1, 1);
        break;
    case 7: {
        // Measured from after the take: putting items back at the end moves none.
        ListContents tail = list.model().takeRows(2, 1);
        const quint64 taken = list.rowGeneration();
        list.model().insertContents(2, std::move(tail));
        QCOMPARE(list.rowGeneration() != taken, rises);
        return;
    }
    case 8:
        list.model().takeRows(1, 2);
        break;
    default:
        list.model().takeRows(3, 0);
    }
    QCOMPARE(list.rowGeneration() != before, rises);
}

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
