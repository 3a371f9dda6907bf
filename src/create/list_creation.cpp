#include "list_creation.h"

#include "common/escaped_text.h"
#include "common/packed_texts.h"
#include "common/path_routines.h"
#include "common/runtime_error.h"
#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/toolkit.h"
#include "entry_join.h"
#include "separator.h"

#include <cstring>
#include <optional>
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

double share(int done, int count) {
    if (count == 0)
        throw RuntimeError::of(error::DivisionByZero);
    return double(done) / double(count) * 100.0;
}

} // namespace

CreationParts CreationParts::of(Toolkit& ui) {
    return {ui.dialogs,   ui.toolDialogs,  ui.pointer, ui.listView1,
            ui.listView2, ui.progressBar1, ui.events};
}

namespace {

// The creation from statement 104 on; with a grouping, each group is a results row of its own.
void create(const CreationParts& ui, Separator& separator, Trap& trap, const Grouping* grouping) {
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
    int count = 0;
    if (!trap.test(110, [&] { return (count = ui.listView1.itemCount()) == 0; })) {
        // The result is built from the entries' bytes as they are, so it is the bytes of the
        // entries and separators in turn however the entries were encoded; its length is
        // known up front, so it grows only when the entries change meanwhile.
        const QByteArray joinBytes = encode8Bit(joinWith);
        const qsizetype expected = ui.listView1.byteCount() + count * joinBytes.size();
        JoinShape shape;
        shape.separator = joinBytes;
        QByteArray result;
        PackedTexts rows;
        std::optional<EntryJoin> join;
        if (grouping != nullptr) {
            shape.groupSize = grouping->size;
            shape.before = encode8Bit(grouping->before);
            shape.after = encode8Bit(grouping->after);
            join.emplace(shape, [&](QByteArray row) { rows.append(QByteArrayView(row)); });
        } else {
            join.emplace(shape, [&](QByteArray row) { result = std::move(row); });
        }
        // The bound is read once: entries appended meanwhile are not joined by this press.
        for (int i = 1; i <= count; ++i) {
            trap(114, [&] { ui.pointer.setPointer(pointer::Hourglass); });
            trap(116, [&] { ui.progressBar1.setValue(share(i, ui.listView1.itemCount())); });
            // The entry is joined before events run, so what is joined is what was read here
            // whatever the list does meanwhile, and a long entry costs one copy between two
            // event turns. An entry that cannot be read joins as an empty one.
            QByteArrayView entry;
            trap(118, [&] {
                if (i == 1 && grouping == nullptr)
                    join->reserve(expected);
                if (i == 1 && grouping != nullptr) {
                    const qsizetype groups = (count - 1) / grouping->size + 1;
                    rows.reserve(groups,
                                 expected + groups * (shape.before.size() + shape.after.size()));
                }
                entry = ui.listView1.itemBytesAt(i);
            });
            trap(118, [&] { join->add(entry); });
            trap(120, [&] {
                ui.progressBar1.setText(QStringLiteral("Processing: "), fileNamePart(entry));
            });
            trap(122, [&] { ui.events.processEvents(); });
            // A separator picked meanwhile joins from the next gap on.
            trap(124, [&] {
                if (!separator.isOtherMarker() && !separator.hasText(joinWith)) {
                    joinWith = separator.text();
                    join->setSeparator(encode8Bit(joinWith));
                }
            });
        }
        trap(128, [&] { join->finish(); });
        // Grouped rows come ticked: they are meant to be taken all, row by row.
        trap(130, [&] {
            if (grouping != nullptr) {
                ui.listView2.appendItems(std::move(rows), CheckMark::Set);
            } else {
                // The single row moves in as the block of the emptied list, uncopied.
                PackedTexts row;
                row.append(std::move(result));
                ui.listView2.appendItems(std::move(row), CheckMark::Clear);
            }
        });
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

} // namespace

void createList(const CreationParts& ui, Separator& separator) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.PushButton4_Click"));
    create(ui, separator, trap, nullptr);
}

void createListInGroups(const CreationParts& ui, Separator& separator, Grouping& offered) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.ListView1_CreateInGroups"));
    // With no entries there is nothing to group: the creation says so as a press would.
    std::optional<Grouping> grouping;
    if (!trap.test(100, [&] { return ui.listView1.itemCount() == 0; })) {
        trap(102, [&] { grouping = ui.toolDialogs.groupsBox(offered); });
        // A group of no entries would never end; the dialog offers none, and none is taken.
        if (!grouping || grouping->size < 1)
            return;
        offered = *grouping;
        // Typed as Split's separator is, and as batch mode's --before and --after are read.
        grouping->before = withEscapesReplaced(grouping->before);
        grouping->after = withEscapesReplaced(grouping->after);
    }
    create(ui, separator, trap, grouping ? &*grouping : nullptr);
}

} // namespace tavrolin
