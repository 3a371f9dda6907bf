#pragma once

#include "common/packed_texts.h"
#include "common/toolkit/dialogs.h"

#include <QByteArrayView>
#include <QLocale>
#include <functional>

namespace tavrolin {

// The transformations of the entry list's tools: each reads the entries as their 8-bit bytes
// and gives the new list, built once, in one block. Entries are never altered beyond what the
// tool says, so bytes that are not UTF-8 stay as they are.

// The entries a tool reads: `count` of them, entry i's bytes from at(i), each view valid while
// the tool runs. at() must only read: the sorts call it from more than one thread at once.
struct EntryBytes {
    qsizetype count = 0;
    // The bytes of all entries together.
    qsizetype byteCount = 0;
    std::function<QByteArrayView(qsizetype)> at;
};

// The locale whose collation orders the entries: the user's, unless that is the C locale,
// whose plain code-unit order would put "item10" before "item2" and "Zebra" before "apple".
QLocale sortingLocale();

// Natural order: case-insensitive, numbers by value, accents as the locale sorts them. Equal
// entries keep their order in both directions.
PackedTexts sortedNaturally(const EntryBytes& entries, bool descending, const QLocale& locale);
PackedTexts reversed(const EntryBytes& entries);
// Exact comparison; the first occurrence stays where it was.
PackedTexts withoutDuplicates(const EntryBytes& entries);
PackedTexts withSpacesTrimmed(const EntryBytes& entries);
PackedTexts withoutEmpty(const EntryBytes& entries);
// When before and after are the same single character, an occurrence of it inside an entry is
// doubled, as CSV does with '"' and SQL with '\''.
PackedTexts wrapped(const EntryBytes& entries, const WrapTexts& wrap);
// Every entry that contains the separator becomes its parts, empty ones included; an empty
// separator leaves the entries as they are.
PackedTexts splitAt(const EntryBytes& entries, const QString& separator);

} // namespace tavrolin
