#pragma once

#include <QStringList>
#include <QStringView>

namespace tavrolin {

class Clipboard;
class MessageBoxes;
class ListView;
class MousePointer;

// Appends text to the list one entry per line, with the line rules of list files: CR, CR LF
// and a lone LF each end an entry, and the rest after the last one is one more entry unless it
// is empty. No trap of its own: an error passes to the caller.
void appendTextLines(ListView& list, QStringView text);

// Files dropped on the entry list: each is loaded as "Load List From Text File" loads it, in
// the order dropped, under the busy pointer. A path that is missing, a folder or a device gets a
// message that names it.
void loadDroppedFiles(ListView& list, MousePointer& mouse, MessageBoxes& dialogs,
                      const QStringList& paths);

// Files given to the program at start (its command line, "Open With" on a desktop): loaded as
// dropped files are.
void loadOpenedFiles(ListView& list, MousePointer& mouse, MessageBoxes& dialogs,
                     const QStringList& paths);

// Text dropped on the entry list, and the clipboard's text pasted into it: one entry per line.
void appendDroppedText(ListView& list, MessageBoxes& dialogs, const QString& text);
void pasteClipboardText(ListView& list, Clipboard& clipboard, MessageBoxes& dialogs);

} // namespace tavrolin
