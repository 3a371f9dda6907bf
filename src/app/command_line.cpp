#include "command_line.h"

#include "batch/batch_arguments.h"
#include "common/path_routines.h"
#include "common/product.h"
#include "common/text_encoding.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

struct WindowSystemOption {
    const char16_t* name;
    bool takesValue;
};

// The options Qt's application objects read for themselves, with one dash or two.
constexpr WindowSystemOption kWindowSystemOptions[] = {
    {u"platform", true},
    {u"platformpluginpath", true},
    {u"platformtheme", true},
    {u"plugin", true},
    {u"qwindowgeometry", true},
    {u"geometry", true},
    {u"qwindowtitle", true},
    {u"title", true},
    {u"qwindowicon", true},
    {u"icon", true},
    {u"session", true},
    {u"style", true},
    {u"stylesheet", true},
    {u"display", true},
    {u"name", true},
    {u"qmljsdebugger", true},
    {u"reverse", false},
    {u"widgetcount", false},
    {u"testability", false},
    {u"nograb", false},
    {u"dograb", false},
    {u"sync", false},
};

} // namespace

QStringList withoutWindowSystemOptions(const QStringList& arguments) {
    if (asksForBatchJob(arguments))
        return arguments;
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (i > 0 && argument == u"--") {
            kept += arguments.mid(i);
            break;
        }
        QStringView name(argument);
        if (i == 0 || !name.startsWith(u'-'))
            name = {};
        name = name.sliced(std::min<qsizetype>(name.size(), name.startsWith(u"--") ? 2 : 1));
        const qsizetype equals = name.indexOf(u'=');
        const QStringView bare = equals < 0 ? name : name.first(equals);
        const auto* option = std::find_if(
            std::begin(kWindowSystemOptions), std::end(kWindowSystemOptions),
            [&](const WindowSystemOption& known) { return !bare.isEmpty() && bare == known.name; });
        if (option == std::end(kWindowSystemOptions)) {
            kept.append(argument);
            continue;
        }
        if (option->takesValue && equals < 0)
            ++i;
    }
    return kept;
}

namespace {

CommandLine parsed(const QStringList& arguments, const QString& workingFolder,
                   const QString& program) {
    if (asksForBatchJob(arguments)) {
        BatchArguments batch = parseBatchArguments(arguments, workingFolder);
        CommandLine result;
        if (!batch.job)
            result.exitStatus = batch.exitStatus;
        result.text = std::move(batch.text);
        result.batch = std::move(batch.job);
        return result;
    }
    QCommandLineParser parser;
    // Own options instead of addHelpOption(): that one also offers --help-all, whose text
    // QCommandLineParser only prints by ending the process itself.
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption version(QStringList{u"v"_s, u"version"_s});
    parser.addOption(help);
    parser.addOption(version);

    CommandLine result;
    if (!parser.parse(arguments)) {
        // QCommandLineParser names an option without its dashes, one for a single letter.
        const QString unknown = parser.unknownOptionNames().value(0);
        const QString option = (unknown.size() == 1 ? u"-"_s : u"--"_s) + unknown;
        const QString reason =
            isBatchOption(option)
                ? QStringLiteral("'%1' is a batch option: use it with --join SEP").arg(option)
                : parser.errorText();
        result.exitStatus = 2;
        result.text =
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, reason);
        return result;
    }
    if (parser.isSet(help)) {
        result.exitStatus = 0;
        result.text = helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.exitStatus = 0;
        result.text = kProductName + u' ' + QStringLiteral(TAVROLIN_VERSION) + u'\n';
        return result;
    }
    const QDir folder(workingFolder);
    for (const QString& path : parser.positionalArguments())
        result.files.append(path.isEmpty() ? path : folder.absoluteFilePath(path));
    return result;
}

const QString kStreamNames[] = {u"input"_s, u"output"_s, u"error"_s};

bool uses(const CommandLine& line, int descriptor) {
    if (!line.batch)
        return descriptor == 1 && line.exitStatus == 0;
    const BatchJob& job = *line.batch;
    const auto named = [descriptor](const QString& path) {
        return descriptorNamed(encode8Bit(QDir::cleanPath(path))) == descriptor;
    };
    if (descriptor == 0)
        return job.files.isEmpty() || job.files.contains(u"-"_s) ||
               std::any_of(job.files.cbegin(), job.files.cend(), named);
    return (descriptor == 1 && job.output.isEmpty()) || named(job.output);
}

} // namespace

QStringList argumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(decode8Bit(argv[i]));
    return arguments;
}

CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder,
                             ClosedStreams closed) {
    const QString program =
        arguments.isEmpty() ? kProductName.toLower() : QFileInfo(arguments.first()).fileName();
    CommandLine result = parsed(arguments, workingFolder, program);
    const bool closedStreams[] = {closed.input, closed.output, closed.errors};
    for (int descriptor = 0; descriptor < 3; ++descriptor) {
        if (!closedStreams[descriptor] || !uses(result, descriptor))
            continue;
        result.exitStatus = 1;
        result.text =
            QStringLiteral("%1: standard %2 is closed\n").arg(program, kStreamNames[descriptor]);
        break;
    }
    return result;
}

} // namespace tavrolin
