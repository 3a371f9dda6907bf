#pragma once

#include "nothing_to_output.h"

#include <QString>

namespace tavrolin {

class MessageBoxes;
class EventPump;
class ListView;
class ProgressBar;
class FileDialog;
class MousePointer;

// Writes a list as column-aligned 8-bit text: a header line of captions, then one line per
// checked row; every cell padded with spaces to its column's width and followed by a tab;
// CR LF after every line. The new file replaces an existing one only once it is complete
// (written in place where the folder refuses a temporary file). When no row is checked as its
// line is due (also when rows are unticked or removed while events run) no file is written.
// A file that cannot be created, written or closed is reported once and ends the save, the
// old file left as it was (or, written in place, reported incomplete). Without a progress bar
// (nullptr) no progress is shown.
OutputResult SaveListviewProperlySpaced(const ListView& list, const QString& fileName,
                                        ProgressBar* progressBar, EventPump& events,
                                        MessageBoxes& dialogs);

// What saving the results works on.
struct SaveParts {
    MessageBoxes& dialogs;
    const ListView& listView2;
    FileDialog& commonDialog1;
    MousePointer& pointer;
    ProgressBar& progressBar1;
    EventPump& events;
};

// "Save Results To CSV/Text File": asks for a file name and writes the results list to it, or
// tells that nothing was saved and why.
void saveResults(const SaveParts& ui);

} // namespace tavrolin
