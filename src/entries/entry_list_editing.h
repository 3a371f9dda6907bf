#pragma once

class QString;

namespace tavrolin {

class MessageBoxes;
class ListView;
class MousePointer;
struct OperationState;

// "Add One Item To List": asks for one entry and appends it unless the answer is empty.
void addOneItem(MessageBoxes& dialogs, ListView& entries);

// "Clear List": empties the entry list unless the busy pointer shows or a creation is joining
// it (a load that ends during a creation has already restored the default pointer).
void clearEntries(MessageBoxes& dialogs, const MousePointer& shown, ListView& entries,
                  const OperationState& operation);

// "Load Sample/Example Data": appends four sample entries after the existing ones.
void loadSampleEntries(MessageBoxes& dialogs, ListView& entries);

// An edit or a move of one entry, as the user asked for it in the entry list.
struct EntryChange {
    MessageBoxes& dialogs;
    const MousePointer& shown;
    ListView& entries;
    // Running while a creation joins the entries.
    const OperationState& operation;
};

// F2 in the entry list: gives the item the text typed over it. Refused, like removal, while
// the busy pointer shows or a creation joins the list; an unchanged text changes nothing.
void editEntry(const EntryChange& change, int item, const QString& text);

// Alt+Up and Alt+Down: moves the item by places. Refused while busy, as editing is; nothing
// moves past either end of the list.
void moveEntry(const EntryChange& change, int item, int places);

} // namespace tavrolin
