#pragma once

#include "nothing_to_output.h"

#include <QByteArrayList>

namespace tavrolin {

class Clipboard;
class MessageBoxes;
class EventPump;
class ListView;

// Puts the checked rows of a list on the clipboard: one line per row, cells padded to their
// column's width and separated by tabs, each line without its last tab and trailing spaces and
// ended by CR LF. When no row is copied (an empty list, no row checked, or rows unticked or
// removed while events ran) the clipboard is left untouched. A clipboard that stays busy is
// reported, and the copy has failed.
OutputResult CopyListViewToClipboardTab(const ListView& list, Clipboard& clipboard,
                                        EventPump& events, MessageBoxes& dialogs);

// Each tries its clipboard operation up to 1000 times in all, at once and without letting
// events run, while another program holds the clipboard; true when an attempt succeeded. The
// text is given as UTF-8 pieces, one after the other.
bool ClipboardClear(Clipboard& clipboard);
bool ClipboardSetText(Clipboard& clipboard, const QByteArrayList& text, int format);

// What copying the results works on.
struct CopyParts {
    MessageBoxes& dialogs;
    const ListView& listView2;
    Clipboard& clipboard;
    EventPump& events;
};

// "Copy Results To Clipboard": copies the results list and tells how to paste it, or that
// nothing was copied and why.
void copyResults(const CopyParts& ui);

} // namespace tavrolin
