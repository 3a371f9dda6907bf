#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tavrolin {

// What a cell shows of its text: at most 2,000 characters, so painting a row does not depend
// on the length of its text (the whole text is kept for saving and copying). A longer text ends
// in an ellipsis, so the user sees it goes on, and its cut never splits a surrogate pair. Kept
// bytes show as shownText shows them.
QString shownCell(QStringView text);
// The same for a text kept as bytes, of which only the start is decoded.
QString shownCell(QByteArrayView bytes);
// The start of the bytes that decides what shownCell shows of them.
QByteArrayView shownCellBytes(QByteArrayView bytes);

} // namespace tavrolin
