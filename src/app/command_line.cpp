#include "command_line.h"

#include "common/product.h"
#include "common/text_encoding.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace tavrolin {

QStringList argumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(decode8Bit(argv[i]));
    return arguments;
}

CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Joins a list of entries into one delimited list."));
    // Own options instead of addHelpOption(): that one also offers --help-all, whose text
    // QCommandLineParser only prints by ending the process itself.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("Text files whose lines are added to the entry list, in order."),
        QStringLiteral("[FILE...]"));

    const QString program =
        arguments.isEmpty() ? kProductName.toLower() : QFileInfo(arguments.first()).fileName();
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.exitStatus = 1;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(program, parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        result.exitStatus = 0;
        result.text = parser.helpText();
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

} // namespace tavrolin
