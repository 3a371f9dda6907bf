#pragma once

#include "common/toolkit/dialogs.h"

#include <QLocale>
#include <QStringList>

namespace tavrolin {

// The transformations of the entry list's tools: each takes the entries and gives the new
// list. Entries are never altered beyond what the tool says, so bytes kept as lone surrogates
// stay as they are.

// The locale whose collation orders the entries: the user's, unless that is the C locale,
// whose plain code-unit order would put "item10" before "item2" and "Zebra" before "apple".
QLocale sortingLocale();

// Natural order: case-insensitive, numbers by value, accents as the locale sorts them. Equal
// entries keep their order in both directions.
QStringList sortedNaturally(const QStringList& entries, bool descending, const QLocale& locale);
QStringList reversed(QStringList entries);
// Exact comparison; the first occurrence stays where it was.
QStringList withoutDuplicates(const QStringList& entries);
QStringList withSpacesTrimmed(QStringList entries);
QStringList withoutEmpty(QStringList entries);
// When before and after are the same single character, an occurrence of it inside an entry is
// doubled, as CSV does with '"' and SQL with '\''.
QStringList wrapped(QStringList entries, const WrapTexts& wrap);
// Every entry that contains the separator becomes its parts, empty ones included; an empty
// separator leaves the entries as they are.
QStringList splitAt(const QStringList& entries, const QString& separator);

} // namespace tavrolin
