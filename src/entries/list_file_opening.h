#pragma once

#include <QString>

class QFile;

namespace tavrolin {

// Why a list file could not be opened, if it could not.
enum class ListFileOpening { Opened, Missing, NotAFile, Refused };

// Opens the file at path for reading as a list file. A folder, a pipe or a device is no list
// file (opening a pipe would also block until a writer comes); the window and batch mode refuse
// them alike.
ListFileOpening openListFile(QFile& file, const QString& path);

} // namespace tavrolin
