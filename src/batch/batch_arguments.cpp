#include "batch_arguments.h"

#include "common/escaped_text.h"
#include "common/product.h"
#include "common/text_encoding.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace tavrolin {

namespace {

// The options that take a value, and those that do not; anything else that starts with a dash
// (but "-" alone) is refused.
constexpr const char16_t* kValued[] = {u"--join",   u"--keep",  u"--wrap",   u"--split",
                                       u"--quotes", u"--group", u"--before", u"--after",
                                       u"--output", u"-o"};
constexpr const char16_t* kFlags[] = {u"--sort",
                                      u"--sort-desc",
                                      u"--reverse",
                                      u"--dedupe",
                                      u"--trim",
                                      u"--drop-empty",
                                      u"--ignore-case",
                                      u"--ignore-spaces",
                                      u"--aligned",
                                      u"--help",
                                      u"-h",
                                      u"--version",
                                      u"-v",
                                      u"--wrap-with"};

template <std::size_t N> bool among(const char16_t* const (&names)[N], QStringView name) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char16_t* known) { return name == QStringView(known); });
}

QByteArray escaped(const QString& typed) {
    return encode8Bit(withEscapesReplaced(typed));
}

class Parser {
public:
    Parser(const QStringList& arguments, const QString& workingFolder)
        : m_arguments(arguments)
        , m_folder(workingFolder)
        , m_program(arguments.isEmpty() ? kProductName.toLower()
                                        : QFileInfo(arguments.first()).fileName()) {}

    BatchArguments parse();

private:
    // A usage error: the arguments cannot be a job.
    struct Refused {
        QString reason;
    };

    QString next(const QString& option) {
        if (m_inlineValue)
            return *std::exchange(m_inlineValue, std::nullopt);
        if (m_at >= m_arguments.size())
            throw Refused{QStringLiteral("option '%1' needs a value").arg(option)};
        return m_arguments.at(m_at++);
    }

    template <class Choice, std::size_t N>
    Choice choice(const QString& option, const std::pair<const char16_t*, Choice> (&choices)[N]) {
        const QString value = next(option);
        for (const auto& [name, meaning] : choices) {
            if (value == QStringView(name))
                return meaning;
        }
        QStringList names;
        for (const auto& known : choices)
            names.append(QString::fromUtf16(known.first));
        throw Refused{
            QStringLiteral("option '%1' takes %2, not '%3'").arg(option, names.join(u'|'), value)};
    }

    void option(const QString& name, BatchJob& job);

    const QStringList& m_arguments;
    QDir m_folder;
    QString m_program;
    qsizetype m_at = 1;
    std::optional<QString> m_inlineValue;
    bool m_separatorGiven = false;
    bool m_help = false;
    bool m_version = false;
    QStringList m_modifiers; // --keep, --ignore-*, --quotes: each needs its tool
};

void Parser::option(const QString& name, BatchJob& job) {
    using Kind = EntryListTool;
    using Keep = DuplicateRules::Keep;
    const auto tool = [&](Kind kind) { job.tools.append(BatchTool{kind, {}, {}}); };
    if (name == u"--join") {
        job.separator = escaped(next(name));
        m_separatorGiven = true;
    } else if (name == u"--sort") {
        tool(Kind::SortAscending);
    } else if (name == u"--sort-desc") {
        tool(Kind::SortDescending);
    } else if (name == u"--reverse") {
        tool(Kind::Reverse);
    } else if (name == u"--dedupe") {
        tool(Kind::RemoveDuplicates);
    } else if (name == u"--trim") {
        tool(Kind::TrimSpaces);
    } else if (name == u"--drop-empty") {
        tool(Kind::RemoveEmpty);
    } else if (name == u"--ignore-case") {
        job.duplicates.ignoreCase = true;
        m_modifiers.append(name);
    } else if (name == u"--ignore-spaces") {
        job.duplicates.ignoreSpaces = true;
        m_modifiers.append(name);
    } else if (name == u"--keep") {
        static constexpr std::pair<const char16_t*, Keep> kKeep[] = {{u"first", Keep::First},
                                                                     {u"last", Keep::Last},
                                                                     {u"once", Keep::Once},
                                                                     {u"repeated", Keep::Repeated}};
        job.duplicates.keep = choice(name, kKeep);
        m_modifiers.append(name);
    } else if (name == u"--wrap") {
        static constexpr std::pair<const char16_t*, char16_t> kWrap[] = {
            {u"csv", u'"'}, {u"sql", u'\''}, {u"none", 0}};
        const char16_t mark = choice(name, kWrap);
        const QString text = mark == 0 ? QString() : QString(QChar(mark));
        job.tools.append(BatchTool{Kind::Wrap, WrapTexts{text, text}, {}});
    } else if (name == u"--wrap-with") {
        if (m_inlineValue)
            throw Refused{QStringLiteral("option '--wrap-with' takes two values: BEFORE AFTER")};
        const QString before = withEscapesReplaced(next(name));
        const QString after = withEscapesReplaced(next(name));
        job.tools.append(BatchTool{Kind::Wrap, WrapTexts{before, after}, {}});
    } else if (name == u"--split") {
        const QString separator = withEscapesReplaced(next(name));
        if (separator.isEmpty())
            throw Refused{QStringLiteral("option '--split' needs a separator that is not empty")};
        job.tools.append(BatchTool{Kind::Split, {}, separator});
    } else if (name == u"--quotes") {
        static constexpr std::pair<const char16_t*, QuoteStyle> kQuotes[] = {
            {u"csv", QuoteStyle::Double},
            {u"sql", QuoteStyle::Single},
            {u"none", QuoteStyle::None}};
        job.quotes = choice(name, kQuotes);
        m_modifiers.append(name);
    } else if (name == u"--group") {
        // Digits only: toLongLong() would also take a sign and white space after them.
        const QString value = next(name);
        bool number = false;
        job.groupSize = value.toLongLong(&number);
        if (!number || !std::all_of(value.cbegin(), value.cend(),
                                    [](QChar c) { return c >= u'0' && c <= u'9'; }))
            throw Refused{
                QStringLiteral("option '--group' takes a whole number, not '%1'").arg(value)};
    } else if (name == u"--before") {
        job.before = escaped(next(name));
    } else if (name == u"--after") {
        job.after = escaped(next(name));
    } else if (name == u"--aligned") {
        job.aligned = true;
    } else if (name == u"--output" || name == u"-o") {
        const QString path = next(name);
        if (path.isEmpty())
            throw Refused{QStringLiteral("option '%1' needs a file name").arg(name)};
        job.output = m_folder.absoluteFilePath(path);
    } else if (name == u"--help" || name == u"-h") {
        m_help = true;
    } else if (name == u"--version" || name == u"-v") {
        m_version = true;
    }
}

BatchArguments Parser::parse() {
    BatchJob job;
    BatchArguments result;
    try {
        bool optionsEnded = false;
        while (m_at < m_arguments.size()) {
            const QString argument = m_arguments.at(m_at++);
            if (optionsEnded || argument == u"-" || !argument.startsWith(u'-')) {
                job.files.append(argument == u"-" || argument.isEmpty()
                                     ? argument
                                     : m_folder.absoluteFilePath(argument));
                continue;
            }
            if (argument == u"--") {
                optionsEnded = true;
                continue;
            }
            QString name = argument;
            const qsizetype equals = argument.startsWith(u"--") ? argument.indexOf(u'=') : -1;
            if (equals > 0) {
                name = argument.first(equals);
                m_inlineValue = argument.sliced(equals + 1);
            }
            if (!among(kValued, name) && !among(kFlags, name))
                throw Refused{QStringLiteral("unknown option '%1'").arg(name)};
            if (m_inlineValue && among(kFlags, name) && name != u"--wrap-with")
                throw Refused{QStringLiteral("option '%1' takes no value").arg(name)};
            option(name, job);
        }
        if (m_help || m_version) {
            result.text = m_help ? helpText()
                                 : kProductName + u' ' + QStringLiteral(TAVROLIN_VERSION) + u'\n';
            return result;
        }
        if (!m_separatorGiven)
            throw Refused{QStringLiteral("option '--join' needs a value")};
        const auto has = [&](EntryListTool kind) {
            return std::any_of(job.tools.cbegin(), job.tools.cend(),
                               [kind](const BatchTool& tool) { return tool.kind == kind; });
        };
        for (const QString& modifier : std::as_const(m_modifiers)) {
            const bool split = modifier == u"--quotes";
            if (!has(split ? EntryListTool::Split : EntryListTool::RemoveDuplicates))
                throw Refused{QStringLiteral("option '%1' needs %2")
                                  .arg(modifier, split ? QStringLiteral("--split")
                                                       : QStringLiteral("--dedupe"))};
        }
    } catch (const Refused& refused) {
        result.exitStatus = 2;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(m_program, refused.reason);
        return result;
    }
    result.job = std::move(job);
    return result;
}

} // namespace

bool asksForBatchJob(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--")
            return false;
        if (argument == u"--join" || argument.startsWith(u"--join="))
            return true;
    }
    return false;
}

BatchArguments parseBatchArguments(const QStringList& arguments, const QString& workingFolder) {
    return Parser(arguments, workingFolder).parse();
}

bool isBatchOption(QStringView option) {
    return option != u"--help" && option != u"-h" && option != u"--version" && option != u"-v" &&
           (among(kValued, option) || among(kFlags, option));
}

QString helpText() {
    return QStringLiteral(
        "Usage: tavrolin [FILE...]\n"
        "  or:  tavrolin --join SEP [options] [FILE...]\n"
        "Joins a list of entries into one delimited list.\n"
        "\n"
        "Without --join, opens the window and adds the lines of each FILE to the entry list, in\n"
        "order. With --join, joins the lines of the files (standard input when none is named,\n"
        "or for -) with SEP and writes the result and a line feed, without opening the window.\n"
        "In SEP and the other texts, \\t stands for a tab, \\n for a line break and \\\\ for\n"
        "a backslash.\n"
        "\n"
        "  -h, --help             Display this help and exit.\n"
        "  -v, --version          Display version information and exit.\n"
        "\n"
        "Entry list tools, with --join, applied in the order given:\n"
        "  --sort                 Sort A to Z (natural order, case ignored).\n"
        "  --sort-desc            Sort Z to A.\n"
        "  --reverse              Reverse the order.\n"
        "  --dedupe               Remove duplicates; modified by the three options below.\n"
        "  --ignore-case          Duplicates may differ in case.\n"
        "  --ignore-spaces        Duplicates may differ in white space at either end.\n"
        "  --keep WHICH           first (default), last, once (only entries that occur once)\n"
        "                         or repeated (one of each entry that occurs more than once).\n"
        "  --trim                 Remove white space at both ends of each entry.\n"
        "  --drop-empty           Remove empty entries.\n"
        "  --wrap csv|sql|none    Wrap each entry in double or single quotes, doubling them\n"
        "                         inside.\n"
        "  --wrap-with BEFORE AFTER\n"
        "                         Put BEFORE and AFTER around each entry.\n"
        "  --split SEP            Split each entry at SEP.\n"
        "  --quotes csv|sql|none  Split does not split inside double or single quotes.\n"
        "\n"
        "Output, with --join:\n"
        "  --group N              N entries per line (0, the default: all on one line).\n"
        "  --before TEXT          Text at the start of each line.\n"
        "  --after TEXT           Text at the end of each line.\n"
        "  --aligned              Write the window's saved-file layout.\n"
        "  -o, --output FILE      Write to FILE (replaced only when complete), not standard\n"
        "                         output.\n"
        "\n"
        "Exit status: 0 on success, 1 on a file or write error, 2 on a usage error.\n");
}

} // namespace tavrolin
