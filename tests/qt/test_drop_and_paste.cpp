// Files picked in the open dialog, drops on the entry list and Ctrl+V in it, in the real window
// offscreen: synthesised drag events carry the files and text, the offscreen clipboard the
// pasted text.

#include "common/text_encoding.h"
#include "qt/report_view.h"
#include "support/list_items.h"
#include "support/window_test.h"
#include "test_files.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <functional>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

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

QStringList entries(RealWindow& w) {
    ListView& list = w.toolkit.toolkit().listView1;
    QStringList texts;
    for (int i = 1; i <= list.itemCount(); ++i)
        texts.append(itemText(list, i));
    return texts;
}

} // namespace

class TestDropAndPaste : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pickedFilesArrive_data();
    void pickedFilesArrive();
    void drop_data();
    void drop();
    void pasteAppendsTheClipboardText();
    void filesGivenAtStartLoadOnceShown();

private:
    QTemporaryDir m_dir;
};

void TestDropAndPaste::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(testing::writeFile(m_dir.filePath(u"a.txt"_s), "1\r\n2\r\n"));
    QVERIFY(testing::writeFile(m_dir.filePath(u"b.txt"_s), "3\n4"));
    QVERIFY(testing::writeFile(m_dir.filePath(decode8Bit("caf\xE9 x.txt")), "5"));
}

void TestDropAndPaste::pickedFilesArrive_data() {
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
void TestDropAndPaste::pickedFilesArrive() {
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

void TestDropAndPaste::drop_data() {
    QTest::addColumn<QStringList>("urls"); // names in the temporary folder, or whole URLs
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");

    const QStringList a{u"1"_s, u"2"_s};
    const QStringList b{u"3"_s, u"4"_s};
    QTest::newRow("files, in the order dropped")
        << QStringList{u"b.txt"_s, u"a.txt"_s} << QString() << true << b + a << QString();
    // A message names its file ("{dir}": the temporary folder) and shows each byte of a name that
    // is not UTF-8 as a character.
    QTest::newRow("vanished file") << QStringList{u"a.txt"_s, u"gone\u00E9.txt"_s} << QString()
                                   << true << a << u"File not found\n\n{dir}/gone\u00E9.txt"_s;
    QTest::newRow("name not valid UTF-8")
        << QStringList{decode8Bit("caf\xE9 x.txt"), decode8Bit("gone\xFF.txt")} << QString() << true
        << QStringList{u"5"_s} << u"File not found\n\n{dir}/gone\u00FF.txt"_s;
    QTest::newRow("file on a network share")
        << QStringList{u"file://share.invalid/gone.txt"_s} << QString() << true << QStringList()
        << u"File not found\n\n//share.invalid/gone.txt"_s;
    QTest::newRow("files win over their text")
        << QStringList{u"a.txt"_s} << u"a.txt"_s << true << a << QString();
    QTest::newRow("text, line by line")
        << QStringList() << u"x\r\ny\n\nz"_s << true
        << QStringList{u"x"_s, u"y"_s, QString(), u"z"_s} << QString();
    // Links are no local files: they are taken as the text they show.
    QTest::newRow("links") << QStringList{u"https://example.org/a"_s, u"https://example.org/b"_s}
                           << QString() << true
                           << QStringList{u"https://example.org/a"_s, u"https://example.org/b"_s}
                           << QString();
    QTest::newRow("neither") << QStringList() << QString() << false << QStringList() << QString();
}

void TestDropAndPaste::drop() {
    QFETCH(QStringList, urls);
    QFETCH(QString, text);
    QFETCH(bool, usable);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    message.replace(u"{dir}"_s, m_dir.path());

    RealWindow w;
    appendText(w.toolkit.toolkit().listView1, u"kept"_s);
    QMimeData data;
    QList<QUrl> list;
    for (const QString& url : urls)
        list.append(url.contains(u':')
                        ? QUrl(url)
                        : QUrl::fromEncoded(
                              "file://" + encode8Bit(m_dir.filePath(url)).toPercentEncoding("/")));
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

    QString shown;
    int pointerWhileLoading = -1;
    if (!message.isEmpty()) {
        dialogs().closeMessage([&](QMessageBox* box) {
            shown = box->text();
            pointerWhileLoading = w.toolkit.window().pointer();
        });
    }
    QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(viewport, &drop);
    QCOMPARE(drop.isAccepted(), usable);
    if (usable)
        QCOMPARE(drop.dropAction(), Qt::CopyAction);

    QTRY_COMPARE(entries(w), QStringList{u"kept"_s} + expected);
    QTRY_COMPARE(shown, message);
    if (!message.isEmpty())
        QCOMPARE(pointerWhileLoading, 11);
    QCOMPARE(w.toolkit.window().pointer(), 0);
}

void TestDropAndPaste::pasteAppendsTheClipboardText() {
    RealWindow w;
    qt::ReportView* view = w.toolkit.window().listView1;
    QGuiApplication::clipboard()->setText(u"p\r\nq\n"_s);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(entries(w), (QStringList{u"p"_s, u"q"_s}));

    // No text on the clipboard, and a V without Ctrl: nothing is added.
    auto* image = new QMimeData;
    image->setData(u"image/png"_s, "\x89PNG");
    QGuiApplication::clipboard()->setMimeData(image);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_V);
    QCOMPARE(entries(w), (QStringList{u"p"_s, u"q"_s}));
}

// The files the program is started with load through the event loop, after the window shows
// and has been painted: the message about a missing file belongs to the shown window, and the
// whole load is one step to undo, as a drop is.
void TestDropAndPaste::filesGivenAtStartLoadOnceShown() {
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

QTEST_MAIN(TestDropAndPaste)
#include "test_drop_and_paste.moc"
