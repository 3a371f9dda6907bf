#include "entry_list_tools.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QSet>
#include <algorithm>
#include <numeric>
#include <vector>

namespace tavrolin {

QLocale sortingLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English) : system;
}

QStringList sortedNaturally(const QStringList& entries, bool descending, const QLocale& locale) {
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // One key per entry, then cheap key comparisons: comparing through the collator each time
    // would collate every entry some twenty times on a million entries.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(entries.size()));
    for (const QString& entry : entries)
        keys.push_back(collator.sortKey(entry));
    std::vector<qsizetype> order(size_t(entries.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = keys[size_t(a)].compare(keys[size_t(b)]);
        return descending ? c > 0 : c < 0;
    });
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const qsizetype i : order)
        sorted.append(entries[i]);
    return sorted;
}

QStringList reversed(QStringList entries) {
    std::reverse(entries.begin(), entries.end());
    return entries;
}

QStringList withoutDuplicates(const QStringList& entries) {
    QSet<QStringView> seen;
    seen.reserve(entries.size());
    QStringList unique;
    for (const QString& entry : entries) {
        const qsizetype before = seen.size();
        seen.insert(entry);
        if (seen.size() != before)
            unique.append(entry);
    }
    return unique;
}

QStringList withSpacesTrimmed(QStringList entries) {
    for (QString& entry : entries)
        entry = std::move(entry).trimmed();
    return entries;
}

QStringList withoutEmpty(QStringList entries) {
    entries.removeIf([](const QString& entry) { return entry.isEmpty(); });
    return entries;
}

QStringList wrapped(QStringList entries, const WrapTexts& wrap) {
    const bool doubling = wrap.before.size() == 1 && wrap.before == wrap.after;
    for (QString& entry : entries) {
        if (doubling)
            entry.replace(wrap.before, wrap.before + wrap.before);
        entry = wrap.before + entry + wrap.after;
    }
    return entries;
}

QStringList splitAt(const QStringList& entries, const QString& separator) {
    if (separator.isEmpty())
        return entries;
    QStringList parts;
    parts.reserve(entries.size());
    for (const QString& entry : entries) {
        if (!entry.contains(separator)) {
            parts.append(entry);
            continue;
        }
        for (const QStringView part : QStringView(entry).split(separator))
            parts.append(part.toString());
    }
    return parts;
}

} // namespace tavrolin
