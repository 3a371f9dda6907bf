#include "qt/labelled_progress_bar.h"
#include "qt/report_view.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;

namespace {

void storeChoice(const QString& value) {
    QSettings settings(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"));
    settings.beginGroup(QStringLiteral("Tavrolin"));
    settings.setValue(QStringLiteral("Combo1"), value);
}

QString storedChoice() {
    QSettings settings(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"));
    settings.beginGroup(QStringLiteral("Tavrolin"));
    return settings.value(QStringLiteral("Combo1")).toString();
}

// Closes the next message box and keeps its text.
void acceptMessage(QString* text) {
    whenModalShows([text](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            if (text != nullptr)
                *text = box->text();
            box->accept();
        }
    });
}

void answerInput(const QString& answer) {
    whenModalShows([answer](QWidget* dialog) {
        if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
            input->setTextValue(answer);
            input->accept();
        }
    });
}

void moveMouseOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QSettings(QStringLiteral("Quendale"), QStringLiteral("Tavrolin")).clear(); }

    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void windowAndLists();
    void tabOrder();
    void storedChoiceShows_data();
    void storedChoiceShows();
    void skinAndCursorFilesHonoured();
    void createsTheListEndToEnd_data();
    void createsTheListEndToEnd();
    void otherAsksAtCreation();
    void deleteAndDoubleClickRemoveTheSelectedEntry();
    void resultRowsAreCheckable();
    void pointerFollowsTheMouse();
    void savesAndCopiesTheCheckedResult();
    void progressBarHoldsItsScale();
    void rowsFitTheirFont();
};

void TestMainWindow::controlsAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    // Twips divided by 15: pixels at 96 dots per inch.
    QTest::newRow("ListView1") << "ListView1"
                               << "" << QRect(8, 8, 520, 113);
    QTest::newRow("PushButton2") << "PushButton2"
                                 << "Add One Item To List" << QRect(8, 128, 256, 27);
    QTest::newRow("PushButton6") << "PushButton6"
                                 << "Load List From Text File" << QRect(272, 128, 256, 27);
    QTest::newRow("PushButton5") << "PushButton5"
                                 << "Clear List" << QRect(8, 162, 256, 27);
    QTest::newRow("PushButton8") << "PushButton8"
                                 << "Load Sample/Example Data" << QRect(272, 162, 256, 27);
    QTest::newRow("Frame1") << "Frame1"
                            << "Separating Character(s) To Add" << QRect(8, 194, 520, 53);
    QTest::newRow("Combo1") << "Combo1"
                            << "" << QRect(16, 20, 488, 23);
    QTest::newRow("PushButton4") << "PushButton4"
                                 << "Start Creating List" << QRect(8, 255, 520, 27);
    QTest::newRow("ListView2") << "ListView2"
                               << "" << QRect(8, 290, 520, 113);
    QTest::newRow("PushButton1") << "PushButton1"
                                 << "Save Results To CSV/Text File" << QRect(8, 410, 520, 27);
    QTest::newRow("PushButton7") << "PushButton7"
                                 << "Copy Results To Clipboard" << QRect(8, 445, 256, 27);
    QTest::newRow("PushButton3") << "PushButton3"
                                 << "Clear Results" << QRect(272, 445, 256, 27);
    QTest::newRow("ProgressBar1") << "ProgressBar1"
                                  << "Progress Bar" << QRect(8, 480, 520, 27);
}

void TestMainWindow::controlsAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    RealWindow real;
    auto* control = real.toolkit.window().findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->font().pointSizeF(), 11.25);
        QVERIFY(button->font().bold());
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QCOMPARE(frame->title(), caption);
    } else if (auto* bar = qobject_cast<QProgressBar*>(control)) {
        QCOMPARE(bar->text(), caption);
        QCOMPARE(bar->value(), 0);
    }
}

void TestMainWindow::windowAndLists() {
    RealWindow real;
    QWidget& window = real.toolkit.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tavrolin"));
    QCOMPARE(window.size(), QSize(536, 515));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(window.font().family(), QStringLiteral("Arial"));
    QCOMPARE(window.font().pointSizeF(), 9.0);
    QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Tavrolin"));

    const QString toolTip = QStringLiteral("Double-click item to remove it. Move | line to right "
                                           "and out of window to reveal full names.");
    QCOMPARE(toolTip.size(), 92);
    const QString results =
        QStringLiteral("Results - Extend bar to show all >") + QString(59, u' ') + u'>';
    const QList<std::pair<QString, QString>> lists = {
        {QStringLiteral("ListView1"), QStringLiteral("List Entries")},
        {QStringLiteral("ListView2"), results}};
    for (const auto& [name, caption] : lists) {
        auto* view = window.findChild<qt::ReportView*>(name);
        QCOMPARE(view->toolTip(), toolTip);
        QCOMPARE(view->model()->columnCount(), 1);
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), caption);
        QCOMPARE(view->header()->sectionSize(0), 400);
    }
    QCOMPARE(results.size(), 94);

    auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    QCOMPARE(items, QStringList({QStringLiteral("Comma-space"), QStringLiteral("Comma"),
                                 QStringLiteral("Space"), QStringLiteral("Other")}));
}

void TestMainWindow::tabOrder() {
    RealWindow real;
    QWidget& window = real.toolkit.window();
    const QStringList expected = {
        QStringLiteral("ListView1"),   QStringLiteral("PushButton6"), QStringLiteral("PushButton2"),
        QStringLiteral("PushButton4"), QStringLiteral("ListView2"),   QStringLiteral("PushButton5"),
        QStringLiteral("PushButton1"), QStringLiteral("PushButton3"), QStringLiteral("Combo1"),
        QStringLiteral("PushButton7"), QStringLiteral("PushButton8")};
    QWidget* widget = window.findChild<QWidget*>(expected.first());
    for (const QString& name : expected) {
        QCOMPARE(widget->objectName(), name);
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&window) ||
               widget->objectName().isEmpty())
            widget = widget->nextInFocusChain();
    }
}

void TestMainWindow::storedChoiceShows_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("first start") << QString() << "Comma-space"
                                 << "0";
    QTest::newRow("space") << "2"
                           << "Space"
                           << "2";
    QTest::newRow("nothing") << "-1"
                             << ""
                             << "-1";
}

void TestMainWindow::storedChoiceShows() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, storedAfter);
    if (!stored.isNull())
        storeChoice(stored);
    RealWindow real;
    auto* combo = real.toolkit.window().findChild<QComboBox*>(QStringLiteral("Combo1"));
    QCOMPARE(combo->currentText(), shown);
    QCOMPARE(storedChoice(), storedAfter);
}

void TestMainWindow::skinAndCursorFilesHonoured() {
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString skin = folder.filePath(QStringLiteral("x/o.cjs"));
    const QString cursor = folder.filePath(QStringLiteral("HAND-M.CUR"));
    {
        RealWindow plain;
        QCOMPARE(plain.toolkit.window().styleSheet(), QString());
        QCOMPARE(plain.toolkit.window()
                     .findChild<QWidget*>(QStringLiteral("Frame1"))
                     ->palette()
                     .color(QPalette::Window),
                 QColor(Qt::white));
        plain.form.PushButton1_MouseMove();
        QCOMPARE(plain.toolkit.window().cursor().shape(), Qt::PointingHandCursor);
    }
    QVERIFY(folder.mkpath(QStringLiteral("x")));
    QFile skinFile(skin);
    QVERIFY(skinFile.open(QIODevice::WriteOnly));
    skinFile.write("QPushButton { color: navy; }");
    skinFile.close();
    QFile cursorFile(cursor);
    QVERIFY(cursorFile.open(QIODevice::WriteOnly));
    // A 1x1 monochrome cursor with its hot spot at (0, 0).
    cursorFile.write(QByteArray::fromHex("000002000100010102000000000038000000160000002800000001"
                                         "00000002000000010001000000000008000000000000000000000000"
                                         "00000000000000000000000000ffffff000000000000000000"));
    cursorFile.close();
    RealWindow skinned;
    QFile::remove(skin);
    QDir(folder.filePath(QStringLiteral("x"))).removeRecursively();
    QFile::remove(cursor);
    QCOMPARE(skinned.toolkit.window().styleSheet(), QStringLiteral("QPushButton { color: navy; }"));
    QVERIFY(skinned.toolkit.window()
                .findChild<QWidget*>(QStringLiteral("Frame1"))
                ->palette()
                .color(QPalette::Window) != QColor(Qt::white));
    skinned.form.PushButton1_MouseMove();
    QCOMPARE(skinned.toolkit.window().cursor().shape(), Qt::BitmapCursor);
}

void TestMainWindow::createsTheListEndToEnd_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("result");
    QTest::newRow("comma-space") << 0 << "first, second, third, fourth";
    QTest::newRow("comma") << 1 << "first,second,third,fourth";
    QTest::newRow("space") << 2 << "first second third fourth";
}

void TestMainWindow::createsTheListEndToEnd() {
    QFETCH(int, choice);
    QFETCH(QString, result);
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    QCOMPARE(real.toolkit.listView1().itemCount(), 4);
    window.combo1->setCurrentIndex(choice);
    Q_EMIT window.combo1->activated(choice);
    QString message;
    acceptMessage(&message);
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    QCOMPARE(message, QStringLiteral("Done."));
    QCOMPARE(real.toolkit.listView2().itemCount(), 1);
    QCOMPARE(window.listView2->model()->index(0, 0).data().toString(), result);
    QTRY_COMPARE(window.progressBar1->text(), QStringLiteral("Progress Bar"));
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void TestMainWindow::otherAsksAtCreation() {
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    window.combo1->setCurrentIndex(3);
    Q_EMIT window.combo1->activated(3);
    QCOMPARE(storedChoice(), QStringLiteral("3"));
    answerInput(QStringLiteral(" | "));
    QTimer::singleShot(50, [] { acceptMessage(nullptr); });
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    QCOMPARE(real.toolkit.listView2().itemText(1),
             QStringLiteral("first | second | third | fourth"));
}

void TestMainWindow::deleteAndDoubleClickRemoveTheSelectedEntry() {
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    QCoreApplication::processEvents();
    qt::ReportView* view = window.listView1;
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(real.toolkit.listView1().itemCount(), 3);
    QCOMPARE(real.toolkit.listView1().itemText(2), QStringLiteral("third"));
    QTest::keyClick(view, Qt::Key_Backspace);
    QCOMPARE(real.toolkit.listView1().itemCount(), 3);
    view->setCurrentIndex(view->model()->index(0, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       view->visualRect(view->currentIndex()).center());
    QCOMPARE(real.toolkit.listView1().itemCount(), 2);
    QCOMPARE(real.toolkit.listView1().itemText(1), QStringLiteral("third"));
}

void TestMainWindow::resultRowsAreCheckable() {
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    acceptMessage(nullptr);
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    QAbstractItemModel* model = window.listView2->model();
    const QModelIndex row = model->index(0, 0);
    QVERIFY(model->flags(row).testFlag(Qt::ItemIsUserCheckable));
    QCOMPARE(row.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    QVERIFY(model->setData(row, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(real.toolkit.listView2().itemChecked(1));
    QVERIFY(!window.listView1->model()
                 ->flags(window.listView1->model()->index(0, 0))
                 .testFlag(Qt::ItemIsUserCheckable));
}

void TestMainWindow::pointerFollowsTheMouse() {
    RealWindow real;
    auto& window = real.toolkit.window();
    moveMouseOver(window.pushButton4);
    QCOMPARE(window.cursor().shape(), Qt::PointingHandCursor);
    moveMouseOver(window.listView2->viewport());
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    moveMouseOver(window.pushButton7);
    moveMouseOver(window.frame1);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    window.setPointer(pointer::Hourglass);
    moveMouseOver(window.pushButton1);
    moveMouseOver(&window);
    QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
}

void TestMainWindow::savesAndCopiesTheCheckedResult() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("result"));
    RealWindow real;
    auto& window = real.toolkit.window();
    QTest::mouseClick(window.pushButton8, Qt::LeftButton);
    acceptMessage(nullptr);
    QTest::mouseClick(window.pushButton4, Qt::LeftButton);
    window.listView2->model()->setData(window.listView2->model()->index(0, 0), Qt::Checked,
                                       Qt::CheckStateRole);

    whenModalShows([path](QWidget* dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            QCOMPARE(files->windowTitle(), QStringLiteral("Save"));
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
        }
    });
    QTest::mouseClick(window.pushButton1, Qt::LeftButton);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray caption = "Results - Extend bar to show all >" + QByteArray(59, ' ') + '>';
    QCOMPARE(saved.readAll(),
             caption + "\t\r\nfirst, second, third, fourth" + QByteArray(94 - 28, ' ') + "\t\r\n");

    QString message;
    acceptMessage(&message);
    QTest::mouseClick(window.pushButton7, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("first, second, third, fourth\r\n"));
    QVERIFY(message.startsWith(QStringLiteral("Results have been copied to the clipboard.\n\n")));
}

void TestMainWindow::progressBarHoldsItsScale() {
    RealWindow real;
    ProgressBar& bar = real.toolkit.toolkit().progressBar1;
    bar.setValue(150.5);
    bar.setText(QStringLiteral("100% of entries"));
    QTRY_COMPARE(real.toolkit.window().progressBar1->value(), 100);
    QCOMPARE(real.toolkit.window().progressBar1->text(), QStringLiteral("100% of entries"));
    bar.setValue(-3);
    QTRY_COMPARE(real.toolkit.window().progressBar1->value(), 0);
}

void TestMainWindow::rowsFitTheirFont() {
    RealWindow real;
    qt::ReportView* view = real.toolkit.window().listView1;
    real.toolkit.listView1().appendItem(QStringLiteral("first"));
    real.toolkit.listView1().showAppended();
    for (int pointSize : {9, 24}) {
        QFont font = view->font();
        font.setPointSize(pointSize);
        view->setFont(font);
        QVERIFY(view->rowHeight(0) >= view->fontMetrics().height());
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
