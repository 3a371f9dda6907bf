#pragma once

#include "common/entry_tool_options.h"

#include <QByteArray>
#include <QString>

namespace tavrolin {

class MessageBoxes;
class ToolDialogs;
class EventPump;
class ListView;
class MousePointer;
class ProgressBar;
class Separator;
struct Toolkit;

// What a creation works on: it reads the entries, fills the results and shows its progress.
struct CreationParts {
    MessageBoxes& dialogs;
    ToolDialogs& toolDialogs;
    MousePointer& pointer;
    ListView& listView1;
    ListView& listView2;
    ProgressBar& progressBar1;
    EventPump& events;

    static CreationParts of(Toolkit& ui);
};

// "Start Creating List": joins the entries of ListView1 in order with the separator between
// each two and makes the joined text the one row of ListView2. Window events run after every
// entry; the caller refuses a second press meanwhile.
void createList(const CreationParts& ui, Separator& separator);

// "Create in Groups": asks how to group the entries, then creates as above, each group of
// entries a results row of its own, ticked so that Copy and Save take them all. The question
// offers the given grouping, which becomes the answer once the user gives one.
void createListInGroups(const CreationParts& ui, Separator& separator, Grouping& offered);

} // namespace tavrolin
