#pragma once

#include "common/packed_texts.h"

#include <QList>
#include <QStringList>
#include <vector>

namespace tavrolin {

// A run of items in the list's own column layout, so that a whole list moves in and out of a
// model without a copy of its texts. checked is as long as texts; subItems is empty (no item of
// the run has any) or as long as texts.
struct ListContents {
    PackedTexts texts;
    std::vector<bool> checked;
    QList<QStringList> subItems;

    int size() const { return int(texts.size()); }
};

} // namespace tavrolin
