#pragma once

#include <QChar>
#include <QString>

namespace tavrolin {

// The separator of paths on this platform; the routines below are given it by their callers.
#ifdef Q_OS_WIN
constexpr QChar kPathSeparator = u'\\';
#else
constexpr QChar kPathSeparator = u'/';
#endif

// True when the file system can tell the last-modified time of the path; never fails.
bool FileExists(const QString& path);

// The text after the last separator; the whole path when it has none.
QString FileNameFromPath(const QString& path, QChar separator);

// Collapses doubled separators in one pass (a run of n becomes n/2, rounded up), while a
// leading run of any length becomes exactly two, which keeps a network path's prefix.
QString FixDoubleBackslashes(const QString& path, QChar separator);

} // namespace tavrolin
