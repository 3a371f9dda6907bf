#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

namespace tavrolin {

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

} // namespace tavrolin
