#pragma once

#include "common/packed_texts.h"
#include "common/runtime_error.h"
#include "list_view.h"

#include <QByteArrayView>
#include <new>
#include <utility>

namespace tavrolin {

// Appends the texts to the list as one burst, their block moving into an empty list without a
// copy. A burst that fails leaves the list and the texts as they were; the texts then go in one
// at a time through appendOne, so that those before one that fails to append still come.
template <class AppendOne>
void appendAsBurstOrEach(ListView& list, PackedTexts&& texts, AppendOne&& appendOne) {
    try {
        list.appendItems(std::move(texts));
        return;
    } catch (const RuntimeError&) {
    } catch (const std::bad_alloc&) {
    }
    for (qsizetype i = 0; i < texts.size(); ++i)
        appendOne(texts.at(i));
}

} // namespace tavrolin
