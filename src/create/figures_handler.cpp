#include "figures_handler.h"

#include "common/statement_trap.h"
#include "common/text_encoding.h"
#include "common/toolkit/event_pump.h"
#include "common/toolkit/list_view.h"
#include "common/toolkit/message_boxes.h"
#include "common/toolkit/mouse_pointer.h"
#include "common/toolkit/tool_dialogs.h"
#include "list_figures.h"
#include "separator.h"

#include <optional>

namespace tavrolin {

namespace {

// Entries counted between two calls of the event pump, which runs events only every so many
// calls and milliseconds: a few microseconds' work, as a creation's pass over one entry is.
constexpr qsizetype kEntriesPerTurn = 64;

// The separator as the user types it, quoted so that spaces show.
QString shownSeparator(const Separator& separator) {
    if (separator.isOtherMarker())
        return {};
    QString text = separator.text();
    text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\n', QStringLiteral("\\n"));
    return u'"' + text + u'"';
}

} // namespace

void showListFigures(const FiguresParts& ui, const Separator& separator) {
    Trap trap(ui.dialogs, QStringLiteral("Form1.ListView1_Figures"));
    // "Other" is asked only when a list is created; until then it joins with nothing.
    const QByteArray joinBytes =
        separator.isOtherMarker() ? QByteArray() : encode8Bit(separator.text());
    std::optional<FigureCounter> counter;
    trap(100, [&] {
        counter.emplace(
            ui.listView1.itemCount(),
            [&](qsizetype index) { return ui.listView1.itemBytesAt(int(index) + 1); }, joinBytes);
    });
    if (!counter)
        return;
    trap(102, [&] { ui.pointer.setPointer(pointer::Hourglass); });
    // A part that fails ends the count: figures of part of the list would mislead.
    bool counted = false;
    bool failed = false;
    while (!counted && !failed) {
        failed = true;
        trap(104, [&] {
            counted = counter->countMore(kEntriesPerTurn);
            failed = false;
        });
        if (!counted && !failed)
            trap(106, [&] { ui.events.processEvents(); });
    }
    trap(108, [&] { ui.pointer.setPointer(pointer::Default); });
    if (counted) {
        trap(110, [&] {
            ui.toolDialogs.figuresBox(figureRows(counter->figures(), shownSeparator(separator)));
        });
    }
}

} // namespace tavrolin
