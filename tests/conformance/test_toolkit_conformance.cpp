#include "common/toolkit/toolkit.h"
#include "conformance_suite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

void TestToolkitConformance::init() {
    QSettings(QStringLiteral("Quendale"), QStringLiteral("Tavrolin")).clear();
}

// Every dialog the window showed was answered in time.
void TestToolkitConformance::cleanup() {
    const QStringList problems = m_driver ? m_driver->problems() : QStringList();
    m_driver.reset();
    QCOMPARE(problems, QStringList());
}

void TestToolkitConformance::startState_data() {
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reported");
    addRows(u"nothing stored"_s, QString(), 0, u"Comma-space"_s, false);
    addRows(u"space stored"_s, u"2"_s, 2, u"Space"_s, false);
    addRows(u"no choice stored"_s, u"-1"_s, -1, QString(), false);
    // A stored position that is no item fails at start-up and leaves nothing chosen.
    addRows(u"position out of range"_s, u"7"_s, -1, QString(), true);
    addRows(u"position below -1"_s, u"-2"_s, -1, QString(), true);
    addRows(u"not a number"_s, u"x"_s, -1, QString(), true);
    addRows(u"beyond 16 bits"_s, u"70000"_s, -1, QString(), true);
}

void TestToolkitConformance::startState() {
    QFETCH(QString, toolkit);
    QFETCH(QString, stored);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(bool, reported);
    m_driver = makeDriver(toolkit);
    m_driver->storeChoice(stored);
    m_driver->load();

    QCOMPARE(m_driver->comboIndex(), index);
    QCOMPARE(m_driver->comboText(), text);
    QCOMPARE(m_driver->toolkit().combo1.listIndex(), index);
    QCOMPARE(m_driver->toolkit().combo1.text(), text);
    // The start-up selection is a pick: it stores the position again.
    QCOMPARE(m_driver->storedChoice(), stored.isNull() ? u"0"_s : stored);
    QCOMPARE(m_driver->messages().size(), reported ? 1 : 0);
    if (reported)
        QVERIFY(m_driver->messages().first().contains(u"Form1.Form_Load at line 144"_s));

    QCOMPARE(m_driver->toolkit().listView1.selectedItem(), 0);
    QCOMPARE(m_driver->toolkit().listView2.selectedItem(), 0);
    QCOMPARE(m_driver->toolkit().form.pointer(), pointer::Default);
    QVERIFY(m_driver->showsPointer(pointer::Default));
    QCOMPARE(m_driver->progressValue(), 0);
    QCOMPARE(m_driver->progressText(), u"Progress Bar"_s);

    // With nothing chosen, even a pick of the first item is a pick.
    if (index < 0) {
        m_driver->pickCombo(0);
        QCOMPARE(m_driver->comboText(), u"Comma-space"_s);
        QCOMPARE(m_driver->storedChoice(), u"0"_s);
    }
}

void TestToolkitConformance::listOperations_data() {
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<int>("selected");
    // "-i" removes item i, "*" all items, "mi,p" moves item i by p places, "ti,text" sets the
    // text of item i.
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("selectedAfter");
    addRows(u"remove before the selected"_s, 3, u"-1"_s, u"bcde"_s, 2);
    addRows(u"remove after the selected"_s, 2, u"-4"_s, u"abce"_s, 2);
    addRows(u"remove with none selected"_s, 0, u"-2"_s, u"acde"_s, 0);
    // The next item takes the selection of a removed one, the previous one at the end.
    addRows(u"remove the selected"_s, 3, u"-3"_s, u"abde"_s, 3);
    addRows(u"remove the selected last"_s, 5, u"-5"_s, u"abcd"_s, 4);
    addRows(u"remove all"_s, 2, u"*"_s, QString(), 0);
    // A moved item keeps the selection; the items it passes make room.
    addRows(u"move the selected up"_s, 3, u"m3,-2"_s, u"cabde"_s, 1);
    addRows(u"move another past the selected"_s, 3, u"m1,2"_s, u"bcade"_s, 2);
    addRows(u"move after the selected"_s, 2, u"m4,1"_s, u"abced"_s, 2);
    addRows(u"set the selected text"_s, 2, u"t2,x"_s, u"axcde"_s, 2);
}

void TestToolkitConformance::listOperations() {
    QFETCH(QString, toolkit);
    QFETCH(int, selected);
    QFETCH(QString, change);
    QFETCH(QString, left);
    QFETCH(int, selectedAfter);
    m_driver = loadedDriver(toolkit);
    for (int list : {1, 2}) {
        ListView& view = list == 1 ? m_driver->toolkit().listView1 : m_driver->toolkit().listView2;
        for (QChar letter : u"abcde"_s)
            view.appendItem(letter);
        QCOMPARE(view.itemCount(), 5);
        QCOMPARE(view.itemText(2), u"b"_s);
        QCOMPARE(view.itemChecked(2), false);
        if (selected > 0)
            m_driver->selectItem(list, selected);
        QCOMPARE(view.selectedItem(), selected);

        const int item = change.mid(1).section(u',', 0, 0).toInt();
        if (change.startsWith(u'-'))
            view.removeItem(item);
        else if (change == u"*")
            view.removeAll();
        else if (change.startsWith(u'm'))
            view.moveItem(item, change.section(u',', 1).toInt());
        else
            view.setItemText(item, change.section(u',', 1));
        QString texts;
        for (int row = 1; row <= view.itemCount(); ++row)
            texts += view.itemText(row);
        QCOMPARE(texts, left);
        QCOMPARE(m_driver->shownRows(list).join(QString()), left);
        QCOMPARE(view.selectedItem(), selectedAfter);
    }
}

void TestToolkitConformance::mouseMoves_data() {
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("shown"); // -1: the control has no handler
    for (const char* control :
         {"Form", "ListView1", "ListView1 header", "ListView2", "ListView2 header", "Frame1"})
        addRows(QString::fromLatin1(control), QString::fromLatin1(control), int(pointer::Default));
    for (int button = 1; button <= 8; ++button) {
        const QString name = QStringLiteral("PushButton%1").arg(button);
        addRows(name, name, int(pointer::Custom));
    }
    addRows(u"Combo1"_s, u"Combo1"_s, -1);
    addRows(u"ProgressBar1"_s, u"ProgressBar1"_s, -1);
}

// Over each control the pointer takes the value of its handler, but never replaces the
// hourglass; over a control without a handler it keeps what it had.
void TestToolkitConformance::mouseMoves() {
    QFETCH(QString, toolkit);
    QFETCH(QString, control);
    QFETCH(int, shown);
    m_driver = loadedDriver(toolkit);
    Window& form = m_driver->toolkit().form;
    for (int before : {pointer::Default, pointer::Custom, pointer::Hourglass}) {
        form.setPointer(before);
        m_driver->moveMouseOver(control);
        const int expected = before == pointer::Hourglass || shown < 0 ? before : shown;
        QCOMPARE(form.pointer(), expected);
        QVERIFY(m_driver->showsPointer(expected));
    }
}

void TestToolkitConformance::pickSetsSeparatorAndSetting_data() {
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    addRows(u"comma-space"_s, 0, QString(), u"first, second, third, fourth"_s);
    addRows(u"comma"_s, 1, QString(), u"first,second,third,fourth"_s);
    addRows(u"space"_s, 2, QString(), u"first second third fourth"_s);
    addRows(u"other"_s, 3, u" | "_s, u"first | second | third | fourth"_s);
}

void TestToolkitConformance::pickSetsSeparatorAndSetting() {
    QFETCH(QString, toolkit);
    QFETCH(int, choice);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    m_driver = loadedDriver(toolkit);
    m_driver->click(u"PushButton8"_s);
    QCOMPARE(m_driver->toolkit().listView1.itemCount(), 4);
    m_driver->pickCombo(choice);
    QCOMPARE(m_driver->comboIndex(), choice);
    QCOMPARE(m_driver->storedChoice(), QString::number(choice));
    if (!typed.isNull())
        m_driver->answerNextInput(typed);
    m_driver->click(u"PushButton4"_s);

    QCOMPARE(m_driver->messages(), QStringList{u"Done."_s});
    QCOMPARE(m_driver->toolkit().listView2.itemCount(), 1);
    QCOMPARE(m_driver->toolkit().listView2.itemText(1), result);
    QCOMPARE(m_driver->shownRows(2), QStringList{result});
    QCOMPARE(m_driver->progressText(), u"Progress Bar"_s);
    QVERIFY(m_driver->showsPointer(pointer::Default));
}

void TestToolkitConformance::savesAndCopiesTheTickedRow_data() {
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<QString>("name"); // in a temporary folder
    addRows(u"ticked row"_s, u"result"_s);
    // Without a load first: the dialog's name buffer is not left at a size too small for it.
    addRows(u"path longer than 260 characters"_s, QString(150, u'd') + u'/' + QString(150, u'r'));
}

void TestToolkitConformance::savesAndCopiesTheTickedRow() {
    QFETCH(QString, toolkit);
    QFETCH(QString, name);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    m_driver = loadedDriver(toolkit);
    m_driver->click(u"PushButton8"_s);
    m_driver->click(u"PushButton4"_s);
    m_driver->tickResultRow(1);
    QVERIFY(m_driver->toolkit().listView2.itemChecked(1));

    m_driver->chooseFilesNext({path});
    m_driver->click(u"PushButton1"_s);
    QCOMPARE(m_driver->fileDialogTitles(), QStringList{u"Save"_s});
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray caption = "Results - Extend bar to show all >" + QByteArray(59, ' ') + '>';
    QCOMPARE(saved.readAll(),
             caption + "\t\r\nfirst, second, third, fourth" + QByteArray(94 - 28, ' ') + "\t\r\n");

    m_driver->click(u"PushButton7"_s);
    QCOMPARE(m_driver->clipboardText(), u"first, second, third, fourth\r\n"_s);
    const QString shown =
        differencesOf(toolkit).shownMessage(u"Results have been copied to the clipboard.\r\r"_s);
    QVERIFY(m_driver->messages().last().startsWith(shown));
}

QTEST_MAIN(TestToolkitConformance)
