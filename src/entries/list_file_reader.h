#pragma once

#include "entry_splitter.h"

class QIODevice;

namespace tavrolin {

// Reads the device to its end and hands each entry to the sink, the bytes taken as
// ListFileDecoder takes them and cut as EntrySplitter cuts them: the one reading of list files,
// for the window's load and for batch mode. Raises RuntimeError(DeviceIo) when a read fails,
// the entries before it already handed over.
void readEntries(QIODevice& device, const EntrySplitter::Sink& sink);

} // namespace tavrolin
