#include "batch_arguments.h"

#include "batch_options.h"
#include "common/escaped_text.h"
#include "common/product.h"
#include "common/text_encoding.h"
#include "csv_column_input.h"
#include "entries/tool_table.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace tavrolin {

namespace {

// Batch mode's own options and the tools'; anything else that starts with a dash (but "-"
// alone) is refused.
bool known(QStringView name) {
    return batchOptionNamed(name) || toolOptionNamed(name).option;
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

    // The index of the option's word.
    qsizetype word(const QString& option, const ToolOption& known) {
        const QString value = next(option);
        const QString words = QString::fromUtf16(known.words);
        const qsizetype index = words.split(u'|').indexOf(value);
        if (index >= 0)
            return index;
        throw Refused{QStringLiteral("option '%1' takes %2, not '%3'").arg(option, words, value)};
    }

    void option(const QString& name, BatchJob& job);
    void columnOption(const QString& value, BatchJob& job);
    void toolOption(const QString& name, const ToolRow& row, const ToolOption& option,
                    BatchJob& job);

    const QStringList& m_arguments;
    QDir m_folder;
    QString m_program;
    qsizetype m_at = 1;
    std::optional<QString> m_inlineValue;
    bool m_separatorGiven = false;
    bool m_help = false;
    bool m_version = false;
    // --delimiter and --header shape --column wherever they stand.
    char m_delimiter = 0;
    bool m_header = false;
    QString m_csvOption;
    // The options given that shape a tool, each of which needs that tool in the job.
    struct Modifier {
        QString name;
        const ToolRow* row;
        const ToolOption* option;
        OptionValue value;
    };
    QList<Modifier> m_modifiers;
};

void Parser::option(const QString& name, BatchJob& job) {
    if (const auto [row, option] = toolOptionNamed(name); option) {
        toolOption(name, *row, *option, job);
    } else if (name == u"--join") {
        job.separator = escaped(next(name));
        m_separatorGiven = true;
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
    } else if (name == u"--column") {
        columnOption(next(name), job);
    } else if (name == u"--delimiter") {
        const QString value = next(name);
        m_delimiter = csvDelimiterNamed(withEscapesReplaced(value));
        if (m_delimiter == 0)
            throw Refused{QStringLiteral("option '--delimiter' takes ',' ';' '|' 'tab' or one "
                                         "character but a quote, not '%1'")
                              .arg(value)};
        m_csvOption = name;
    } else if (name == u"--header") {
        m_header = true;
        m_csvOption = name;
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

// A number counts from 1; anything else names a column of the header, which there must be.
void Parser::columnOption(const QString& value, BatchJob& job) {
    if (value.isEmpty())
        throw Refused{QStringLiteral("option '--column' needs a number or a name")};
    CsvColumnChoice choice;
    const bool digits =
        std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool number = false;
    choice.number = digits ? value.toLongLong(&number) : 0;
    if (digits && (!number || choice.number < 1))
        throw Refused{QStringLiteral("option '--column' counts from 1, not '%1'").arg(value)};
    if (!digits) {
        choice.name = value;
        choice.header = true;
    }
    job.column = choice;
}

void Parser::toolOption(const QString& name, const ToolRow& row, const ToolOption& option,
                        BatchJob& job) {
    OptionValue value;
    if (*option.words != 0)
        value.word = word(name, option);
    else if (option.textCount() > 1 && m_inlineValue)
        throw Refused{QStringLiteral("option '%1' takes two values: %2")
                          .arg(name, QString::fromUtf16(option.value))};
    for (qsizetype i = 0; i < option.textCount(); ++i)
        value.texts.append(withEscapesReplaced(next(name)));
    if (option.shapes) {
        m_modifiers.append({name, &row, &option, value});
        return;
    }
    BatchTool tool{row.tool, {}};
    if (option.take) {
        if (const QString refused = option.take(value, tool.choices); !refused.isEmpty())
            throw Refused{refused};
    }
    job.tools.append(tool);
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
            if (!known(name))
                throw Refused{QStringLiteral("unknown option '%1'").arg(name)};
            const ToolOption* tool = toolOptionNamed(name).option;
            const BatchOption* own = batchOptionNamed(name);
            if (m_inlineValue && ((own && !own->takesValue()) || (tool && !tool->takesValue())))
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
        if (!m_csvOption.isEmpty() && !job.column)
            throw Refused{QStringLiteral("option '%1' needs --column").arg(m_csvOption)};
        if (job.column) {
            job.column->delimiter = m_delimiter;
            job.column->header = job.column->header || m_header;
        }
        for (const Modifier& modifier : std::as_const(m_modifiers)) {
            bool shaped = false;
            for (BatchTool& tool : job.tools) {
                if (tool.kind == modifier.row->tool)
                    shaped = modifier.option->take(modifier.value, tool.choices).isEmpty();
            }
            if (!shaped)
                throw Refused{QStringLiteral("option '%1' needs %2")
                                  .arg(modifier.name,
                                       QString::fromUtf16(modifier.row->options.begin()->name))};
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

// An option's lines in --help: its names and value, then its text from the 26th column, below
// them when they leave no room.
QString helpLines(const ListedOption& option) {
    const QString indent(25, u' ');
    QString head = QStringLiteral("  ");
    if (!option.shortName.isEmpty())
        head += option.shortName + QStringLiteral(", ");
    head += option.name;
    if (!option.value.isEmpty())
        head += u' ' + option.value;
    head = head.size() > 23 ? head + u'\n' + indent : head.leftJustified(25);
    return head + QString(option.help).replace(u'\n', u'\n' + indent) + u'\n';
}

// The lines of a section's options; those without a help text are named in the usage lines.
QString helpLines(OptionSection section) {
    QString lines;
    for (const ListedOption& option : listedOptions(section)) {
        if (!option.help.isEmpty())
            lines += helpLines(option);
    }
    return lines;
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
           known(option);
}

QString helpText() {
    QString help = QStringLiteral(
        "Usage: tavrolin [FILE...]\n"
        "  or:  tavrolin --join SEP [options] [FILE...]\n"
        "Joins a list of entries into one delimited list.\n"
        "\n"
        "Without --join, opens the window and adds the lines of each FILE to the entry list, in\n"
        "order. With --join, joins the lines of the files (standard input when none is named,\n"
        "or for -) with SEP and writes the result and a line feed, without opening the window.\n"
        "In SEP and the other texts, \\t stands for a tab, \\n for a line break and \\\\ for\n"
        "a backslash.\n"
        "\n");
    help += helpLines(OptionSection::Program);
    help += QStringLiteral("\n"
                           "Input, with --join:\n");
    help += helpLines(OptionSection::Input);
    help += QStringLiteral("\n"
                           "Entry list tools, with --join, applied in the order given:\n");
    help += helpLines(OptionSection::Tools);
    help += QStringLiteral("\n"
                           "Output, with --join:\n");
    help += helpLines(OptionSection::Output);
    help += QStringLiteral(
        "\n"
        "Exit status: 0 on success, 1 on a file or write error, 2 on a usage error.\n");
    return help;
}

} // namespace tavrolin
