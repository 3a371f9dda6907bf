#pragma once

#include "batch_job.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tavrolin {

// A batch command line: the job, or the answer printed at once instead (help, version, a usage
// error with status 2).
struct BatchArguments {
    std::optional<BatchJob> job;
    int exitStatus = 0;
    QString text;
};

// Whether the arguments (the program's path first) ask for a batch job: --join before any "--".
bool asksForBatchJob(const QStringList& arguments);

// Parses `tavrolin --join SEP [options] [FILE...]`. The tools keep the order they are given in;
// options and files may mix, and "--" ends the options. Texts take \t, \n and \\ for a tab, a
// line break and a backslash, as a typed separator does.
BatchArguments parseBatchArguments(const QStringList& arguments, const QString& workingFolder);

// Whether the option (with its dashes) is one of batch mode's own, as opposed to help and
// version, which the program takes without --join too.
bool isBatchOption(QStringView option);

// The program's --help, with --join or without: one usage section for the window and batch
// mode, then the options of each.
QString helpText();

} // namespace tavrolin
