#pragma once

namespace tavrolin {

struct Toolkit;

// "Add One Item To List": asks for one entry and appends it unless the answer is empty.
void addOneItem(Toolkit& ui);

// "Clear List": empties the entry list unless the busy pointer shows.
void clearEntries(Toolkit& ui);

// "Load Sample/Example Data": appends four sample entries after the existing ones.
void loadSampleEntries(Toolkit& ui);

} // namespace tavrolin
