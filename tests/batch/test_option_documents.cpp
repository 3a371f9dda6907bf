// The manual page and the bash completion as the build writes them: the page lists every option
// the parser takes, and bash, with the real bash-completion, completes each command line of the
// table as a user at a terminal would see it.

#include "batch/batch_arguments.h"
#include "batch/batch_options.h"
#include "batch/option_documents.h"
#include "entries/tool_table.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The options each term of the page (the line after .TP) starts with: "-o, --output FILE".
QSet<QString> manualOptions(const QString& page) {
    static const QRegularExpression kFonts(uR"(\\f[BIR])"_s);
    static const QRegularExpression kNames(uR"(^(-{1,2}[a-z][a-z-]*)(?:, (--[a-z][a-z-]*))?)"_s);
    QSet<QString> names;
    const QStringList lines = page.split(u'\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i - 1) != u".TP")
            continue;
        const QString term = QString(lines.at(i)).remove(kFonts).replace(u"\\-"_s, u"-"_s);
        const QRegularExpressionMatch match = kNames.match(term);
        for (int n = 1; n <= 2; ++n) {
            if (match.hasMatch() && !match.captured(n).isEmpty())
                names.insert(match.captured(n));
        }
    }
    return names;
}

// The options --help lists at the start of a line.
QSet<QString> helpOptions() {
    static const QRegularExpression kNames(uR"(^  (-{1,2}[a-z][a-z-]*)(?:, (--[a-z][a-z-]*))?)"_s,
                                           QRegularExpression::MultilineOption);
    QSet<QString> names;
    for (const QRegularExpressionMatch& match : kNames.globalMatch(helpText())) {
        for (int n = 1; n <= 2; ++n) {
            if (!match.captured(n).isEmpty())
                names.insert(match.captured(n));
        }
    }
    return names;
}

// The keys a part of a text names, from its heading to the next of the same level.
QSet<QString> keysUnder(const QString& text, const QString& heading, const QString& next) {
    static const QRegularExpression kKeys(
        uR"(\b(?:(?:Ctrl|Alt|Shift)\+)+(?:F\d+|[A-Z][a-z]*)\b|\bF\d+\b|\b(?:Delete|Tab|Menu|Home|End)\b)"_s);
    const qsizetype start = text.indexOf(heading);
    const QString part = text.mid(start, text.indexOf(next, start + 1) - start);
    QSet<QString> keys;
    for (const QRegularExpressionMatch& match : kKeys.globalMatch(part))
        keys.insert(match.captured());
    return keys;
}

QSet<QString> readmeKeys() {
    return keysUnder(readText(QStringLiteral(TAVROLIN_README)), u"\n## Shortcuts\n"_s, u"\n## "_s);
}

QSet<QString> manualKeys() {
    return keysUnder(readText(QStringLiteral(TAVROLIN_MANUAL)), u"\n.SH KEYBOARD SHORTCUTS\n"_s,
                     u"\n.SH "_s);
}

QSet<QString> tableOptions() {
    QSet<QString> names;
    for (const BatchOption& option : kBatchOptions) {
        names.insert(QString::fromUtf16(option.name));
        if (*option.shortName)
            names.insert(QString::fromUtf16(option.shortName));
    }
    for (const ToolRow& row : kToolTable) {
        for (const ToolOption& option : row.options)
            names.insert(QString::fromUtf16(option.name));
    }
    return names;
}

// Sources bash-completion and the completion, then completes the words as bash hands them over.
constexpr auto kComplete = R"(
source /usr/share/bash-completion/bash_completion || exit 3
source "$1" || exit 4
COMP_LINE=$2
COMP_POINT=${#COMP_LINE}
shift 2
COMP_WORDS=("$@")
COMP_CWORD=$(($# - 1))
_tavrolin tavrolin "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
printf '%s\n' "${COMPREPLY[@]}"
)";

// The words bash makes of the line for a completion: split at blanks, with "=" a word of its
// own (the lines here quote no blank).
QStringList completionWords(const QString& line) {
    QStringList words;
    for (const QString& part : line.split(u' ')) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals < 0) {
            words.append(part);
            continue;
        }
        words << part.first(equals) << u"="_s;
        if (equals + 1 < part.size())
            words.append(part.sliced(equals + 1));
    }
    return words;
}

} // namespace

class TestOptionDocuments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void manualListsEveryOption_data();
    void manualListsEveryOption();
    void manualTerms_data();
    void manualTerms();
    void manualTemplate_data();
    void manualTemplate();
    void completion_data();
    void completion();
    void manualShortcuts_data();
    void manualShortcuts();
    void menuItems_data();
    void menuItems();
};

void TestOptionDocuments::manualListsEveryOption_data() {
    QTest::addColumn<QString>("option");
    const QSet<QString> all =
        manualOptions(readText(QStringLiteral(TAVROLIN_MANUAL))) + tableOptions() + helpOptions();
    QVERIFY(all.size() > 20);
    for (const QString& option : all)
        QTest::newRow(qPrintable(option)) << option;
}

// Each option is in the page, the tables and --help (--join in its usage lines), and the parser
// takes it: no option can be added or dropped in one and not the others.
void TestOptionDocuments::manualListsEveryOption() {
    QFETCH(QString, option);
    QVERIFY(manualOptions(readText(QStringLiteral(TAVROLIN_MANUAL))).contains(option));
    QVERIFY(tableOptions().contains(option));
    QCOMPARE(helpOptions().contains(option), option != u"--join");
    const BatchArguments parsed = parseBatchArguments({u"tavrolin"_s, option}, u"/"_s);
    QVERIFY2(!parsed.text.contains(u"unknown option"_s), qPrintable(parsed.text));
}

void TestOptionDocuments::manualTerms_data() {
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("after");
    QTest::newRow("short name, file") << uR"(\fB\-o\fR, \fB\-\-output\fR \fIFILE\fR)"_s
                                      << u"Write to FILE (replaced only when complete), not "
                                         u"standard output.\n"_s;
    QTest::newRow("words")
        << uR"(\fB\-\-wrap\fR \fBcsv\fR | \fBsql\fR | \fBnone\fR | \fBjson\fR | \fBregex\fR | \fBshell\fR)"_s
        << u"Wrap each entry in double or single quotes, doubling them "
           u"inside, or quote it as a JSON string, a regular expression or a "
           u"POSIX shell word.\n"_s;
    QTest::newRow("named words, shapes")
        << uR"(\fB\-\-keep\fR \fIWHICH\fR)"_s
        << u"first (default), last, once (only entries that occur once) or repeated (one of "
           u"each entry that occurs more than once).\nNeeds \\fB\\-\\-dedupe\\fR, wherever it "
           u"stands.\nWith\n.BR last ,\n"_s;
    QTest::newRow("two values") << uR"(\fB\-\-wrap\-with\fR \fIBEFORE AFTER\fR)"_s
                                << u"Put BEFORE and AFTER around each entry.\nWhen"_s;
    QTest::newRow("no help text, a note")
        << uR"(\fB\-\-join\fR \fISEP\fR)"_s
        << u"Joins the entries instead of opening the window; the options of\n"_s;
    QTest::newRow("dash escaped") << uR"(\fB\-\-aligned\fR)"_s
                                  << u"Write the window's saved\\-file layout.\nThat is"_s;
}

// Each option's term and what follows it: the names bold, a value italic or its words bold,
// --help's text as one paragraph, then the note.
void TestOptionDocuments::manualTerms() {
    QFETCH(QString, term);
    QFETCH(QString, after);
    const QString page = readText(QStringLiteral(TAVROLIN_MANUAL));
    QVERIFY2(page.contains(u".TP\n"_s + term + u'\n' + after), qPrintable(term));
}

void TestOptionDocuments::manualTemplate_data() {
    QTest::addColumn<QString>("pageTemplate");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("error");
    const QString all = u".\\\" options: program\n.\\\" options: join\n.\\\" options: input\n"
                        u".\\\" options: tools\n"
                        u".\\\" options: output"_s;
    QTest::newRow("every section") << all << u".\\\" comment\n.\\\" --trim\nMore.\n"_s << QString();
    QTest::newRow("note of no option")
        << all << u".\\\" --trimmed\nMore.\n"_s << u"a note for '--trimmed', which is no option"_s;
    QTest::newRow("two notes") << all << u".\\\" --trim\nA.\n.\\\" --trim\nB.\n"_s
                               << u"two notes for '--trim'"_s;
    QTest::newRow("section missing") << QString(all).remove(u".\\\" options: join\n"_s) << QString()
                                     << u"the page has no place for the options of 'join'"_s;
    QTest::newRow("section twice") << all + u"\n.\\\" options: tools"_s << QString()
                                   << u"options of '.\\\" options: tools' placed twice"_s;
    QTest::newRow("unknown section") << all + u"\n.\\\" options: misc"_s << QString()
                                     << u"no such section of options: '.\\\" options: misc'"_s;
}

void TestOptionDocuments::manualTemplate() {
    QFETCH(QString, pageTemplate);
    QFETCH(QString, notes);
    QFETCH(QString, error);
    const ManualPage page = manualPage(u".TH T\n"_s + pageTemplate + u"\n.SH END"_s, notes);
    QCOMPARE(page.error, error);
    if (error.isEmpty()) {
        QVERIFY(page.text.startsWith(u".TH T\n.TP\n\\fB\\-h\\fR, \\fB\\-\\-help\\fR\n"_s));
        QVERIFY(page.text.endsWith(u"not standard output.\n.SH END"_s));
        QVERIFY(page.text.contains(u"of each entry.\nMore.\n.TP\n"_s));
        // A term for each option, whose short name shares its long name's.
        qsizetype options = std::size(kBatchOptions);
        for (const ToolRow& row : kToolTable)
            options += qsizetype(row.options.size());
        QCOMPARE(page.text.count(u".TP\n"_s), options);
    }
}

void TestOptionDocuments::completion_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("offered");
    const QStringList files{u"list.txt"_s, u"names.csv"_s, u"out"_s};
    const QStringList keep{u"first"_s, u"last"_s, u"once"_s, u"repeated"_s};
    const QStringList quotes{u"csv"_s, u"sql"_s, u"none"_s, u"json"_s, u"regex"_s, u"shell"_s};
    const QString job = u"tavrolin --join , "_s;
    QTest::newRow("second value of --wrap-with") << job + u"--wrap-with '\"' "_s << QStringList();
    QTest::newRow("first value of --wrap-with") << job + u"--wrap-with "_s << QStringList();
    QTest::newRow("--wrap-with's values taken") << job + u"--wrap-with a b "_s << files;
    QTest::newRow("option after --wrap-with's")
        << job + u"--wrap-with a b --tr"_s << QStringList{u"--trim"_s};
    QTest::newRow("--keep=") << job + u"--dedupe --keep="_s << keep;
    QTest::newRow("--keep=o") << job + u"--dedupe --keep=o"_s << QStringList{u"once"_s};
    QTest::newRow("--keep r") << job + u"--keep r"_s << QStringList{u"repeated"_s};
    QTest::newRow("--wrap") << job + u"--wrap "_s << quotes;
    QTest::newRow("--wrap=") << job + u"--wrap="_s << quotes;
    QTest::newRow("--quotes=s") << job + u"--split , --quotes=s"_s << QStringList{u"sql"_s};
    QTest::newRow("--quotes=j") << job + u"--split , --quotes=j"_s << QStringList{u"json"_s};
    QTest::newRow("--wrap's value taken") << job + u"--wrap csv "_s << files;
    QTest::newRow("inline value taken") << job + u"--keep=first --tr"_s << QStringList{u"--trim"_s};
    QTest::newRow("-- then a dash") << job + u"-- --"_s << QStringList();
    QTest::newRow("-- then files") << job + u"-- "_s << files;
    QTest::newRow("-- then a name") << job + u"-- na"_s << QStringList{u"names.csv"_s};
    QTest::newRow("--ke") << job + u"--ke"_s << QStringList{u"--keep"_s};
    QTest::newRow("--wrap names") << job + u"--wrap"_s
                                  << QStringList{u"--wrap"_s, u"--wrap-with"_s};
    QTest::newRow("-o") << job + u"-o "_s << files;
    QTest::newRow("--output=li") << job + u"--output=li"_s << QStringList{u"list.txt"_s};
    QTest::newRow("--before") << job + u"--before "_s << QStringList();
    QTest::newRow("--before's value is text") << job + u"--before --"_s << QStringList();
    QTest::newRow("--join's value") << u"tavrolin --join "_s << QStringList();
    QTest::newRow("--group") << job + u"--group "_s << QStringList();
    QTest::newRow("after --join's value") << job + u"--gr"_s << QStringList{u"--group"_s};
    QTest::newRow("a file") << job + u"li"_s << QStringList{u"list.txt"_s};
    QTest::newRow("window's files") << u"tavrolin "_s << files;
}

void TestOptionDocuments::completion() {
    QFETCH(QString, line);
    QFETCH(QStringList, offered);
    QVERIFY2(QFile::exists(u"/usr/share/bash-completion/bash_completion"_s),
             "bash-completion is missing: scripts/setup.sh installs it");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QFile(folder.filePath(u"list.txt"_s)).open(QIODevice::WriteOnly));
    QVERIFY(QFile(folder.filePath(u"names.csv"_s)).open(QIODevice::WriteOnly));
    QVERIFY(QDir(folder.path()).mkdir(u"out"_s));
    QProcess bash;
    bash.setWorkingDirectory(folder.path());
    bash.start(u"bash"_s, QStringList{u"--norc"_s, u"-c"_s, QString::fromUtf8(kComplete), u"sh"_s,
                                      QStringLiteral(TAVROLIN_COMPLETION), line} +
                              completionWords(line));
    QVERIFY(bash.waitForFinished());
    QCOMPARE(bash.exitCode(), 0);
    QStringList got = QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n');
    got.removeAll(QString());
    got.sort();
    offered.sort();
    QCOMPARE(got, offered);
}

void TestOptionDocuments::manualShortcuts_data() {
    QTest::addColumn<QString>("key");
    const QSet<QString> all = readmeKeys() + manualKeys();
    QVERIFY(all.size() > 15);
    for (const QString& key : all)
        QTest::newRow(qPrintable(key)) << key;
}

// The page's shortcuts are the README's.
void TestOptionDocuments::manualShortcuts() {
    QFETCH(QString, key);
    QVERIFY2(readmeKeys().contains(key), "not in the README");
    QVERIFY2(manualKeys().contains(key), "not in the manual page");
}

void TestOptionDocuments::menuItems_data() {
    QTest::addColumn<QString>("item");
    for (const ToolRow& row : kToolTable)
        QTest::newRow(qPrintable(QString::fromUtf16(row.menuText)))
            << QString::fromUtf16(row.menuText);
    // The entry list's menu after the tools, and the results list's.
    for (const QString& item :
         {u"Create in Groups\u2026"_s, u"List Figures\u2026"_s,
          u"Load Column From CSV File\u2026"_s, u"Save Results as Plain Text\u2026"_s})
        QTest::newRow(qPrintable(item)) << item;
}

// Each item of the entry list's menu is named in both, the page writing an ellipsis as three
// dots.
void TestOptionDocuments::menuItems() {
    QFETCH(QString, item);
    QVERIFY2(readText(QStringLiteral(TAVROLIN_README)).contains(item), "not in the README");
    const QString page = readText(QStringLiteral(TAVROLIN_MANUAL));
    QVERIFY2(page.contains(QString(item).replace(u"\u2026"_s, u"..."_s)), "not in the manual page");
}

QTEST_GUILESS_MAIN(TestOptionDocuments)
#include "test_option_documents.moc"
