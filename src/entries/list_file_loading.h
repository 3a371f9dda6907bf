#pragma once

namespace tavrolin {

class MessageBoxes;
class FileDialog;
class ListView;
class MousePointer;

// What loading list files works on.
struct ListFileLoadingParts {
    MessageBoxes& dialogs;
    FileDialog& commonDialog1;
    MousePointer& pointer;
    ListView& listView1;
};

// "Load List From Text File": lets the user pick list files and appends every line of each,
// in the order the dialog reports them, to the entry list.
void loadListFiles(const ListFileLoadingParts& ui);

} // namespace tavrolin
