#pragma once

#include <QByteArray>

namespace tavrolin {

class ListView;

// The bytes of a row in a column: the row's text in column 1, its sub-item c - 1 in column c.
QByteArray cellBytes(const ListView& list, int row, int column);

} // namespace tavrolin
