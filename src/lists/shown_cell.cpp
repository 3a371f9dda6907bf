#include "shown_cell.h"

#include "common/text_encoding.h"

#include <utility>

namespace tavrolin {

namespace {

constexpr qsizetype kShownCharacters = 2000;

} // namespace

QString shownCell(QStringView text) {
    if (text.size() <= kShownCharacters)
        return shownText(text.toString());
    qsizetype shown = kShownCharacters;
    if (text[shown - 1].isHighSurrogate() && text[shown].isLowSurrogate())
        --shown;
    QString cut = text.first(shown).toString();
    cut += QChar(0x2026);
    return shownText(std::move(cut));
}

QString shownCell(QByteArrayView bytes) {
    return shownCell(decode8Bit(shownCellBytes(bytes)));
}

QByteArrayView shownCellBytes(QByteArrayView bytes) {
    return decodablePrefix(bytes, kShownCharacters + 1);
}

} // namespace tavrolin
