#pragma once

class QString;

namespace tavrolin {

struct Toolkit;

// "Add One Item To List": asks for one entry and appends it unless the answer is empty.
void addOneItem(Toolkit& ui);

// "Clear List": empties the entry list unless the busy pointer shows or a creation is joining
// it (a load that ends during a creation has already restored the default pointer).
void clearEntries(Toolkit& ui, bool creating);

// "Load Sample/Example Data": appends four sample entries after the existing ones.
void loadSampleEntries(Toolkit& ui);

// F2 in the entry list: gives the item the text typed over it. Refused, like removal, while
// the busy pointer shows or a creation joins the list; an unchanged text changes nothing.
void editEntry(Toolkit& ui, int item, const QString& text, bool creating);

// Alt+Up and Alt+Down: moves the item by places. Refused while busy, as editing is; nothing
// moves past either end of the list.
void moveEntry(Toolkit& ui, int item, int places, bool creating);

} // namespace tavrolin
