// Entries brought into the entry list: list files picked in the open dialog, files dropped or
// given at start, text dropped or pasted. Where the cases are the same, each way of bringing
// them in is a row of its own: through the window's handlers, and through the real widgets
// offscreen (synthesised drag events, Ctrl+V on the offscreen clipboard, the button and dialog).

#include "common/text_encoding.h"
#include "entries/entry_splitter.h"
#include "entry_handlers.h"
#include "test_files.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

// A file whose name is not UTF-8.
const QString kCafe = decode8Bit("caf\xE9 x.txt");

// Answers the open dialog as a user typing the names (in the folder, or full paths) and
// pressing Open; no names cancel it. What follows the pick runs before the load does.
void pick(const QString& folder, const QStringList& names,
          const std::function<void(QFileDialog*)>& afterPick = {}) {
    dialogs().answerFileDialog([=](QFileDialog* dialog) {
        if (names.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(folder);
        auto* edit = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
        // Without the focus the dialog would rewrite the box with what its list selects.
        QApplication::setActiveWindow(dialog);
        edit->setFocus();
        edit->setText(u'"' + names.join(u"\" \""_s) + u'"');
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog checks the names in its accept()
        if (afterPick)
            afterPick(dialog);
    });
}

// Drags the files (names in the folder, or whole URLs) and the text onto the entry list and
// drops them there, as another program would; the list takes them if usable, and refuses them
// otherwise.
void dragOnto(RealWindow& w, const QString& folder, const QStringList& urls, const QString& text,
              bool usable) {
    QMimeData data;
    QList<QUrl> list;
    for (const QString& url : urls)
        list.append(
            url.contains(u':')
                ? QUrl(url)
                : QUrl::fromEncoded("file://" +
                                    encode8Bit(QDir(folder).filePath(url)).toPercentEncoding("/")));
    if (!list.isEmpty())
        data.setUrls(list);
    if (!text.isEmpty())
        data.setText(text);
    data.setData(u"image/png"_s, "\x89PNG");
    QWidget* viewport = w.toolkit.window().listView1->viewport();
    const QPoint at = viewport->rect().center();
    // Shift asks for a move: the list must still take only a copy, so the source keeps its data.
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(viewport, &enter);
    QCOMPARE(enter.isAccepted(), usable);
    QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(viewport, &drop);
    QCOMPARE(drop.isAccepted(), usable);
    if (usable)
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

// One row for each way the case is brought in: (p)icked in the open dialog, (d)ropped on the
// list, (o)pened at start, dra(g)ged with real drag events; text (f)rom a list file, (t) dropped,
// pasted (v), Ctrl+V (k)eyed.
template <class... Values> void row(const char* name, const char* ways, const Values&... values) {
    for (const char* way = ways; *way != '\0'; ++way)
        ((QTest::addRow("%c: %s", *way, name) << QChar(QLatin1Char(*way))) << ... << values);
}

// Calls back on each paint of the widget itself.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* widget, std::function<void()> painted) : m_painted(std::move(painted)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            m_painted();
        return false;
    }

private:
    std::function<void()> m_painted;
};

// The entries of the list.
QStringList entries(RealWindow& w) {
    return texts(w.toolkit.listView1());
}

} // namespace

class TestEntryInput : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    // QTemporaryDir cannot remove a name that is not UTF-8.
    void cleanupTestCase() { ::unlink(encode8Bit(m_dir.filePath(kCafe)).constData()); }
    void files_data();
    void files();
    void text_data();
    void text();
    void filesWinOverTheirText();
    void pasteWithoutText();
    void loadDialogSetUp();
    void nameBuffer_data();
    void nameBuffer();
    void pickedFilesArrive_data();
    void pickedFilesArrive();
    void filesGivenAtStartLoadOnceShown();

private:
    QTemporaryDir m_dir;
};

void TestEntryInput::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(testing::writeFile(m_dir.filePath(u"a.txt"_s), "1\r\n2\r\n"));
    QVERIFY(testing::writeFile(m_dir.filePath(u"b.txt"_s), "3\n4"));
    QVERIFY(testing::writeFile(m_dir.filePath(u"empty.txt"_s), ""));
    QVERIFY(testing::writeFile(m_dir.filePath(kCafe), "5"));
}

void TestEntryInput::files_data() {
    QTest::addColumn<QChar>("way");
    QTest::addColumn<QStringList>("names"); // in the temporary folder ("{dir}"), or whole URLs
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("messages");

    const QString notFound = u"File not found"_s;
    const auto at = [](int line) {
        return report(u"Path/File access error"_s, u"Form1.PushButton6_Click"_s, line);
    };
    const QString late = u"late.txt"_s;
    const QStringList a{u"1"_s, u"2"_s};
    const QStringList b{u"3"_s, u"4"_s};
    const QStringList none;
    row("nothing", "pdog", none, none, none);
    row("one file", "pdog", QStringList{u"a.txt"_s}, a, none);
    row("empty file", "pdog", QStringList{u"empty.txt"_s}, none, none);
    row("two files, in the order given", "pdog", QStringList{u"b.txt"_s, u"a.txt"_s}, b + a, none);
    row("same file twice", "pdog", QStringList{late, late}, a + a, none);
    row("missing file alone", "p", QStringList{u"none.txt"_s}, none, QStringList{notFound});
    row("missing among several", "p", QStringList{u"a.txt"_s, u"none.txt"_s, u"b.txt"_s}, a + b,
        QStringList{notFound});
    // A message dropped files give names its file and shows each byte of a name that is not
    // UTF-8 as a character.
    row("missing among several", "dog",
        QStringList{u"a.txt"_s, u"gone.txt"_s, u"b.txt"_s, u"lost\u00E9.txt"_s}, a + b,
        QStringList{u"File not found\n\n{dir}/gone.txt"_s,
                    u"File not found\n\n{dir}/lost\u00E9.txt"_s});
    row("names not valid UTF-8", "dog", QStringList{kCafe, decode8Bit("gone\xFF.txt")},
        QStringList{u"5"_s}, QStringList{u"File not found\n\n{dir}/gone\u00FF.txt"_s});
    row("folder alone", "p", QStringList{u"folder"_s}, none, QStringList{at(120)});
    row("folder among several", "p", QStringList{u"a.txt"_s, u"folder"_s, u"b.txt"_s}, a + b,
        QStringList{at(134)});
    row("pipe among several", "p", QStringList{u"fifo"_s, u"a.txt"_s}, a, QStringList{at(134)});
    row("folder and pipe among several", "dog", QStringList{u"folder"_s, u"b.txt"_s, u"fifo"_s}, b,
        QStringList{u"A folder, not a text file\n\n{dir}/folder"_s,
                    u"A device or pipe, not a text file\n\n{dir}/fifo"_s});
    row("file on a network share", "g", QStringList{u"file://share.invalid/gone.txt"_s}, none,
        QStringList{u"File not found\n\n//share.invalid/gone.txt"_s});
    // Links are no local files: they are taken as the text they show.
    const QStringList links{u"https://example.org/a"_s, u"https://example.org/b"_s};
    row("links", "g", links, links, none);
}

// Files given to the program at start load exactly as dropped ones; only the location of an
// error report names their own handler.
void TestEntryInput::files() {
    QFETCH(QChar, way);
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);
    messages.replaceInStrings(u"{dir}"_s, m_dir.path());

    RealWindow w;
    fill(w, {u"kept"_s});
    w.toolkit.window().setPointer(99);
    QStringList paths;
    for (const QString& name : names)
        paths.append(m_dir.filePath(name));
    // The dialog hands typed names over as they are only while one does not exist: it would
    // open a folder, and leave a pipe or a repeated name out of its selection. These are made
    // after the pick, as another program might.
    const QByteArray at = QFile::encodeName(m_dir.path()) + '/';
    const auto removeMade = qScopeGuard([&] {
        for (const char* name : {"folder", "fifo", "late.txt"})
            std::remove((at + name).constData());
    });
    const auto make = [&] {
        if (names.contains(u"folder"_s))
            QCOMPARE(mkdir((at + "folder").constData(), 0700), 0);
        if (names.contains(u"fifo"_s))
            QCOMPARE(mkfifo((at + "fifo").constData(), 0600), 0);
        if (names.contains(u"late.txt"_s))
            QVERIFY(writeFile(m_dir.filePath(u"late.txt"_s), "1\r\n2\r\n"));
    };
    if (way == u'p') {
        // A name left from an earlier use must not be taken for a choice when the user cancels.
        w.toolkit.toolkit().commonDialog1.setFileName(m_dir.filePath(u"a.txt"_s));
        pick(m_dir.path(), names, [&](QFileDialog*) { make(); });
    } else {
        make();
    }
    QList<SeenMessage> seen;
    closeMessages(w, messages.size(), seen);
    if (way == u'p')
        run(w, [&] { w.form.PushButton6_Click(); });
    else if (way == u'd')
        run(w, [&] { w.form.ListView1_FilesDropped(paths); });
    else if (way == u'o')
        run(w, [&] { w.form.Form_OpenFiles(paths); });
    else
        dragOnto(w, m_dir.path(), names, QString(), !names.isEmpty());

    // A drop loads once the event loop turns.
    QTRY_COMPARE(entries(w), QStringList{u"kept"_s} + expected);
    QTRY_COMPARE(dialogs().messages(), messages);
    for (const SeenMessage& message : seen) {
        QCOMPARE(message.pointer, 11); // a message during the load shows over the busy pointer
        if (message.text.startsWith(u"File not found") || way != u'p') {
            QCOMPARE(message.icon, QMessageBox::NoIcon);
            QCOMPARE(message.title, u"Tavrolin"_s);
        }
    }
    // Nothing brought in, or links, leave the pointer alone; a load ends with the default
    // pointer, whatever it found.
    const bool loads = !names.isEmpty() && !names.first().startsWith(u"https:");
    QTRY_COMPARE(w.toolkit.window().pointer(), loads ? 0 : 99);
}

void TestEntryInput::text_data() {
    QTest::addColumn<QChar>("way");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    const char* all = "ftvgk";
    row("empty", all, QString(), QStringList());
    row("one line, no end", all, u"a"_s, QStringList{u"a"_s});
    row("CR LF, final CR LF", all, u"a\r\nb\r\n"_s, QStringList{u"a"_s, u"b"_s});
    row("LF, final LF", all, u"a\nb\n"_s, QStringList{u"a"_s, u"b"_s});
    row("empty line before the final LF", all, u"a\n\n"_s, QStringList{u"a"_s, QString()});
    row("CR alone", all, u"a\rb\r"_s, QStringList{u"a"_s, u"b"_s});
    row("only CR LF", all, u"\r\n"_s, QStringList{QString()});
    row("only LF", all, u"\n"_s, QStringList{QString()});
    row("LF then CR LF", all, u"a\n\r\nb"_s, QStringList{u"a"_s, QString(), u"b"_s});
    row("CR LF, LF, empty line, no end", all, u"x\r\ny\n\nz"_s,
        QStringList{u"x"_s, u"y"_s, QString(), u"z"_s});
    row("empty line, spaces, duplicate", all, u" x \r\n\r\n\tx\r\n x "_s,
        QStringList{u" x "_s, QString(), u"\tx"_s, u" x "_s});
    row("beyond Latin-1", all, u"\u00e9t\u00e9\r\n\U0001F600"_s,
        QStringList{u"\u00e9t\u00e9"_s, u"\U0001F600"_s});
}

// Dropped and pasted text follow the rules of list files exactly.
void TestEntryInput::text() {
    QFETCH(QChar, way);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    if (way == u'f') {
        QStringList entries;
        EntrySplitter splitter([&](QByteArrayView entry) { entries.append(decode8Bit(entry)); });
        splitter.feed(encode8Bit(text));
        splitter.finish();
        QCOMPARE(entries, expected);
        return;
    }
    RealWindow w;
    fill(w, {u"kept"_s});
    w.toolkit.window().setPointer(11); // a creation running: adding is not refused
    QGuiApplication::clipboard()->setText(text);
    if (way == u't')
        run(w, [&] { w.form.ListView1_TextDropped(text); });
    else if (way == u'v')
        run(w, [&] { w.form.ListView1_Paste(); });
    else if (way == u'g')
        dragOnto(w, m_dir.path(), {}, text, !text.isEmpty());
    else
        QTest::keyClick(w.toolkit.window().listView1, Qt::Key_V, Qt::ControlModifier);
    QTRY_COMPARE(entries(w), QStringList{u"kept"_s} + expected);
    QCOMPARE(w.toolkit.window().pointer(), 11);
    QCOMPARE(dialogs().messages(), QStringList());
}

// Files dragged with their names as text: the files come in, not the text.
void TestEntryInput::filesWinOverTheirText() {
    RealWindow w;
    fill(w, {u"kept"_s});
    dragOnto(w, m_dir.path(), {u"a.txt"_s}, u"a.txt"_s, true);
    QTRY_COMPARE(entries(w), (QStringList{u"kept"_s, u"1"_s, u"2"_s}));
    QCOMPARE(w.toolkit.window().pointer(), 0);
}

// No text on the clipboard, an image there, and a V without Ctrl: nothing is added.
void TestEntryInput::pasteWithoutText() {
    RealWindow w;
    fill(w, {u"kept"_s});
    QGuiApplication::clipboard()->clear();
    run(w, [&] { w.form.ListView1_Paste(); });
    auto* image = new QMimeData;
    image->setData(u"image/png"_s, "\x89PNG");
    QGuiApplication::clipboard()->setMimeData(image);
    QTest::keyClick(w.toolkit.window().listView1, Qt::Key_V, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(u"p"_s);
    QTest::keyClick(w.toolkit.window().listView1, Qt::Key_V);
    QCOMPARE(entries(w), QStringList{u"kept"_s});
    QCOMPARE(dialogs().messages(), QStringList());
}

// Files that share only the root folder: joining the root and a name doubles the separator.
void TestEntryInput::loadDialogSetUp() {
    QTemporaryDir other(u"/var/tmp/loading-XXXXXX"_s);
    QVERIFY(other.isValid());
    QVERIFY(testing::writeFile(other.filePath(u"b.txt"_s), "3\n4"));
    RealWindow real;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    pick(m_dir.path(), {m_dir.filePath(u"a.txt"_s), other.filePath(u"b.txt"_s)},
         [&](QFileDialog* dialog) {
             filters = dialog->nameFilters();
             mode = dialog->fileMode();
         });
    run(real, [&] { real.form.PushButton6_Click(); });
    QCOMPARE(entries(real), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(dialogs().messages(), QStringList());

    const FileDialog& dialog = real.toolkit.toolkit().commonDialog1;
    QVERIFY(dialog.fileName().startsWith(u"/"_s + QChar(u'\0')));
    QCOMPARE(dialogs().fileDialogTitles().first(),
             u"Load List(s) - Hold Ctrl to select multiple list files"_s);
    QCOMPARE(dialog.filter(), u"Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"_s);
    QCOMPARE(filters, (QStringList{u"Text Files (*.txt)"_s, u"All Files (*)"_s}));
    QCOMPARE(mode, QFileDialog::ExistingFiles);
    QCOMPARE(dialog.maxFileSize(), 30000);
    QCOMPARE(dialog.flags(), fileDialogFlag::AllowMultiSelect | fileDialogFlag::Explorer |
                                 fileDialogFlag::LongNames);
}

void TestEntryInput::nameBuffer_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("message");

    QTest::newRow("fits") << 30000 << u"File not found"_s;
    QTest::newRow("one too long") << 30001
                                  << u"You've selected too many files to add.\r\rPlease try adding "
                                     "via the \"Add All\" button."_s;
}

// The choice is the folder, a.txt and a missing name long enough to make it the given length.
void TestEntryInput::nameBuffer() {
    QFETCH(int, length);
    QFETCH(QString, message);

    RealWindow real;
    real.toolkit.window().setPointer(99);
    QString missing(length - m_dir.path().size() - 7, u'n');
    for (qsizetype slash = 200; slash < missing.size() - 1; slash += 201)
        missing[slash] = u'/'; // no part of a path is longer than the system allows
    pick(m_dir.path(), {u"a.txt"_s, missing});
    QList<SeenMessage> seen;
    closeMessages(real, 1, seen);
    run(real, [&] { real.form.PushButton6_Click(); });

    QCOMPARE(dialogs().messages(), QStringList{shown(message)});
    QCOMPARE(seen.first().icon, QMessageBox::NoIcon);
    QCOMPARE(seen.first().title, u"Tavrolin"_s);
    const bool fits = length <= 30000;
    QCOMPARE(entries(real), (fits ? QStringList{u"1"_s, u"2"_s} : QStringList()));
    QCOMPARE(real.toolkit.window().pointer(), fits ? 0 : 99);
}

void TestEntryInput::pickedFilesArrive_data() {
    QTest::addColumn<QStringList>("picks"); // "@name": a file in a folder apart from the others
    QTest::addColumn<QString>("choice");    // "{dir}": the folder of the test's files
    const QChar nul(u'\0');
    QTest::newRow("one file") << QStringList{u"a.txt"_s} << u"{dir}/a.txt"_s;
    QTest::newRow("one folder") << QStringList{u"b.txt"_s, u"a.txt"_s}
                                << u"{dir}"_s + nul + u"b.txt"_s + nul + u"a.txt"_s;
    QTest::newRow("same name in another folder")
        << QStringList{u"a.txt"_s, u"sub/a.txt"_s}
        << u"{dir}"_s + nul + u"a.txt"_s + nul + u"sub/a.txt"_s;
    QTest::newRow("two subfolders")
        << QStringList{u"sub/a.txt"_s, u"other/deep/c.txt"_s}
        << u"{dir}"_s + nul + u"sub/a.txt"_s + nul + u"other/deep/c.txt"_s;
    QTest::newRow("names with spaces")
        << QStringList{u"f g.txt"_s, u"with space/d e.txt"_s}
        << u"{dir}"_s + nul + u"f g.txt"_s + nul + u"with space/d e.txt"_s;
    // Joining the root folder and a name doubles the leading separator; the path still loads.
    QTest::newRow("only the root in common")
        << QStringList{u"a.txt"_s, u"@x.txt"_s}
        << u"/"_s + nul + u"{dir-}/a.txt"_s + nul + u"{other-}/x.txt"_s;
    QTest::newRow("cancel") << QStringList() << QString();
    // A typed name that does not exist reaches the program, which says so; the others load.
    QTest::newRow("missing file") << QStringList{u"none.txt"_s} << u"{dir}/none.txt"_s;
    QTest::newRow("missing among several")
        << QStringList{u"b.txt"_s, u"none.txt"_s, u"a.txt"_s}
        << u"{dir}"_s + nul + u"b.txt"_s + nul + u"none.txt"_s + nul + u"a.txt"_s;
    QStringList many;
    for (int i = 0; i < 130; ++i)
        many.append(u"long/"_s + QString(240, u'n') + QString::number(i) + u".txt"_s);
    QTest::newRow("too long a selection") << many << QString();
}

// Every picked file's own lines arrive, in the order picked, however far apart the files lie.
void TestEntryInput::pickedFilesArrive() {
    QFETCH(QStringList, picks);
    QFETCH(QString, choice);
    QTemporaryDir dir;
    // The other temporary folder of the system, which lies apart from the usual one.
    QTemporaryDir other(u"/var/tmp/picks-XXXXXX"_s);
    if (!other.isValid() ||
        QDir::cleanPath(dir.path()).section(u'/', 1, 1) == other.path().section(u'/', 1, 1))
        QSKIP("no second temporary folder that shares only the root with the first");
    QStringList paths;
    QStringList lines;
    for (const QString& pick : picks) {
        const QString path =
            pick.startsWith(u'@') ? other.filePath(pick.mid(1)) : dir.filePath(pick);
        paths.append(path);
        if (pick == u"none.txt")
            continue;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(testing::writeFile(path, pick.toUtf8() + "\r\n"));
        lines.append(pick);
    }
    const bool missing = lines.size() < picks.size();
    const bool tooLong = picks.size() > 100;

    RealWindow w;
    w.toolkit.window().setPointer(pointer::Custom);
    dialogs().chooseFiles(paths);
    if (missing || tooLong)
        dialogs().closeMessage();
    QTest::mouseClick(w.toolkit.window().pushButton6, Qt::LeftButton);

    choice.replace(u"{dir-}"_s, dir.path().mid(1));
    choice.replace(u"{other-}"_s, other.path().mid(1));
    QCOMPARE(w.toolkit.toolkit().commonDialog1.fileName(),
             QString(choice).replace(u"{dir}"_s, dir.path()));
    QCOMPARE(entries(w), tooLong ? QStringList() : lines);
    if (tooLong)
        QCOMPARE(dialogs().messages(),
                 QStringList{u"You've selected too many files to add.\n\nPlease try adding via "
                             u"the \"Add All\" button."_s});
    else
        QCOMPARE(dialogs().messages(), missing ? QStringList{u"File not found"_s} : QStringList());
    // A load ends with the default pointer; a Cancel or a refused selection leaves it alone.
    const bool loaded = !picks.isEmpty() && !tooLong;
    QCOMPARE(w.toolkit.window().pointer(), loaded ? pointer::Default : pointer::Custom);
}

// The files the program is started with load through the event loop, after the window shows
// and has been painted: the message about a missing file belongs to the shown window, and the
// whole load is one step to undo, as a drop is.
void TestEntryInput::filesGivenAtStartLoadOnceShown() {
    RealWindow w;
    QVERIFY(w.shown);
    qt::MainWindow& window = w.toolkit.window();
    QCoreApplication::processEvents();
    int entriesAtPaint = -1;
    PaintWatch paints(&window, [&] {
        if (entriesAtPaint < 0)
            entriesAtPaint = w.toolkit.listView1().itemCount();
    });
    bool windowOwnsMessage = false;
    int pointerWhileLoading = -1;
    dialogs().closeMessage([&](QMessageBox* box) {
        windowOwnsMessage = box->parentWidget() == &window && window.isVisible();
        pointerWhileLoading = window.pointer();
    });
    w.toolkit.whenShown(w.form, {m_dir.filePath(u"b.txt"_s), m_dir.filePath(u"gone.txt"_s),
                                 m_dir.filePath(u"a.txt"_s)});
    QCOMPARE(entries(w), QStringList()); // not before the event loop runs

    QTRY_COMPARE(entries(w), (QStringList{u"3"_s, u"4"_s, u"1"_s, u"2"_s}));
    QCOMPARE(entriesAtPaint, 0);
    QCOMPARE(dialogs().messages(),
             QStringList{u"File not found\n\n"_s + m_dir.filePath(u"gone.txt"_s)});
    QVERIFY(windowOwnsMessage);
    QCOMPARE(pointerWhileLoading, 11);
    QCOMPARE(window.pointer(), 0);
    QVERIFY(w.toolkit.undo().undo());
    QCOMPARE(entries(w), QStringList());
}

QTEST_MAIN(TestEntryInput)
#include "test_entry_input.moc"
