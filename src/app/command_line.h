#pragma once

#include "batch/batch_job.h"
#include "common/closed_streams.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tavrolin {

// What the program's command line asks for: files to load into the entry list at start, or an
// answer printed at once (help, version, a refused argument) instead of opening the window.
struct CommandLine {
    // Absolute paths in the order given; an empty argument stays empty, so it is reported as a
    // file that does not exist rather than taken for the working folder.
    QStringList files;
    // Set when the program ends at once with this status.
    std::optional<int> exitStatus;
    // The answer for standard output when the status is 0, for standard error otherwise.
    QString text;
    // Set for `--join SEP ...`: the job to run instead of the window, unless exitStatus is set
    // too (a standard stream the job uses is closed).
    std::optional<BatchJob> batch;
};

// The program's arguments as the system hands them over (QApplication takes its own options out
// of argc and argv), decoded as decode8Bit decodes text: a file name that is not valid UTF-8
// keeps its bytes, where QCoreApplication::arguments() turns them into U+FFFD and names no file.
QStringList argumentsOf(int argc, const char* const* argv);

// The arguments as argumentsOf() gives them, the program's path first. Relative
// paths resolve against the working folder. An option the program does not know is refused
// rather than taken for a file name: a mistyped option must not turn into "File not found", and
// a file whose name starts with a dash can still follow "--" (a desktop passes absolute paths).
// An unknown option, like any usage error, ends the program with status 2; a batch option
// without --join is refused as such. With --join the arguments are a batch job's (see
// parseBatchArguments). An answer for standard output, or a job that reads standard input or
// writes standard output, ends with status 1 and says so when that stream is closed; a job
// that does not use the closed stream runs.
CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder,
                             ClosedStreams closed = {});

// The arguments without the options that Qt takes for itself when it connects to the window
// system (-platform NAME, -style=NAME, -reverse, ...), as it would take them out. Help, version
// and a refused option are answered from these before that connection is made, so they need no
// display. A batch job makes no such connection: its arguments are kept whole, so that its
// --reverse is the tool, not the window's layout.
QStringList withoutWindowSystemOptions(const QStringList& arguments);

} // namespace tavrolin
