#pragma once

#include <QtGlobal>

namespace tavrolin {

// Asks the system to back a large block of memory that is about to be filled with huge pages
// where it can: a block of tens of megabytes filled a page of 4 KiB at a time costs one fault
// per page, which on a loaded list or a created result is a good part of the work. Blocks under
// a few megabytes, and systems without the advice, are left as they are; the advice never
// changes what the block holds.
void adviseLargeBlock(char* data, qsizetype size);

} // namespace tavrolin
