#include "qt/labelled_progress_bar.h"
#include "qt/report_view.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using namespace tavrolin;

namespace {

// Closes the next message box.
void closeNextMessage() {
    whenModalShows([](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            box->accept();
    });
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
    void skinAndCursorFilesHonoured();
    void deleteAndDoubleClickRemoveTheSelectedEntry();
    void resultRowsAreCheckable();
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
    closeNextMessage();
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
