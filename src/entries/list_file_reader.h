#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

class QFile;
class QIODevice;

namespace tavrolin {

class MessageBoxes;
class ListView;

// Cuts 8-bit text into entries as it arrives: CR, CR LF and a lone LF each end an entry, so an
// empty line is an empty entry; after the last terminator, the rest is one more entry unless it
// is empty (a text file ends its last line with a terminator). Entries leave as the bytes they
// are, valid only during the call.
class EntrySplitter {
public:
    using Sink = std::function<void(QByteArrayView)>;

    explicit EntrySplitter(Sink sink);
    void feed(QByteArrayView bytes);
    void finish();

private:
    void emitLine(QByteArrayView bytes);

    Sink m_sink;
    QByteArray m_partial;
    bool m_pendingCr = false;
};

// Why a list file could not be opened, if it could not.
enum class ListFileOpening { Opened, Missing, NotAFile, Refused };

// Opens the file at path for reading as a list file. A folder, a pipe or a device is no list
// file (opening a pipe would also block until a writer comes); the window and batch mode refuse
// them alike.
ListFileOpening openListFile(QFile& file, const QString& path);

// Reads the device to its end and hands each entry to the sink, the bytes taken as
// ListFileDecoder takes them and cut as EntrySplitter cuts them: the one reading of list files,
// for the window's load and for batch mode. Raises RuntimeError(DeviceIo) when a read fails,
// the entries before it already handed over.
void readEntries(QIODevice& device, const EntrySplitter::Sink& sink);

// Appends every line of a list file to the list as one entry each, its text taken as
// ListFileDecoder takes it (a byte-order mark tells the encoding). Shows "File not found" for
// a missing path; raises RuntimeError when the file cannot be opened or read (the entries read
// until then stay).
void LoadTextFileToListView(ListView& list, const QString& path, MessageBoxes& dialogs);

} // namespace tavrolin
