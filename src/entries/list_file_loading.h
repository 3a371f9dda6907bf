#pragma once

namespace tavrolin {

struct Toolkit;

// "Load List From Text File": lets the user pick list files and appends every line of each,
// in the order the dialog reports them, to the entry list.
void loadListFiles(Toolkit& ui);

} // namespace tavrolin
