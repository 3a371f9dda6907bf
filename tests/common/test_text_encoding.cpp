// Text read as bytes: every byte kept through decoding and encoding, and the text shown for it.

#include "common/escaped_text.h"
#include "common/shown_path.h"
#include "common/text_encoding.h"

#include <QTest>
#include <algorithm>
#include <string_view>

using namespace tavrolin;
using namespace std::literals;

namespace {

QString u16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

} // namespace

class TestTextEncoding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decode8Bit_data();
    void decode8Bit();
    void everyByteSurvivesRoundTrip();
    void shownText_data();
    void shownText();
    void escapesReplaced_data();
    void escapesReplaced();
    void shownPath_data();
    void shownPath();
};

void TestTextEncoding::decode8Bit_data() {
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
    QTest::newRow("white space beyond ASCII at the ends") << QByteArray("\xE3\x80\x80\xC2\xA0"
                                                                        "a \xE2\x80\xA8")
                                                          << u16(u"\x3000\x00A0"
                                                                 u"a \x2028"sv);
    QTest::newRow("byte-order mark kept") << QByteArray("\xEF\xBB\xBF"
                                                        "a")
                                          << u16(u"\xFEFF"
                                                 u"a"sv);
    // Long enough for the ASCII runs to be read a word at a time on either side.
    QTest::newRow("long ASCII runs around kept bytes")
        << QByteArray("abcdefghij\xC3\xA9klmnopqrstuv\xFFwxyz0123456789")
        << u16(u"abcdefghij\x00E9klmnopqrstuv\xDCFFwxyz0123456789"sv);
}

void TestTextEncoding::decode8Bit() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(tavrolin::decode8Bit(bytes), text);
    // Into a room that holds a longer text from before, and into an empty one.
    for (QString room : {QString(40, u'x'), QString()})
        QCOMPARE(tavrolin::decode8Bit(bytes, room).toString(), text);
    QCOMPARE(encode8Bit(text), bytes);
    // Measured, trimmed and cut without decoding, in agreement with the decoded text.
    QCOMPARE(decodedLength(bytes), text.size());
    QCOMPARE(trimmed8Bit(bytes).toByteArray(), encode8Bit(text.trimmed()));
    for (qsizetype units = 0; units <= text.size(); ++units) {
        const QString start = tavrolin::decode8Bit(decodablePrefix(bytes, units));
        QCOMPARE(start.first(std::min(units + 1, text.size())),
                 text.first(std::min(units + 1, text.size())));
    }
}

void TestTextEncoding::everyByteSurvivesRoundTrip() {
    QByteArray bytes;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b)
            bytes.append(char(round == 1 ? 255 - b : (b * 37 + round) % 256));
    }
    QCOMPARE(encode8Bit(tavrolin::decode8Bit(bytes)), bytes);
}

void TestTextEncoding::shownText_data() {
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
    QTest::newRow("kept bytes after a long ASCII run")
        << QByteArray("0123456789abcdef\x80\xE9") << u16(u"0123456789abcdef\x20AC\x00E9"sv);
}

void TestTextEncoding::shownText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString text = tavrolin::decode8Bit(bytes);
    QCOMPARE(tavrolin::shownText(text), shown);
    QCOMPARE(encode8Bit(text), bytes);
    const QByteArray shownUtf8 = tavrolin::shownBytes(bytes);
    QCOMPARE(shownUtf8, shown.toUtf8());
    if (bytes.isValidUtf8())
        QCOMPARE(shownUtf8.constData(), bytes.constData());
}

void TestTextEncoding::escapesReplaced_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    // How withEscapesShown types the text: it must read back as the text.
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, const char* typed, const char* text, const char* shown) {
        QTest::newRow(name) << typed << text << shown;
    };
    row("tab, line break, backslash", R"(a\tb\nc\\d)", "a\tb\nc\\d", R"(a\tb\nc\d)");
    row("other backslashes kept", R"(C:\x\)", R"(C:\x\)", R"(C:\x\)");
    row("escaped backslash before t", R"(\\t)", "\\t", R"(\\t)");
    row("backslash before a tab", R"(\\\t)", "\\\t", R"(\\\t)");
    row("plain", ", ", ", ", ", ");
}

void TestTextEncoding::escapesReplaced() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(withEscapesReplaced(typed), text);
    QCOMPARE(withEscapesShown(text), shown);
    QCOMPARE(withEscapesReplaced(shown), text);
}

void TestTextEncoding::shownPath_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, const QByteArray& path, const char* shown) {
        QTest::newRow(name) << path << QString::fromUtf8(shown);
    };
    row("plain", "/d/caf\xC3\xA9 x.txt", "/d/caf\xC3\xA9 x.txt");
    row("empty", "", "''");
    row("tab, line break, return", "a\tb\nc\r", R"(a\tb\nc\r)");
    row("other controls by number", "\x01\x1B[\x7F\xC2\x9F", R"(\x01\x1B[\x7F\x9F)");
    row("kept bytes as the lists show them", "\xE9 \x80\x81", "\xC3\xA9 \xE2\x82\xAC\\x81");
    row("backslash alone kept", R"(a\b\)", R"(a\b\)");
    row("backslash that would start an escape", "\\t\\x\\\\\\\n", R"(\\t\\x\\\\\\\n)");
}

void TestTextEncoding::shownPath() {
    QFETCH(QByteArray, path);
    QFETCH(QString, shown);
    QCOMPARE(tavrolin::shownPath(tavrolin::decode8Bit(path)), shown);
}

QTEST_GUILESS_MAIN(TestTextEncoding)
#include "test_text_encoding.moc"
