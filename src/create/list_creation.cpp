#include "list_creation.h"

#include "common/path_routines.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/toolkit.h"
#include "separator.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tavrolin {

namespace {

// The file-name part of an entry's bytes: the separator is ASCII, which no byte of a longer
// UTF-8 sequence and no kept byte can be, so this decodes to the file-name part of its text.
QByteArrayView fileNamePart(QByteArrayView entry) {
    const char separator = char(kPathSeparator.unicode());
    const void* last =
        entry.isEmpty() ? nullptr : memrchr(entry.data(), separator, size_t(entry.size()));
    return last == nullptr ? entry
                           : entry.sliced(static_cast<const char*>(last) - entry.data() + 1);
}

// The joined list while it is built. Its room is taken once, for the length the entries have
// when the press starts, and grows only if they change meanwhile; each append is a copy into
// that room, without the checks of a general append.
class JoinedBytes {
public:
    void reserve(qsizetype length) { m_bytes.resize(length); }

    void append(QByteArrayView bytes) {
        if (m_used + bytes.size() > m_bytes.size())
            m_bytes.resize(std::max(m_used + bytes.size(), m_bytes.size() * 2));
        std::copy(bytes.begin(), bytes.end(), m_bytes.data() + m_used);
        m_used += bytes.size();
    }

    void chop(qsizetype length) { m_used -= std::min(length, m_used); }

    qsizetype size() const { return m_used; }
    // The bytes from the position on, valid until the next append.
    QByteArrayView from(qsizetype position) const {
        return QByteArrayView(m_bytes.constData() + position, m_used - position);
    }

    QByteArray take() {
        m_bytes.truncate(m_used);
        return std::exchange(m_bytes, {});
    }

private:
    QByteArray m_bytes;
    qsizetype m_used = 0;
};

double share(int done, int count) {
    if (count == 0)
        throw RuntimeError::of(error::DivisionByZero);
    return double(done) / double(count) * 100.0;
}

} // namespace

void createList(Toolkit& ui, Separator& separator) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton4_Click"));
    trap(104, [&] { ui.listView2.removeAll(); });
    if (trap.test(106, [&] { return separator.isOtherMarker(); })) {
        trap(108, [&] {
            separator.set(ui.dialogs.inputBox(
                QStringLiteral("What would you like to separate each entry with"), QString(),
                QStringLiteral(", ")));
        });
    }
    // The text this press joins with. A pick of "Other" during the press only sets the marker
    // for the next press: the marker itself is never put between entries, unless the user
    // typed it as the answer above.
    QString joinWith = separator.text();
    QByteArray joinBytes = encode8Bit(joinWith);
    int count = 0;
    if (!trap.test(110, [&] { return (count = ui.listView1.itemCount()) == 0; })) {
        // The result is built from the entries' bytes as they are, so it is the bytes of the
        // entries and separators in turn however the entries were encoded; its length is
        // known up front, so it grows only when the entries change meanwhile.
        JoinedBytes result;
        const qsizetype expected = ui.listView1.byteCount() + count * joinBytes.size();
        // The bound is read once: entries appended meanwhile are not joined by this press.
        for (int i = 1; i <= count; ++i) {
            trap(114, [&] { ui.pointer.setPointer(pointer::Hourglass); });
            trap(116, [&] { ui.progressBar1.setValue(share(i, ui.listView1.itemCount())); });
            // The entry is read straight into the result: the one copy of it that joining
            // needs, made before events run, so what is joined is what was read here whatever
            // the list does meanwhile, and a long entry costs one copy between two event
            // turns. An entry that cannot be read joins as an empty one.
            const qsizetype entryStart = result.size();
            trap(118, [&] {
                if (i == 1)
                    result.reserve(expected);
                result.append(ui.listView1.itemBytesAt(i));
            });
            trap(120, [&] {
                ui.progressBar1.setText(QStringLiteral("Processing: "),
                                        fileNamePart(result.from(entryStart)));
            });
            trap(122, [&] { ui.events.processEvents(); });
            trap(124, [&] {
                if (!separator.isOtherMarker() && !separator.hasText(joinWith)) {
                    joinWith = separator.text();
                    joinBytes = encode8Bit(joinWith);
                }
                result.append(joinBytes);
            });
        }
        // No events ran since the last append, so this cuts exactly the trailing separator.
        trap(128, [&] { result.chop(joinBytes.size()); });
        trap(130, [&] { ui.listView2.appendItemBlock(result.take()); });
        trap(132, [&] { ui.pointer.setPointer(pointer::Default); });
        trap(134, [&] { ui.progressBar1.setValue(0); });
        trap(136, [&] { ui.progressBar1.setText(QStringLiteral("Progress Bar")); });
        trap(138, [&] { ui.dialogs.messageBox(QStringLiteral("Done."), MessageStyle::OkOnly); });
    } else {
        trap(140, [&] {
            ui.dialogs.messageBox(QStringLiteral("Load items to list first"), MessageStyle::OkOnly);
        });
    }
}

} // namespace tavrolin
