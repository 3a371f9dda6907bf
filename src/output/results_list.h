#pragma once

#include <QString>

namespace tavrolin {

class MessageBoxes;
class ListView;

// The caption of the results column: the hint, 59 spaces, then a closing ">". It heads the
// saved result file too.
QString resultsCaption();

// "Clear Results": removes every row of the results list, also while an operation runs.
void clearResults(MessageBoxes& dialogs, ListView& results);

} // namespace tavrolin
