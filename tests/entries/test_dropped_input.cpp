// Files and text dropped on the entry list and text pasted into it, through the window's
// handlers.

#include "common/text_encoding.h"
#include "entries/entry_splitter.h"
#include "entry_handlers.h"
#include "test_files.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

// An entry is already in the list: what is dropped or pasted comes after it.
struct Fixture : RealWindow {
    Fixture() { fill(*this, {u"kept"_s}); }
    QStringList entries() { return texts(toolkit.listView1()); }
};

// What a list file with the same text as bytes would give.
QStringList asListFile(const QString& text) {
    QStringList entries;
    EntrySplitter splitter([&](QByteArrayView entry) { entries.append(decode8Bit(entry)); });
    splitter.feed(encode8Bit(text));
    splitter.finish();
    return entries;
}

} // namespace

class TestDroppedInput : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void dropFiles_data();
    void dropFiles();
    void dropAndPasteText_data();
    void dropAndPasteText();
    void pasteWithoutText();

private:
    QTemporaryDir m_dir;
};

void TestDroppedInput::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(testing::writeFile(m_dir.filePath(u"a.txt"_s), "1\r\n2\r\n"));
    QVERIFY(testing::writeFile(m_dir.filePath(u"b.txt"_s), "3\n4"));
    QVERIFY(QDir(m_dir.path()).mkdir(u"folder"_s));
    QVERIFY(testing::writeFile(m_dir.filePath(decode8Bit("caf\xE9.txt")), "5"));
    QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath(u"fifo"_s)).constData(), 0600), 0);
}

void TestDroppedInput::dropFiles_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("messages");

    const QStringList a{u"1"_s, u"2"_s};
    const QStringList b{u"3"_s, u"4"_s};
    // Each message names its file; "{dir}" stands for the temporary folder.
    QTest::newRow("nothing") << QStringList() << QStringList() << QStringList();
    QTest::newRow("in the order dropped")
        << QStringList{u"b.txt"_s, u"a.txt"_s} << b + a << QStringList();
    QTest::newRow("same file twice")
        << QStringList{u"a.txt"_s, u"a.txt"_s} << a + a << QStringList();
    QTest::newRow("vanished among others")
        << QStringList{u"a.txt"_s, u"gone.txt"_s, u"b.txt"_s, u"lost.txt"_s} << a + b
        << QStringList{u"File not found\r\r{dir}/gone.txt"_s,
                       u"File not found\r\r{dir}/lost.txt"_s};
    QTest::newRow("folder and pipe among others")
        << QStringList{u"folder"_s, u"b.txt"_s, u"fifo"_s} << b
        << QStringList{u"A folder, not a text file\r\r{dir}/folder"_s,
                       u"A device or pipe, not a text file\r\r{dir}/fifo"_s};
    // The bytes of the name load the file; the message shows each such byte as a character.
    QTest::newRow("names not valid UTF-8")
        << QStringList{decode8Bit("caf\xE9.txt"), decode8Bit("gone\xE9.txt")} << QStringList{u"5"_s}
        << QStringList{u"File not found\r\r{dir}/gone\u00E9.txt"_s};
}

// Files given to the program at start load exactly as dropped ones; only the location of an
// error report names their own handler.
void TestDroppedInput::dropFiles() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);
    messages.replaceInStrings(u"{dir}"_s, m_dir.path()).replaceInStrings(u"\r"_s, u"\n"_s);

    QStringList paths;
    for (const QString& name : names)
        paths.append(m_dir.filePath(name));
    const auto drop = [&](Form1& form) { form.ListView1_FilesDropped(paths); };
    const auto open = [&](Form1& form) { form.Form_OpenFiles(paths); };
    for (const auto& load :
         {std::function<void(Form1&)>(drop), std::function<void(Form1&)>(open)}) {
        Fixture w;
        w.toolkit.window().setPointer(99);
        QList<SeenMessage> seen;
        closeMessages(w, messages.size(), seen);
        run(w, [&] { load(w.form); });

        QCOMPARE(w.entries(), QStringList{u"kept"_s} + expected);
        QCOMPARE(dialogs().messages().mid(dialogs().messages().size() - seen.size()), messages);
        for (const SeenMessage& message : seen) {
            QCOMPARE(message.pointer, 11);
            QCOMPARE(message.icon, QMessageBox::NoIcon);
        }
        // An empty drop leaves the pointer alone; a load ends with the default one.
        QCOMPARE(w.toolkit.window().pointer(), names.isEmpty() ? 99 : 0);
    }
}

void TestDroppedInput::dropAndPasteText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one line, no end") << u"a"_s << QStringList{u"a"_s};
    QTest::newRow("CR LF, final CR LF") << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF, final LF") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty line before the final LF") << u"a\n\n"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("CR alone") << u"a\rb\r"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("only CR LF") << u"\r\n"_s << QStringList{QString()};
    QTest::newRow("only LF") << u"\n"_s << QStringList{QString()};
    QTest::newRow("LF then CR LF") << u"a\n\r\nb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("empty line, spaces, duplicate")
        << u" x \r\n\r\n\tx\r\n x "_s << QStringList{u" x "_s, QString(), u"\tx"_s, u" x "_s};
    QTest::newRow("beyond Latin-1")
        << u"\u00e9t\u00e9\r\n\U0001F600"_s << QStringList{u"\u00e9t\u00e9"_s, u"\U0001F600"_s};
}

// Dropped and pasted text follow the rules of list files exactly; an append that fails is
// reported and stops the rest.
void TestDroppedInput::dropAndPasteText() {
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(asListFile(text), expected);

    Fixture dropped;
    dropped.toolkit.window().setPointer(11); // a creation running: adding is not refused
    run(dropped, [&] { dropped.form.ListView1_TextDropped(text); });
    QCOMPARE(dropped.entries(), QStringList{u"kept"_s} + expected);
    QCOMPARE(dropped.toolkit.window().pointer(), 11);

    Fixture pasted;
    QGuiApplication::clipboard()->setText(text);
    run(pasted, [&] { pasted.form.ListView1_Paste(); });
    QCOMPARE(pasted.entries(), QStringList{u"kept"_s} + expected);
    QCOMPARE(dialogs().messages(), QStringList());
}

void TestDroppedInput::pasteWithoutText() {
    Fixture w;
    QGuiApplication::clipboard()->clear();
    run(w, [&] { w.form.ListView1_Paste(); });
    QCOMPARE(w.entries(), QStringList{u"kept"_s});
    QCOMPARE(dialogs().messages(), QStringList());
}

QTEST_MAIN(TestDroppedInput)
#include "test_dropped_input.moc"
