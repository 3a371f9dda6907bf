#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

class QFile;

namespace tavrolin {

// The separator of paths on this platform; the routines below are given it by their callers.
#ifdef Q_OS_WIN
constexpr QChar kPathSeparator = u'\\';
#else
constexpr QChar kPathSeparator = u'/';
#endif

// Paths keep each byte of a name that is not valid UTF-8 (legal on Linux) as decode8Bit keeps
// it, as a lone surrogate; Qt's own file classes would turn it into U+FFFD and miss the file.
// The routines below look paths up and open them by their bytes, as encode8Bit gives them back.

// The path as the system takes it: its bytes, or none when a NUL in it would end it early and
// name a shorter path.
QByteArray systemPath(const QString& path);

// The descriptor a path names without a file of its own: 0, 1 and 2 for /dev/stdin,
// /dev/stdout and /dev/stderr, N for /dev/fd/N and /proc/self/fd/N; -1 for any other path.
int descriptorNamed(QByteArrayView path);

// True when the file system can tell the last-modified time of the path; never fails.
bool FileExists(const QString& path);

// What a path names; Missing when the file system cannot tell (no such path, a NUL in it).
enum class PathKind { Missing, File, Folder, Other };
PathKind kindOfPath(const QString& path);

// Opens the file for reading: 0, or the system's error number when it cannot be opened.
int openForReading(QFile& file, const QString& path);

// The text after the last separator; the whole path when it has none.
QString FileNameFromPath(const QString& path, QChar separator);

// Collapses doubled separators in one pass (a run of n becomes n/2, rounded up), while a
// leading run of any length becomes exactly two, which keeps a network path's prefix.
QString FixDoubleBackslashes(const QString& path, QChar separator);

} // namespace tavrolin
