#pragma once

#include <QString>

namespace tavrolin {

class Dialogs;
class EventPump;
class ListView;
class ProgressBar;
struct Toolkit;

// Writes a list as column-aligned 8-bit text: a header line of captions, then one line per
// checked row; every cell padded with spaces to its column's width and followed by a tab;
// CR LF after every line. The new file replaces an existing one only once it is complete.
// Without a progress bar (nullptr) no progress is shown.
void SaveListviewProperlySpaced(const ListView& list, const QString& fileName,
                                ProgressBar* progressBar, EventPump& events, Dialogs& dialogs);

// "Save Results To CSV/Text File": asks for a file name and writes the results list to it.
void saveResults(Toolkit& ui);

} // namespace tavrolin
