#include "list_file_opening.h"

#include "common/path_routines.h"

namespace tavrolin {

ListFileOpening openListFile(QFile& file, const QString& path) {
    const PathKind kind = kindOfPath(path);
    if (kind == PathKind::Missing)
        return ListFileOpening::Missing;
    if (kind != PathKind::File)
        return ListFileOpening::NotAFile;
    return openForReading(file, path) == 0 ? ListFileOpening::Opened : ListFileOpening::Refused;
}

} // namespace tavrolin
