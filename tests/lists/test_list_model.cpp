#include "common/text_encoding.h"
#include "lists/list_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// The plain reference: one value per item.
struct Item {
    QString text;
    bool checked = false;
    QStringList subItems;

    bool operator==(const Item& other) const {
        return text == other.text && checked == other.checked && subItems == other.subItems;
    }
};

constexpr int kSubItemsCompared = 3;

QList<Item> items(const ListModel& model) {
    QList<Item> list;
    for (int row = 0; row < model.itemCount(); ++row) {
        Item entry{model.text(row), model.isChecked(row), {}};
        for (int column = 1; column <= kSubItemsCompared; ++column)
            entry.subItems.append(model.subItem(row, column));
        list.append(entry);
    }
    return list;
}

QList<Item> items(const ListContents& contents) {
    QList<Item> list;
    for (int i = 0; i < contents.size(); ++i) {
        Item entry{contents.texts.text(i), contents.checked[size_t(i)], {}};
        for (int k = 0; k < kSubItemsCompared; ++k)
            entry.subItems.append(contents.subItems.isEmpty() ? QString()
                                                              : contents.subItems[i].value(k));
        list.append(entry);
    }
    return list;
}

// The reference as the model hands it out: every compared sub-item present, empty or not.
QList<Item> padded(QList<Item> list) {
    for (Item& item : list)
        item.subItems.resize(kSubItemsCompared);
    return list;
}

QList<int> numbers(const QString& args) {
    QList<int> list;
    for (const QString& n : args.split(u','))
        list.append(n.toInt());
    return list;
}

} // namespace

// Every edit is made on the model and on a plain list of items side by side; after each, the
// items, what a view reads of the announced rows, the row generation and the signals agree.
class TestListModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void editsMatchAPlainList_data();
    void editsMatchAPlainList();
    void appendsReachViewsFromTheEventLoop();
};

void TestListModel::editsMatchAPlainList_data() {
    // Edits, rows counted from 0: "+text" appends, "-r" removes row r, "*" removes all, "xr" and
    // "or" set and clear the check mark of row r, "sr,c,text" sets its sub-item in column c, "!"
    // announces the appends, "/f,n" takes n rows from row f and puts them back, "~f,n" takes them
    // and keeps them aside, ">r" inserts what was put aside at row r, "mr,p" moves row r by p
    // places, "tr,text" gives row r the text, "&a|b" appends a block of texts in one go ("&" an
    // empty one).
    QTest::addColumn<QStringList>("edits");
    // rowsInserted signals in all: one per burst of appends and per insertion into a list
    // that has items (into an empty one the whole list comes back as a reset).
    QTest::addColumn<int>("insertions");
    QTest::newRow("a burst of appends is one insertion")
        << QStringList{u"+a"_s, u"+"_s, u"+c"_s, u"!"_s, u"!"_s} << 1;
    QTest::newRow("any other change announces the appends first")
        << QStringList{u"+a"_s, u"+b"_s, u"x1"_s, u"+c"_s, u"s0,1,a1"_s,
                       u"+d"_s, u"-0"_s, u"+e"_s, u"*"_s,  u"+f"_s}
        << 4;
    QTest::newRow("removal keeps marks and sub-items with their items")
        << QStringList{u"+a"_s, u"+b"_s, u"+c"_s, u"+d"_s, u"x2"_s, u"s1,2,b2"_s, u"-0"_s,
                       u"-2"_s, u"o1"_s, u"-0"_s, u"-0"_s, u"+e"_s, u"!"_s}
        << 2;
    QTest::newRow("rows taken and put back")
        << QStringList{u"+a"_s,   u"+bb"_s,  u"+c"_s,   u"x1"_s,  u"/1,1"_s,
                       u"/0,3"_s, u"/2,1"_s, u"/0,0"_s, u"/3,0"_s}
        << 3;
    QTest::newRow("rows taken and inserted elsewhere")
        << QStringList{u"+a"_s,   u"+b"_s, u"+c"_s,   u"+d"_s, u"s2,1,c1"_s, u"x3"_s,
                       u"~2,2"_s, u">0"_s, u"~1,3"_s, u">1"_s, u"~0,4"_s,    u">0"_s}
        << 3;
    QTest::newRow("sub-items meet items without any")
        << QStringList{u"+a"_s, u"+b"_s,   u"s0,3,a3"_s, u"~0,1"_s,  u">1"_s,
                       u"+c"_s, u"~2,1"_s, u">0"_s,      u"s1,1,x"_s}
        << 4;
    QTest::newRow("moves carry marks and sub-items")
        << QStringList{u"+a"_s,   u"+b"_s,   u"+c"_s,    u"+d"_s,   u"x0"_s, u"s3,2,d2"_s,
                       u"m0,1"_s, u"m1,2"_s, u"m3,-3"_s, u"m0,3"_s, u"+e"_s, u"m4,-4"_s}
        << 2;
    QTest::newRow("blocks of texts appended in one go")
        << QStringList{u"&a|bb|"_s, u"!"_s, u"x1"_s, u"s2,1,c1"_s, u"&d|e"_s,
                       u"+f"_s,     u"&"_s, u"*"_s,  u"&g"_s,      u"!"_s}
        << 3;
    QTest::newRow("texts replaced in place")
        << QStringList{u"+a"_s,      u"+bb"_s, u"+c"_s,     u"x1"_s, u"t1,"_s,
                       u"t0,aaaa"_s, u"+d"_s,  u"t2,c c"_s, u"t3,"_s}
        << 2;
}

void TestListModel::editsMatchAPlainList() {
    QFETCH(QStringList, edits);
    QFETCH(int, insertions);
    ListModel model(true, ListModel::Announce::WhenAsked);
    model.addColumn(u"Items"_s);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &ListModel::rowsInserted);
    QList<Item> handedOver;
    QList<Item> expected;
    ListContents aside;
    QList<Item> expectedAside;
    for (const QString& edit : edits) {
        const QString arg = edit.mid(1);
        const int rowsBefore = model.rowCount();
        const quint64 generation = model.rowGeneration();
        bool moves = false;
        handedOver.clear();
        QList<Item> removed;
        switch (edit.at(0).unicode()) {
        case u'+':
            model.appendItem(encode8Bit(arg));
            expected.append({arg, false, {}});
            break;
        case u'&': {
            const QStringList texts = arg.isEmpty() ? QStringList() : arg.split(u'|');
            PackedTexts block;
            for (const QString& text : texts)
                block.append(QStringView(text));
            const char* bytes = block.isEmpty() ? nullptr : block.at(0).data();
            const bool wasEmpty = model.itemCount() == 0;
            model.appendItems(std::move(block));
            for (const QString& text : texts)
                expected.append({text, false, {}});
            // Into an empty list the block moves in: the same bytes, not a copy.
            if (wasEmpty && bytes != nullptr)
                QCOMPARE(model.bytesAt(0).data(), bytes);
            break;
        }
        case u'-':
            handedOver = items(model.takeRows(arg.toInt(), 1));
            removed = {expected.takeAt(arg.toInt())};
            moves = true;
            break;
        case u'*':
            handedOver = items(model.removeAll());
            removed = std::exchange(expected, {});
            moves = !removed.isEmpty();
            break;
        case u'x':
        case u'o':
            model.setChecked(arg.toInt(), edit.at(0) == u'x');
            expected[arg.toInt()].checked = edit.at(0) == u'x';
            break;
        case u's': {
            const QStringList parts = arg.split(u',');
            model.setSubItem(parts[0].toInt(), parts[1].toInt(), parts[2]);
            QStringList& subItems = expected[parts[0].toInt()].subItems;
            subItems.resize(std::max(subItems.size(), qsizetype(parts[1].toInt())));
            subItems[parts[1].toInt() - 1] = parts[2];
            break;
        }
        case u'!':
            model.announceAppended();
            break;
        case u'm': {
            const QList<int> move = numbers(arg);
            model.move(move[0], move[1]);
            expected.move(move[0], move[0] + move[1]);
            moves = true;
            break;
        }
        case u't': {
            const int row = arg.section(u',', 0, 0).toInt();
            const QString text = arg.section(u',', 1);
            QCOMPARE(model.setText(row, text), expected[row].text);
            expected[row].text = text;
            break;
        }
        case u'/':
        case u'~': {
            const QList<int> range = numbers(arg);
            ListContents taken = model.takeRows(range[0], range[1]);
            QCOMPARE(items(taken), padded(expected.mid(range[0], range[1])));
            moves = range[1] > 0;
            if (edit.at(0) == u'/') {
                model.insertContents(range[0], std::move(taken));
            } else {
                aside = std::move(taken);
                expectedAside = expected.mid(range[0], range[1]);
                expected.remove(range[0], range[1]);
            }
            break;
        }
        case u'>': {
            const int row = arg.toInt();
            moves = row < expected.size();
            model.insertContents(row, std::exchange(aside, {}));
            for (qsizetype i = 0; i < expectedAside.size(); ++i)
                expected.insert(row + i, expectedAside[i]);
            break;
        }
        }
        QCOMPARE(items(model), padded(expected));
        QCOMPARE(handedOver, padded(removed));
        QCOMPARE(model.rowGeneration() > generation, moves);
        // Views hear of appends only when announced, and of everything else at once.
        QCOMPARE(model.rowCount(),
                 edit.at(0) == u'+' || edit.at(0) == u'&' ? rowsBefore : int(model.itemCount()));
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex index = model.index(row, 0);
            QCOMPARE(index.data().toString(), expected[row].text);
            QCOMPARE(index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked,
                     expected[row].checked);
        }
    }
    QCOMPARE(inserted.count(), insertions);
}

void TestListModel::appendsReachViewsFromTheEventLoop() {
    constexpr int kCount = 100'000;
    ListModel model(false, ListModel::Announce::FromEventLoop);
    model.addColumn(u"Items"_s);
    QSignalSpy inserted(&model, &ListModel::rowsInserted);
    for (int i = 0; i < kCount; ++i)
        model.appendItem(QByteArray::number(i));
    QCOMPARE(model.rowCount(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 0);
    QCOMPARE(inserted.at(0).at(2).toInt(), kCount - 1);
    QCOMPARE(model.rowCount(), kCount);
    // A removal before the event loop turns announces the append first; the call waiting in
    // the loop then finds nothing left to announce.
    model.appendItem("last");
    model.takeRows(0, 1);
    QCOMPARE(inserted.count(), 2);
    QCoreApplication::processEvents();
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(model.rowCount(), kCount);
    QCOMPARE(model.index(kCount - 1, 0).data().toString(), u"last"_s);
    QVERIFY(!model.flags(model.index(0, 0)).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(!model.index(0, 0).data(Qt::CheckStateRole).isValid());
}

QTEST_GUILESS_MAIN(TestListModel)
#include "test_list_model.moc"
