#pragma once

#include "common/packed_texts.h"
#include "entries/entry_list_tools.h"

#include <QByteArray>
#include <QByteArrayView>

namespace tavrolin {

// Quoting rules that make an entry's bytes a literal of another language, so that a list
// joined with a separator can be pasted into a program, a pattern or a command line. Each
// appends to `out` in one pass; a caller quoting many entries keeps `out` from one to the next
// for its room (the functions reserve nothing: exact reserves before each append would make
// building one long text quadratic).

// The rules are EntryQuoting's (common/entry_tool_options.h), which Wrap's choice carries.

// The entry between double quotes, '"' and '\' escaped with a backslash, control characters
// as \b \f \n \r \t or \u00XX (DEL may stay as it is). A byte that is not UTF-8 is written as
// the character the lists show for it (its Windows-1252 character, see shownText), so the
// result is always valid UTF-8 and valid JSON: the one rule that does not keep such a byte.
void appendJsonString(QByteArray& out, QByteArrayView entry);

// The entry with each of \ . ^ $ * + ? ( ) [ ] { } | escaped by a backslash, and LF and CR
// written as \n and \r: it matches itself literally in POSIX extended expressions, PCRE,
// JavaScript (with or without the u flag) and Python, and entries joined with '|' make one
// alternation on one line. A pattern file or grep takes a raw line break as the end of a
// pattern, so an entry holding one could otherwise never match as itself; POSIX extended
// expressions have no escape for it, and grep matches line by line anyway. '/' stays as it
// is: it is literal in every engine, and delimiting a JavaScript literal is the host's
// quoting, as '"' is for a string. Bytes that are not UTF-8 stay as they are.
void appendRegexLiteral(QByteArray& out, QByteArrayView entry);

// The entry between single quotes, each '\'' inside written as '\'' (close, escaped quote,
// reopen): one word to a POSIX shell, every other byte taken literally.
void appendShellWord(QByteArray& out, QByteArrayView entry);

void appendQuoted(QByteArray& out, QByteArrayView entry, EntryQuoting quoting);
QByteArray quotedEntry(QByteArrayView entry, EntryQuoting quoting);

// Every entry quoted by the rule, in order, in one block.
PackedTexts quotedEntries(const EntryBytes& entries, EntryQuoting quoting);

} // namespace tavrolin
