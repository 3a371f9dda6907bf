#pragma once

#include "common/text_encoding.h"
#include "common/toolkit/list_view.h"

#include <QString>
#include <QStringView>

namespace tavrolin {

// A list keeps its items as 8-bit bytes; tests mostly speak of texts, as the user reads them.
inline void appendText(ListView& list, QStringView text) {
    list.appendItem(encode8Bit(text));
}

inline QString itemText(const ListView& list, int item) {
    return decode8Bit(list.itemBytesAt(item));
}

} // namespace tavrolin
