#pragma once

#include <QString>

namespace tavrolin {

class FileDialog;
class ListView;
class MessageBoxes;
class MousePointer;

// Writes each ticked row of the list as batch mode writes a result's lines: the row's bytes as
// they are kept, then a line feed; no caption, no padding, no tab. A row holding a line break
// or bytes that are not UTF-8 is written as it is. The file is written as the result file is
// (see ResultFile); a step that fails raises RuntimeError and leaves an old file as it was.
// Returns whether some row was ticked: without one, no file is written.
bool writePlainRows(const ListView& list, const QString& fileName);

// What saving the results as plain text works on.
struct PlainSaveParts {
    MessageBoxes& dialogs;
    const ListView& listView2;
    FileDialog& commonDialog1;
    MousePointer& pointer;
};

// "Save Results as Plain Text…": asks for a file name, offering plain text first, and writes
// the ticked rows to it, or tells that nothing was saved and why, as "Save Results To CSV/Text
// File" does. Unlike that save it asks before replacing a file, and adds the extension of the
// chosen file type to a name typed without one: its file is for other programs to read.
void savePlainResults(const PlainSaveParts& ui);

} // namespace tavrolin
