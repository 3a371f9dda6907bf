#pragma once

#include <QString>

namespace tavrolin {

class ListView;

// The text of a row in a column: the row's text in column 1, its sub-item c - 1 in column c.
QString cellText(const ListView& list, int row, int column);

} // namespace tavrolin
