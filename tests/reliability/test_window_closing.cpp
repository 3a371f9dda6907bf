// Closing the real window while an operation runs: the operation stops where it stands, leaves
// alone what it has not finished, and the program is asked to end.

#include "support/list_items.h"
#include "support/window_test.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

enum class Operation { Load, Create, Save, Copy };

QStringList texts(const ListView& list) {
    QStringList result;
    for (int i = 1; i <= list.itemCount(); ++i)
        result.append(itemText(list, i));
    return result;
}

QStringList folderEntries(const QString& path) {
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestWindowClosing : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    // Only the program may end the event loop, not the window going away.
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void closedDuringOperation_data();
    void closedDuringOperation();
};

void TestWindowClosing::closedDuringOperation_data() {
    QTest::addColumn<Operation>("operation");
    QTest::newRow("loading") << Operation::Load;
    QTest::newRow("creating") << Operation::Create;
    QTest::newRow("saving") << Operation::Save;
    QTest::newRow("copying") << Operation::Copy;
}

void TestWindowClosing::closedDuringOperation() {
    QFETCH(Operation, operation);

    QTemporaryDir dir;
    const QString listFile = dir.filePath(u"list.txt"_s);
    const QString resultFile = dir.filePath(u"old.txt"_s);
    for (const auto& [path, bytes] :
         {std::pair{listFile, "a\r\nb\r\nc\r\n"_ba}, std::pair{resultFile, "previous\r\n"_ba}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    RealWindow real;
    qt::MainWindow& window = real.toolkit.window();
    for (int i = 1; i <= 1000; ++i)
        appendText(real.toolkit.listView1(), QString::number(i));
    for (const QString& text : {u"one"_s, u"two"_s}) {
        appendText(real.toolkit.listView2(), text);
        real.toolkit.listView2().setItemChecked(real.toolkit.listView2().itemCount(), true);
    }
    QGuiApplication::clipboard()->setText(u"<untouched>"_s);
    const auto closeSoon = [&] {
        QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
    };

    // The file dialog gets the file of the operation. A message box would show only if the
    // operation ran to its end: none may show.
    if (operation == Operation::Load || operation == Operation::Save) {
        dialogs().answerFileDialog([&](QFileDialog* dialog) {
            dialog->selectFile(operation == Operation::Load ? listFile : resultFile);
            static_cast<QDialog*>(dialog)->accept();
            closeSoon(); // seen at the first events the operation lets run, or after it
        });
    }

    QPushButton* button = operation == Operation::Load     ? window.pushButton6
                          : operation == Operation::Create ? window.pushButton4
                          : operation == Operation::Save   ? window.pushButton1
                                                           : window.pushButton7;
    QTimer::singleShot(0, [&] {
        if (operation == Operation::Create || operation == Operation::Copy)
            closeSoon();
        button->click();
    });
    QTimer timeout;
    timeout.callOnTimeout([] { QCoreApplication::exit(1); });
    timeout.start(20000);
    // The program's own event loop: only it hears the request to end the program.
    QCOMPARE(QApplication::exec(), 0);

    QVERIFY(!window.isVisible());
    QCOMPARE(dialogs().messages(), QStringList());
    // Loading lets no events run, so the close is seen after it: every line is there.
    QCOMPARE(texts(real.toolkit.listView1()).size(), operation == Operation::Load ? 1003 : 1000);
    if (operation == Operation::Load)
        QCOMPARE(texts(real.toolkit.listView1()).mid(1000), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    QCOMPARE(real.toolkit.listView2().itemCount(), operation == Operation::Create ? 0 : 2);
    QFile old(resultFile);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), "previous\r\n"_ba);
    QCOMPARE(folderEntries(dir.path()), (QStringList{u"list.txt"_s, u"old.txt"_s}));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"<untouched>"_s);
}

QTEST_MAIN(TestWindowClosing)
#include "test_window_closing.moc"
