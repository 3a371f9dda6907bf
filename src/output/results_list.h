#pragma once

namespace tavrolin {

class Dialogs;
class ListView;

// "Clear Results": removes every row of the results list, also while an operation runs.
void clearResults(Dialogs& dialogs, ListView& results);

} // namespace tavrolin
