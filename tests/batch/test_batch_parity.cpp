// One engine: each job run in the window offscreen, as a user does it, and by the program in
// batch mode as a process; the bytes must be the same. Plain output is the file "Save Results as
// Plain Text…" writes, the aligned layout the file "Save Results To CSV/Text File" writes.

#include "create/started_window.h"
#include "entries/tool_table.h"
#include "qt/csv_column_dialog.h"
#include "qt/duplicates_dialog.h"
#include "qt/entry_list_menu.h"
#include "qt/report_table.h"
#include "qt/split_dialog.h"
#include "qt/wrap_dialog.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr int kOther = 3;

// Awkward on purpose: CR LF and a lone CR, kept bytes, a byte-order mark, spaces to trim,
// duplicates, an empty line, a quote to double, separators to split at.
const QByteArray kFirst = "\xEF\xBB\xBFpear \r\n apple\rcaf\xE9\n\nO'Brien\r\nitem10\nitem2\n";
const QByteArray kSecond = "b, a\napple\n\xC3\xA9t\xC3\xA9\n pear\n";

// For a column: quoted delimiters, a doubled quote, a line break in a field, an empty field,
// a byte-order mark and a kept byte.
const QByteArray kFirstCsv = "\xEF\xBB\xBFid;name;note\r\n1;\"Smith; J\";caf\xE9\r\n"
                             "2;\"O\"\"Brien\";\"two\nlines\"\r\n3;;x\r\n";
const QByteArray kSecondCsv = "id;name;note\n4;Zed;\n5;\" spaced \";y\n";

// The column the CSV words (--column, --delimiter, --header) ask for, taken out of the words.
struct ColumnWords {
    QString column; // empty when the words ask for no column
    bool header = false;
    char delimiter = 0;

    explicit ColumnWords(QStringList& words) {
        const qsizetype at = words.indexOf(u"--column"_s);
        if (at < 0)
            return;
        column = words.takeAt(at + 1);
        words.removeAt(at);
        header = words.removeAll(u"--header"_s) > 0;
        if (const qsizetype d = words.indexOf(u"--delimiter"_s); d >= 0) {
            delimiter = words.takeAt(d + 1).at(0).toLatin1();
            words.removeAt(d);
        }
    }

    // Answers the window's dialog as the words ask.
    void answer() const {
        dialogs().answerDialog(u"Load Column From CSV File"_s, [this](QDialog* dialog) {
            bool number = false;
            const int index = column.toInt(&number) - 1;
            if (delimiter != 0) {
                auto* delimiters = dialog->findChild<QComboBox*>(u"delimiter"_s);
                delimiters->setCurrentIndex(delimiters->findData(int(delimiter)));
            }
            dialog->findChild<QCheckBox*>(u"header"_s)->setChecked(header || !number);
            auto* columns = dialog->findChild<QComboBox*>(u"column"_s);
            static_cast<qt::CsvColumnDialog*>(dialog)->pickColumn(
                number ? index : int(columns->findText(u": "_s + column, Qt::MatchEndsWith)));
            dialog->accept();
        });
    }
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// What the shaping words ask of the window's dialogs, wherever they stand.
struct Shaping {
    DuplicateRules rules;
    qt::SplitDialog::Quotes quotes = qt::SplitDialog::NoQuotes;
    int groupSize = 0;
    QString before;
    QString after;

    explicit Shaping(const QStringList& words) {
        using Keep = DuplicateRules::Keep;
        const QStringList keeps{u"first"_s, u"last"_s, u"once"_s, u"repeated"_s};
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString value = words.value(i + 1);
            if (words.at(i) == u"--ignore-case")
                rules.ignoreCase = true;
            else if (words.at(i) == u"--ignore-spaces")
                rules.ignoreSpaces = true;
            else if (words.at(i) == u"--keep")
                rules.keep = Keep(keeps.indexOf(value));
            else if (words.at(i) == u"--quotes")
                quotes = value == u"csv"    ? qt::SplitDialog::DoubleQuotes
                         : value == u"json" ? qt::SplitDialog::JsonQuotes
                                            : qt::SplitDialog::SingleQuotes;
            else if (words.at(i) == u"--group")
                groupSize = value.toInt();
            else if (words.at(i) == u"--before")
                before = value;
            else if (words.at(i) == u"--after")
                after = value;
        }
    }
};

// Runs a tool of the command line in the window from its menu item, answering its dialog as
// the words ask.
void runInWindow(Started& w, const ToolRow& row, const QStringList& values,
                 const Shaping& shaping) {
    const QString value = values.value(0);
    const QString menuText = QString::fromUtf16(row.menuText);
    const QString title = QString(menuText).remove(u'\u2026');
    if (row.tool == EntryListTool::RemoveDuplicates) {
        dialogs().answerDialog(title, [&shaping](QDialog* dialog) {
            static_cast<qt::DuplicatesDialog*>(dialog)->setRules(shaping.rules);
            dialog->accept();
        });
    } else if (row.tool == EntryListTool::Wrap) {
        // The presets stand in the order of --wrap's words; --wrap-with's texts are typed.
        dialogs().answerDialog(title, [values](QDialog* dialog) {
            const qsizetype word = QString::fromUtf16(toolOptionNamed(u"--wrap").option->words)
                                       .split(u'|')
                                       .indexOf(values.value(0));
            static_cast<qt::WrapDialog*>(dialog)->choosePreset(
                values.size() == 1 ? qt::WrapDialog::Preset(word) : qt::WrapDialog::NoQuotes);
            if (values.size() == 2) {
                dialog->findChild<QLineEdit*>(u"before"_s)->setText(values.at(0));
                dialog->findChild<QLineEdit*>(u"after"_s)->setText(values.at(1));
            }
            dialog->accept();
        });
    } else if (row.tool == EntryListTool::Split) {
        dialogs().answerDialog(title, [&](QDialog* dialog) {
            static_cast<qt::SplitDialog*>(dialog)->setAnswer(value, shaping.quotes);
            dialog->accept();
        });
    }
    const auto* menu = w.window().listView1->findChild<qt::EntryListMenu*>(u"ListView1Menu"_s);
    for (QAction* action : menu->actions()) {
        if (action->text() == menuText)
            action->trigger();
    }
}

// Creates the list as "Start Creating List" does, or in groups when the job asks for them.
void createInWindow(Started& w, const Shaping& shaping) {
    if (shaping.groupSize == 0) {
        w.press();
        return;
    }
    dialogs().answerDialog(u"Create in Groups"_s, [&shaping](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(u"groupSize"_s)->setText(QString::number(shaping.groupSize));
        dialog->findChild<QLineEdit*>(u"before"_s)->setText(shaping.before);
        dialog->findChild<QLineEdit*>(u"after"_s)->setText(shaping.after);
        dialog->accept();
    });
    w.window().dispatch([&] { w.form.ListView1_CreateInGroups(); });
}

} // namespace

class TestBatchParity : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void sameBytes_data();
    void sameBytes();
};

void TestBatchParity::sameBytes_data() {
    QTest::addColumn<QStringList>("tools"); // the batch words, each tool with its value
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("aligned");

    // The words split at spaces; a value with a space in it needs a list of its own.
    const auto row = [](const char* name, const QString& words, const QString& separator,
                        bool aligned = false) {
        QTest::newRow(name) << words.split(u' ', Qt::SkipEmptyParts) << separator << aligned;
    };
    row("join only", {}, u","_s);
    row("join only, aligned", {}, u", "_s, true);
    row("tab", {}, u"\t"_s);
    row("sort, dedupe", u"--trim --sort --dedupe"_s, u";"_s);
    row("sort Z to A, reverse, aligned", u"--sort-desc --reverse --drop-empty"_s, u" | "_s, true);
    row("split, trim, wrap sql", u"--split , --trim --wrap sql"_s, u","_s);
    row("dedupe by rules, keep last", u"--ignore-case --dedupe --ignore-spaces --keep last"_s,
        u","_s);
    row("split CSV quotes after a wrap", u"--wrap csv --split , --quotes csv"_s, u";"_s);
    QTest::newRow("groups of 3 in an IN list")
        << QStringList{u"--group"_s, u"3"_s, u"--before"_s, u"IN ("_s,
                       u"--after"_s, u")"_s, u"--wrap"_s,   u"sql"_s}
        << u","_s << false;
    row("groups of 4, aligned", u"--group 4"_s, u" "_s, true);
    row("wrap csv, aligned", u"--drop-empty --wrap csv"_s, u"\u00e9"_s, true);
    row("wrap json", u"--wrap json"_s, u","_s);
    row("wrap regex", u"--wrap regex"_s, u"|"_s);
    row("wrap shell", u"--split , --wrap shell"_s, u" "_s);
    row("split JSON strings after a wrap", u"--wrap json --split , --quotes json"_s, u","_s);
    row("wrap with a typed tab", u"--wrap-with \\t ]"_s, u","_s);
    // Several lines, with the inputs' kept byte and empty entry among them.
    row("groups of 2, empty entries kept", u"--group 2"_s, u"\u00e9 "_s);
    row("groups of 1, sorted", u"--sort --group 1"_s, u"-"_s);
    row("split, reversed", u"--split , --reverse"_s, u"\t"_s);
    row("a column by its name, delimiter guessed", u"--column name"_s, u"|"_s);
    row("a column by number, given, sorted", u"--column 3 --delimiter ; --header --sort"_s, u","_s);
    row("a column with its header, aligned", u"--column 1 --trim"_s, u","_s, true);
}

void TestBatchParity::sameBytes() {
    QFETCH(QStringList, tools);
    QFETCH(QString, separator);
    QFETCH(bool, aligned);

    QTemporaryDir dir;
    const QStringList files{dir.filePath(u"first.txt"_s), dir.filePath(u"second.txt"_s)};
    const QStringList batchWords = tools;
    const bool csv = tools.contains(u"--column"_s);
    for (const QString& name : files) {
        const QByteArray& bytes =
            name == files.at(0) ? (csv ? kFirstCsv : kFirst) : (csv ? kSecondCsv : kSecond);
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    // The window: load each file, run the tools, create with "Other", tick every row, save.
    Started w(kOther);
    const ColumnWords column(tools);
    for (const QString& file : files) {
        dialogs().chooseFile(file);
        if (csv) {
            column.answer();
            w.window().dispatch([&] { w.form.ListView1_LoadColumn(); });
        } else {
            w.window().pushButton6->click();
        }
    }
    const Shaping shaping(tools);
    // A word the tools do not know shapes the creation, with a value.
    for (qsizetype i = 0; i < tools.size(); ++i) {
        const auto [row, option] = toolOptionNamed(tools.at(i));
        const qsizetype values =
            !option ? 1 : std::max<qsizetype>(option->textCount(), option->takesValue() ? 1 : 0);
        if (option && !option->shapes)
            runInWindow(w, *row, tools.mid(i + 1, values), shaping);
        i += values;
    }
    dialogs().typeInput(separator);
    dialogs().closeMessage();
    createInWindow(w, shaping);
    QAbstractItemModel* results = w.window().listView2->model();
    for (int row = 0; row < results->rowCount(); ++row)
        QVERIFY(results->setData(results->index(row, 0), Qt::Checked, Qt::CheckStateRole));
    // The aligned layout is the specified save's file, plain lines the plain save's.
    const QString saved = dir.filePath(u"saved.csv"_s);
    dialogs().chooseFile(saved);
    if (aligned)
        w.window().pushButton1->click();
    else
        w.window().listView2->findChild<QMenu*>(u"ListView2Menu"_s)->actions().at(0)->trigger();

    // The program, as a script runs it: no display, no platform.
    QProcess batch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    batch.setProcessEnvironment(environment);
    QStringList arguments = QStringList{u"--join"_s, separator} + batchWords;
    if (aligned)
        arguments.append(u"--aligned"_s);
    batch.start(QStringLiteral(TAVROLIN_PROGRAM), arguments + files);
    QVERIFY(batch.waitForFinished(30000));
    QCOMPARE(batch.readAllStandardError(), QByteArray());
    QCOMPARE(batch.exitCode(), 0);
    QCOMPARE(batch.readAllStandardOutput(), readFile(saved));
}

QTEST_MAIN(TestBatchParity)
#include "test_batch_parity.moc"
