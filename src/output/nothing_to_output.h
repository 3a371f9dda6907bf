#pragma once

namespace tavrolin {

class MessageBoxes;
class ListView;

enum class Output { Copy, Save };

// How a save or a copy ended: with the rows written, with no row due (none checked when its
// line was due), or with a failure that has been reported.
enum class OutputResult { Done, NothingDue, Failed };

// True when the check mark of some row is set: only those rows are copied and saved.
bool anyRowChecked(const ListView& list);

// Tells the user that nothing was copied or saved and what to do about it: create the list
// first when the list is empty, else tick the result's check box.
void tellNothingOutput(MessageBoxes& dialogs, const ListView& list, Output output);

} // namespace tavrolin
