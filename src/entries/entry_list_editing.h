#pragma once

namespace tavrolin {

struct Toolkit;

// "Add One Item To List": asks for one entry and appends it unless the answer is empty.
void addOneItem(Toolkit& ui);

// "Clear List": empties the entry list unless the busy pointer shows or a creation is joining
// it (a load that ends during a creation has already restored the default pointer).
void clearEntries(Toolkit& ui, bool creating);

// "Load Sample/Example Data": appends four sample entries after the existing ones.
void loadSampleEntries(Toolkit& ui);

} // namespace tavrolin
