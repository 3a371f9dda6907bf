#pragma once

#include "common/packed_texts.h"
#include "common/runtime_error.h"
#include "list_view.h"

#include <QByteArrayView>
#include <utility>

namespace tavrolin {

// Appends the texts to the list as one burst, their block moving into an empty list without a
// copy. A burst the list refuses leaves the list and the texts as they were; the texts then go
// in one at a time through appendOne, so that those before one that fails to append still
// come. Running out of memory is no refusal: it passes to the caller, and nothing goes in.
template <class AppendOne>
void appendAsBurstOrEach(ListView& list, PackedTexts&& texts, AppendOne&& appendOne) {
    try {
        list.appendItems(std::move(texts), CheckMark::Clear);
        return;
    } catch (const RuntimeError&) {
    }
    for (qsizetype i = 0; i < texts.size(); ++i)
        appendOne(texts.at(i));
}

} // namespace tavrolin
