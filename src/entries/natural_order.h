#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <type_traits>
#include <vector>

namespace tavrolin {

// Reads entry `index` of a list, whatever form the list keeps its texts in. It is called from
// more than one thread at once, so it must only read. A reader that gives a QString by value
// (converted from the store) leaves it in `scratch`, which lives until the next call; a reader
// that takes `scratch` as well writes the text into it, keeping its room from entry to entry, so
// that keying allocates nothing per entry.
class EntryTexts {
public:
    template <typename Read,
              typename = std::enable_if_t<std::is_invocable_v<const Read&, qsizetype> ||
                                          std::is_invocable_v<const Read&, qsizetype, QString&>>>
    EntryTexts(const Read& read) // NOLINT(google-explicit-constructor): a reader passes as is
        : reader_(&read), text_(&textOf<Read>) {}

    QStringView operator()(qsizetype index, QString& scratch) const {
        return text_(reader_, index, scratch);
    }

private:
    template <typename Read>
    static QStringView textOf(const void* reader, qsizetype index, QString& scratch) {
        const Read& read = *static_cast<const Read*>(reader);
        if constexpr (std::is_invocable_v<const Read&, qsizetype, QString&>) {
            return QStringView(read(index, scratch));
        } else {
            using Text = std::invoke_result_t<const Read&, qsizetype>;
            if constexpr (std::is_reference_v<Text> ||
                          !std::is_same_v<std::remove_cv_t<Text>, QString>)
                return QStringView(read(index));
            else {
                scratch = read(index);
                return scratch;
            }
        }
    }

    const void* reader_;
    QStringView (*text_)(const void*, qsizetype, QString&);
};

// The natural order of `count` entries: the indices of the entries in the order QCollator
// gives for the locale with numeric mode and case-insensitivity (so "item2" before "item10",
// "a" beside "A", accents beside their letter). Equal entries keep their order in both
// directions. The C locale is collated like any other here, not by code units as QCollator
// does: callers pass sortingLocale(), which is never C.
//
// The entries are worked in as many parts as the machine has cores (a short list in one, on the
// calling thread): each part is keyed and sorted on a thread of its own, then the parts are
// merged. The order does not depend on the number of parts. Running out of memory throws
// std::bad_alloc on the calling thread, whichever thread ran out; the buffers of the merge are
// taken before the keying starts, so that a list too large for them fails at once.
std::vector<qsizetype> naturalOrder(qsizetype count, EntryTexts texts, bool descending,
                                    const QLocale& locale);
// The same in `parts` parts (fewer when there are fewer entries).
std::vector<qsizetype> naturalOrder(qsizetype count, EntryTexts texts, bool descending,
                                    const QLocale& locale, int parts);

} // namespace tavrolin
