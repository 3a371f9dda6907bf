#include "common/packed_texts.h"

#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

QStringList contents(const PackedTexts& texts) {
    QStringList list;
    for (qsizetype i = 0; i < texts.size(); ++i)
        list.append(texts.text(i));
    return list;
}

} // namespace

// Every edit is checked against the same edit on a plain list of strings, so an offset left
// behind by an insertion, a removal or a split shows as a wrong text.
class TestPackedTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void editsMatchAPlainList_data();
    void editsMatchAPlainList();
};

void TestPackedTexts::editsMatchAPlainList_data() {
    // Edits: "+text" appends, "<i>text" inserts at i, "-i" removes row i, "/i" takes the rows
    // from i on and appends them again, "~i" takes them and drops them, "^i,n,j" takes n rows
    // from row i and inserts them at row j of what is left, "=" copies the texts, and the copy
    // must stay as it was through the edits that follow.
    QTest::addColumn<QStringList>("edits");
    QTest::newRow("appends, empty texts among them")
        << QStringList{u"+a"_s, u"+"_s, u"+ccc"_s, u"+"_s};
    QTest::newRow("insert first, middle, last")
        << QStringList{u"+b"_s, u"+d"_s, u"<0>a"_s, u"<2>c"_s, u"<4>e"_s, u"<1>"_s};
    QTest::newRow("remove first, middle, last")
        << QStringList{u"+aa"_s, u"+b"_s, u"+"_s, u"+dddd"_s, u"+e"_s, u"-0"_s, u"-1"_s, u"-2"_s};
    QTest::newRow("remove then insert at the same row")
        << QStringList{u"+x"_s, u"+yy"_s, u"+z"_s, u"-1"_s, u"<1>yy"_s, u"+w"_s};
    QTest::newRow("take the tail and put it back")
        << QStringList{u"+a"_s, u"+bb"_s, u"+"_s, u"+ccc"_s, u"/1"_s, u"+d"_s, u"/0"_s, u"/4"_s};
    QTest::newRow("take the tail and edit what is left") << QStringList{
        u"+a"_s, u"+bb"_s, u"+c"_s, u"~2"_s, u"<1>x"_s, u"+dd"_s, u"-0"_s, u"~0"_s, u"+again"_s};
    QTest::newRow("characters beyond the BMP")
        << QStringList{u"+\U0001F600"_s, u"+é"_s, u"<1>\U0001F4A9x"_s, u"-0"_s};
    // Texts are kept as their bytes: a kept byte comes back as the same lone surrogate, also
    // right after a pair whose low half looks like one.
    QTest::newRow("kept bytes") << QStringList{
        u"+"_s + QChar(0xDCFF), u"+x\U0001F600"_s + QChar(0xDC80),
        u"<1>"_s + QChar(0xDCC3) + u"\uFEFF"_s, u"/1"_s, u"-0"_s};
    QTest::newRow("edits after a copy")
        << QStringList{u"+a"_s, u"+bb"_s,  u"+c"_s, u"="_s,      u"-1"_s, u"="_s, u"/1"_s,
                       u"="_s,  u"<0>x"_s, u"="_s,  u"^0,2,1"_s, u"="_s,  u"~1"_s};
    QTest::newRow("runs taken from the middle, inserted elsewhere")
        << QStringList{u"+a"_s,     u"+bb"_s,    u"+"_s,      u"+ccc"_s,   u"+d"_s,
                       u"^1,2,2"_s, u"^0,3,0"_s, u"^2,0,1"_s, u"^1,3,0"_s, u"^0,5,0"_s};
}

void TestPackedTexts::editsMatchAPlainList() {
    QFETCH(QStringList, edits);
    PackedTexts texts;
    QStringList expected;
    PackedTexts copy;
    QStringList copied;
    for (const QString& edit : edits) {
        const QString arg = edit.mid(1);
        switch (edit.at(0).unicode()) {
        case u'=':
            copy = texts;
            copied = expected;
            break;
        case u'+':
            texts.append(arg);
            expected.append(arg);
            break;
        case u'<': {
            const qsizetype close = arg.indexOf(u'>');
            const int row = arg.left(close).toInt();
            PackedTexts one;
            one.append(arg.mid(close + 1));
            texts.insert(row, std::move(one));
            expected.insert(row, arg.mid(close + 1));
            break;
        }
        case u'-':
            texts.take(arg.toInt(), 1);
            expected.removeAt(arg.toInt());
            break;
        case u'^': {
            const QStringList numbers = arg.split(u',');
            const int from = numbers[0].toInt();
            const int count = numbers[1].toInt();
            const int to = numbers[2].toInt();
            PackedTexts run = texts.take(from, count);
            QCOMPARE(contents(run), expected.mid(from, count));
            texts.insert(to, std::move(run));
            const QStringList moved = expected.mid(from, count);
            expected.remove(from, count);
            for (int i = 0; i < count; ++i)
                expected.insert(to + i, moved[i]);
            break;
        }
        case u'/':
        case u'~': {
            PackedTexts tail = texts.take(arg.toInt(), texts.size() - arg.toInt());
            QCOMPARE(contents(tail), expected.mid(arg.toInt()));
            QCOMPARE(contents(texts), expected.first(arg.toInt()));
            if (edit.at(0) == u'/')
                texts.append(std::move(tail));
            else
                expected.resize(arg.toInt());
            break;
        }
        }
        QCOMPARE(contents(texts), expected);
        QCOMPARE(texts.size(), expected.size());
        QCOMPARE(contents(copy), copied);
    }
}

QTEST_GUILESS_MAIN(TestPackedTexts)
#include "test_packed_texts.moc"
