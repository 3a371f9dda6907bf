#pragma once

#include <QString>

namespace tavrolin {

class MessageBoxes;
class ListView;

// Appends every line of a list file to the list as one entry each, its text taken as
// ListFileDecoder takes it (a byte-order mark tells the encoding). Shows "File not found" for
// a missing path; raises RuntimeError when the file cannot be opened or read (the entries read
// until then stay).
void LoadTextFileToListView(ListView& list, const QString& path, MessageBoxes& dialogs);

} // namespace tavrolin
