#pragma once

#include "entries/csv_column.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

namespace tavrolin {

// The delimiter --delimiter names: ",", ";", "|", "tab", or any one ASCII character but a
// quote or a line break (those would make every field a quoted one or a record of its own).
// 0 when the text names none.
char csvDelimiterNamed(const QString& text);

// Reads the chosen column of one input, each value to the sink. A delimiter of 0 is guessed
// from the input's first rows: a file is read again from its start, a stream (which cannot
// be) is first taken whole. Raises RuntimeError(DeviceIo) when a read fails.
CsvColumnReport readCsvInput(QIODevice& device, CsvColumnChoice choice,
                             const std::function<void(QByteArrayView)>& sink);

// What standard error tells of an input's odd rows, one line each, naming the input and the
// line: they do not stop the job, as csvcut goes on over them.
QStringList csvInputWarnings(const CsvColumnReport& report, const QString& name);

} // namespace tavrolin
