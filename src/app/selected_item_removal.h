#pragma once

namespace tavrolin {

class ListView;
class MousePointer;

// Double-click or Delete on a list: removes its selected item, unless a long operation shows
// the busy pointer, the list is empty or nothing is selected.
void removeSelectedItem(const MousePointer& shown, ListView& list);

} // namespace tavrolin
