#include "form1.h"

namespace tavrolin {

void Form1::ListView1_SortAscending() {}

void Form1::ListView1_SortDescending() {}

void Form1::ListView1_Reverse() {}

void Form1::ListView1_RemoveDuplicates() {}

void Form1::ListView1_TrimSpaces() {}

void Form1::ListView1_RemoveEmpty() {}

void Form1::ListView1_Wrap() {}

void Form1::ListView1_Split() {}

bool Form1::ListView1_CanSplit() const {
    return !m_separator.text().isEmpty() && !m_separator.isOtherMarker();
}

} // namespace tavrolin
