// The clipboard copy: the text copied, the messages shown and a clipboard that stays busy.

#include "output_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

class TestClipboardCopy : public WindowTest {
    Q_OBJECT

public:
    TestClipboardCopy() : WindowTest(ModalScript::Unscripted::AsUserWould) {}

private Q_SLOTS:
    void copy_data();
    void copy();
    void busyClipboard_data();
    void busyClipboard();
};

void TestClipboardCopy::copy_data() {
    QTest::addColumn<int>("extraColumns");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("expected");

    // Copying nothing leaves what the user has on the clipboard.
    const QString untouched = u"<untouched>"_s;
    QTest::newRow("empty list") << 0 << QStringList() << untouched;
    QTest::newRow("all unchecked") << 0 << QStringList{u"-abc"_s, u"-d"_s} << untouched;
    QTest::newRow("one row") << 0 << QStringList{u"+a, b, c"_s} << u"a, b, c\r\n"_s;
    QTest::newRow("shorter row not padded")
        << 0 << QStringList{u"+abc"_s, u"-abcdef"_s} << u"abc\r\n"_s;
    QTest::newRow("two columns") << 1 << QStringList{u"+a|x"_s, u"-longer|"_s, u"+abc|yy"_s}
                                 << u"a     \tx\r\nabc   \tyy\r\n"_s;
    QTest::newRow("captions do not count") << 1 << QStringList{u"+a|x"_s} << u"a\tx\r\n"_s;
    QTest::newRow("empty last cell")
        << 1 << QStringList{u"+a|"_s, u"+abc|z"_s} << u"a  \t\r\nabc\tz\r\n"_s;
    QTest::newRow("trailing spaces lost")
        << 0 << QStringList{u"+ab  "_s, u"+ c "_s, u"+   "_s} << u"ab\r\n c\r\n\r\n"_s;
    QTest::newRow("non-ASCII") << 1 << QStringList{u"+\u00E9\U0001F600|x"_s, u"+abcd|y"_s}
                               << u"\u00E9\U0001F600 \tx\r\nabcd\ty\r\n"_s;
    // Cells of 64 KiB and more are shared with the list rather than copied into the text; they
    // lose their trailing spaces, are padded and are shown as the short ones are.
    const QString big(70'000, u'b');
    QTest::newRow("long cells, trailing spaces lost")
        << 1 << QStringList{u'+' + big + u"  |"_s, u"+a|"_s + big + u"   "_s}
        << big + u"  \t\r\na"_s + QString(big.size() + 1, u' ') + u'\t' + big + u"\r\n"_s;
    QTest::newRow("long cell of spaces and kept bytes")
        << 0 << QStringList{u"+x"_s + QChar(0xDC80) + QString(70'000, u' ')} << u"x\u20AC\r\n"_s;
}

void TestClipboardCopy::copy() {
    QFETCH(int, extraColumns);
    QFETCH(QStringList, rows);
    QFETCH(QString, expected);

    RealWindow w;
    qt::MainWindow& window = w.toolkit.window();
    for (int c = 0; c < extraColumns; ++c)
        w.toolkit.listView2().addColumn(u"A long caption"_s);
    fill(w.toolkit.listView2(), rows);
    QGuiApplication::clipboard()->setText(u"<untouched>"_s);
    window.setPointer(99);
    w.toolkit.toolkit().progressBar1.setValue(7);
    w.toolkit.toolkit().progressBar1.setText(u"as it was"_s);
    QMessageBox::Icon icon = QMessageBox::Critical;
    dialogs().closeMessage([&](QMessageBox* box) { icon = box->icon(); });
    window.pushButton7->click();

    QCOMPARE(w.clipboard.text(), std::optional<QString>(expected));
    // The copy shows neither a busy pointer nor progress.
    QCOMPARE(window.pointer(), 99);
    QCOMPARE(barShown(window), u"7 as it was"_s);
    const bool copied = expected != u"<untouched>"_s;
    QCOMPARE(dialogs().messages(), QStringList{asShown(copied           ? kPasteMessage
                                                       : rows.isEmpty() ? kNothingCopiedEmpty
                                                                        : kNothingCopiedUnticked)});
    QCOMPARE(icon, copied ? QMessageBox::NoIcon : QMessageBox::Warning);
    QCOMPARE(dialogs().messageTitles(), QStringList{u"Tavrolin"_s});
}

// The copy clears the clipboard, then sets the text, each with up to 1000 attempts.
void TestClipboardCopy::busyClipboard_data() {
    QTest::addColumn<int>("busy");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<bool>("reported");

    const QString copied = u"r\r\n"_s;
    QTest::newRow("free") << 0 << copied << 2 << false;
    QTest::newRow("clear succeeds at the last attempt") << 999 << copied << 1001 << false;
    QTest::newRow("clear fails, set succeeds") << 1000 << copied << 1001 << false;
    QTest::newRow("set succeeds at the last attempt") << 1999 << copied << 2000 << false;
    QTest::newRow("both fail") << 2000 << u"<untouched>"_s << 2000 << true;
}

void TestClipboardCopy::busyClipboard() {
    QFETCH(int, busy);
    QFETCH(QString, expected);
    QFETCH(int, attempts);
    QFETCH(bool, reported);

    RealWindow w;
    fill(w.toolkit.listView2(), {u"+r"_s});
    QGuiApplication::clipboard()->setText(u"<untouched>"_s);
    w.clipboard.holdForAttempts(busy);
    w.toolkit.window().pushButton7->click();
    QCOMPARE(w.clipboard.text(), std::optional<QString>(expected));
    QCOMPARE(w.clipboard.attempts(), attempts);
    // A text that never reached the clipboard is reported, and not said to have been copied.
    const QString shown = reported ? errorReportText(u"Can't open Clipboard"_s,
                                                     u"Main.CopyListViewToClipboardTab"_s, 168)
                                   : kPasteMessage;
    QCOMPARE(dialogs().messages(), QStringList{asShown(shown)});
}

QTEST_MAIN(TestClipboardCopy)
#include "test_clipboard_copy.moc"
