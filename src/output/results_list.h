#pragma once

namespace tavrolin {

struct Toolkit;

// "Clear Results": removes every row of the results list, also while an operation runs.
void clearResults(Toolkit& ui);

} // namespace tavrolin
