// How the main window looks: its controls, lists, skin, colours and what the lists show.

#include "common/text_encoding.h"
#include "qt/labelled_progress_bar.h"
#include "qt/report_table.h"
#include "support/list_items.h"
#include "support/window_test.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;

class TestWindowLayout : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void windowAndLists();
    void tabOrder();
    void skinAndCursorFilesHonoured();
    void backgroundFollowsTheSystemColour();
    void listsShowEveryChange_data();
    void listsShowEveryChange();
    void resultShowsReadably_data();
    void resultShowsReadably();
    void wideColumnScrollsIntoView();
    void progressBarHoldsItsScale();
    void rowsFitTheirFont();
};

void TestWindowLayout::controlsAtTheirPlaces_data() {
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

void TestWindowLayout::controlsAtTheirPlaces() {
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

void TestWindowLayout::windowAndLists() {
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
    QCOMPARE(real.toolkit.window().applicationTitle(), QStringLiteral("Tavrolin"));
    // No display name of its own: under X11 Qt would add it to every title the desktop shows.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());

    const QString toolTip = QStringLiteral("Double-click item to remove it. Move | line to right "
                                           "and out of window to reveal full names.");
    QCOMPARE(toolTip.size(), 92);
    const QString results =
        QStringLiteral("Results - Extend bar to show all >") + QString(59, u' ') + u'>';
    const QList<std::pair<QString, QString>> lists = {
        {QStringLiteral("ListView1"), QStringLiteral("List Entries")},
        {QStringLiteral("ListView2"), results}};
    for (const auto& [name, caption] : lists) {
        auto* view = window.findChild<qt::ReportTable*>(name);
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

void TestWindowLayout::tabOrder() {
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

void TestWindowLayout::skinAndCursorFilesHonoured() {
    QTemporaryDir programFolder;
    const QDir folder(programFolder.path());
    {
        RealWindow plain(folder.path());
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
    QFile skinFile(folder.filePath(QStringLiteral("x/o.cjs")));
    QVERIFY(skinFile.open(QIODevice::WriteOnly));
    skinFile.write("QPushButton { color: navy; }");
    skinFile.close();
    QFile cursorFile(folder.filePath(QStringLiteral("HAND-M.CUR")));
    QVERIFY(cursorFile.open(QIODevice::WriteOnly));
    // A 1x1 monochrome cursor with its hot spot at (0, 0).
    cursorFile.write(QByteArray::fromHex("000002000100010102000000000038000000160000002800000001"
                                         "00000002000000010001000000000008000000000000000000000000"
                                         "00000000000000000000000000ffffff000000000000000000"));
    cursorFile.close();
    RealWindow skinned(folder.path());
    QCOMPARE(skinned.toolkit.window().styleSheet(), QStringLiteral("QPushButton { color: navy; }"));
    QVERIFY(skinned.toolkit.window()
                .findChild<QWidget*>(QStringLiteral("Frame1"))
                ->palette()
                .color(QPalette::Window) != QColor(Qt::white));
    skinned.form.PushButton1_MouseMove();
    QCOMPARE(skinned.toolkit.window().cursor().shape(), Qt::BitmapCursor);
}

// The skin's background is the system's button colour, also after the user changes it; white
// stays white.
void TestWindowLayout::backgroundFollowsTheSystemColour() {
    RealWindow real;
    auto& window = real.toolkit.window();
    window.setControlBackgroundColour(QStringLiteral("Frame1"), Colour::ButtonFace);
    window.setBackgroundColour(Colour::White);
    const QPalette system = QApplication::palette();
    QPalette changed = system;
    changed.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(changed);
    const auto shown = [](const QWidget* widget) {
        return widget->autoFillBackground() ? widget->palette().color(widget->backgroundRole())
                                            : QColor();
    };
    // The platform tells the windows of the change through the event loop.
    QTRY_COMPARE_WITH_TIMEOUT(shown(window.frame1), QColor(0x12, 0x34, 0x56), 2000);
    QCOMPARE(shown(&window), QColor(Qt::white));
    window.setBackgroundColour(Colour::ButtonFace);
    changed.setColor(QPalette::Button, QColor(0x65, 0x43, 0x21));
    QApplication::setPalette(changed);
    QTRY_COMPARE_WITH_TIMEOUT(shown(&window), QColor(0x65, 0x43, 0x21), 2000);
    QApplication::setPalette(system);
}

void TestWindowLayout::listsShowEveryChange_data() {
    QTest::addColumn<int>("selected");
    // "-i" removes item i, "*" all items, "mi,p" moves item i by p places, "ti,text" sets the
    // text of item i.
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("remove before the selected") << 3 << "-1"
                                                << "bcde" << 2;
    QTest::newRow("remove after the selected") << 2 << "-4"
                                               << "abce" << 2;
    QTest::newRow("remove with none selected") << 0 << "-2"
                                               << "acde" << 0;
    // The next item takes the selection of a removed one, the previous one at the end.
    QTest::newRow("remove the selected") << 3 << "-3"
                                         << "abde" << 3;
    QTest::newRow("remove the selected last") << 5 << "-5"
                                              << "abcd" << 4;
    QTest::newRow("remove all") << 2 << "*"
                                << "" << 0;
    // A moved item keeps the selection; the items it passes make room.
    QTest::newRow("move the selected up") << 3 << "m3,-2"
                                          << "cabde" << 1;
    QTest::newRow("move another past the selected") << 3 << "m1,2"
                                                    << "bcade" << 2;
    QTest::newRow("move after the selected") << 2 << "m4,1"
                                             << "abced" << 2;
    QTest::newRow("set the selected text") << 2 << "t2,x"
                                           << "axcde" << 2;
}

// Both lists show each change to their items, and the row the user clicked stays selected
// as the items around it come and go.
void TestWindowLayout::listsShowEveryChange() {
    QFETCH(int, selected);
    QFETCH(QString, change);
    QFETCH(QString, left);
    QFETCH(int, selectedAfter);
    RealWindow real;
    for (int list : {1, 2}) {
        ListView& items =
            list == 1 ? real.toolkit.toolkit().listView1 : real.toolkit.toolkit().listView2;
        qt::ReportTable* view =
            list == 1 ? real.toolkit.window().listView1 : real.toolkit.window().listView2;
        for (const char* letter : {"a", "b", "c", "d", "e"})
            items.appendItem(letter);
        QCOMPARE(items.itemCount(), 5);
        QCOMPARE(itemText(items, 2), QStringLiteral("b"));
        QVERIFY(!items.itemChecked(2));
        QCoreApplication::processEvents(); // appends reach the view from the event loop
        if (selected > 0)
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(view->model()->index(selected - 1, 0)).center());
        QCOMPARE(items.selectedItem(), selected);

        const int item = change.mid(1).section(u',', 0, 0).toInt();
        if (change.startsWith(u'-'))
            items.removeItem(item);
        else if (change == u"*")
            items.removeAll();
        else if (change.startsWith(u'm'))
            items.moveItem(item, change.section(u',', 1).toInt());
        else
            items.setItemText(item, change.section(u',', 1));
        QCoreApplication::processEvents();
        QString texts;
        QString shown;
        for (int row = 1; row <= items.itemCount(); ++row)
            texts += itemText(items, row);
        for (int row = 0; row < view->model()->rowCount(); ++row)
            shown += view->model()->index(row, 0).data().toString();
        QCOMPARE(texts, left);
        QCOMPARE(shown, left);
        QCOMPARE(items.selectedItem(), selectedAfter);
    }
}

void TestWindowLayout::resultShowsReadably_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("copied");
    const QString bytes = decode8Bit("caf\xE9 \x80\x93");
    QTest::newRow("kept bytes") << bytes << QStringLiteral("caf\u00E9 \u20AC\u201C")
                                << QStringLiteral("caf\u00E9 \u20AC\u201C\r\n");
    const QString longText = QString(1990, u'a') + QString(1000, u'b');
    QTest::newRow("long") << longText
                          << QString(1990, u'a') + QString(10, u'b') + QStringLiteral("\u2026")
                          << longText + QStringLiteral("\r\n");
    // The cut falls inside a surrogate pair, which goes whole.
    const QString pairAtCut = QString(1999, u'a') + QStringLiteral("\U0001F600 end");
    QTest::newRow("pair at the cut") << pairAtCut << QString(1999, u'a') + QStringLiteral("\u2026")
                                     << pairAtCut + QStringLiteral("\r\n");
    // Only the start of a long text is decoded for the cell; the cut still counts characters.
    const QString wide(2500, QChar(0x6771));
    QTest::newRow("long, three-byte characters")
        << wide << QString(2000, QChar(0x6771)) + QStringLiteral("\u2026")
        << wide + QStringLiteral("\r\n");
    const QString keptAtCut = QString(1999, u'a') + decode8Bit("\xFF") + QString(500, u'b');
    QTest::newRow("long, a kept byte at the cut")
        << keptAtCut << QString(1999, u'a') + QStringLiteral("\u00FF\u2026")
        << QString(1999, u'a') + QStringLiteral("\u00FF") + QString(500, u'b') +
               QStringLiteral("\r\n");
    const QString marked = QStringLiteral("\uFEFFlist");
    QTest::newRow("byte-order mark first") << marked << marked << marked + QStringLiteral("\r\n");
}

// What the user reads in the list, on the progress bar and on the clipboard; saving keeps
// the text as it is.
void TestWindowLayout::resultShowsReadably() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, copied);
    RealWindow real;
    auto& window = real.toolkit.window();
    appendText(real.toolkit.listView2(), text);
    real.toolkit.listView2().setItemChecked(1, true);
    real.toolkit.listView2().model().announceAppended();
    QCOMPARE(window.listView2->model()->index(0, 0).data().toString(), shown);
    QCOMPARE(itemText(real.toolkit.listView2(), 1), text);
    // The bar shows no more of a text than a cell, given whole or as an entry's bytes.
    ProgressBar& bar = real.toolkit.toolkit().progressBar1;
    bar.setText(text);
    QTRY_COMPARE(window.progressBar1->text(), shown);
    bar.setText(QStringLiteral("Processing: "), encode8Bit(text));
    QTRY_COMPARE(window.progressBar1->text(), QStringLiteral("Processing: ") + shown);
    dialogs().closeMessage();
    QTest::mouseClick(window.pushButton7, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void TestWindowLayout::wideColumnScrollsIntoView() {
    RealWindow real;
    qt::ReportTable* view = real.toolkit.window().listView2;
    appendText(real.toolkit.listView2(), QString(5000, u'x'));
    real.toolkit.listView2().model().announceAppended();
    view->header()->resizeSection(0, 3000);
    QTRY_VERIFY(view->horizontalScrollBar()->maximum() > 0);
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    QCOMPARE(view->columnViewportPosition(0) + 3000, view->viewport()->width());
}

void TestWindowLayout::progressBarHoldsItsScale() {
    RealWindow real;
    ProgressBar& bar = real.toolkit.toolkit().progressBar1;
    bar.setValue(150.5);
    bar.setText(QStringLiteral("100% of entries"));
    QTRY_COMPARE(real.toolkit.window().progressBar1->value(), 100);
    QCOMPARE(real.toolkit.window().progressBar1->text(), QStringLiteral("100% of entries"));
    bar.setValue(-3);
    QTRY_COMPARE(real.toolkit.window().progressBar1->value(), 0);
}

void TestWindowLayout::rowsFitTheirFont() {
    RealWindow real;
    qt::ReportTable* view = real.toolkit.window().listView1;
    appendText(real.toolkit.listView1(), QStringLiteral("first"));
    real.toolkit.listView1().model().announceAppended();
    for (int pointSize : {9, 24}) {
        QFont font = view->font();
        font.setPointSize(pointSize);
        view->setFont(font);
        QVERIFY(view->rowHeight(0) >= view->fontMetrics().height());
    }
}

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
