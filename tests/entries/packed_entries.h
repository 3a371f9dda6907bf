#pragma once

#include "common/packed_texts.h"
#include "entries/entry_list_tools.h"

#include <QStringList>

namespace tavrolin::testing {

// Entries kept as the entry list keeps them, as their 8-bit bytes, for the tools to read.
class PackedEntries {
public:
    explicit PackedEntries(const QStringList& texts) {
        for (const QString& text : texts)
            m_texts.append(QStringView(text));
    }

    EntryBytes bytes() const {
        return {m_texts.size(), m_texts.byteCount(),
                [this](qsizetype index) { return m_texts.at(index); }};
    }

private:
    PackedTexts m_texts;
};

inline QStringList textsOf(const PackedTexts& texts) {
    QStringList result;
    for (qsizetype i = 0; i < texts.size(); ++i)
        result.append(texts.text(i));
    return result;
}

} // namespace tavrolin::testing
