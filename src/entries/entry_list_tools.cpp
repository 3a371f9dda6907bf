#include "entry_list_tools.h"

#include "natural_order.h"

#include <QSet>
#include <algorithm>

namespace tavrolin {

QLocale sortingLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English) : system;
}

QStringList sortedNaturally(const QStringList& entries, bool descending, const QLocale& locale) {
    const auto entryAt = [&](qsizetype index) -> const QString& { return entries[index]; };
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const qsizetype index : naturalOrder(entries.size(), entryAt, descending, locale))
        sorted.append(entries[index]);
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
    const QChar mark = doubling ? wrap.before.front() : QChar();
    for (QString& entry : entries) {
        QString result;
        result.reserve(wrap.before.size() + entry.size() + wrap.after.size());
        result += wrap.before;
        if (doubling && entry.contains(mark))
            result += QString(entry).replace(mark, QString(2, mark));
        else
            result += entry;
        result += wrap.after;
        entry = std::move(result);
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
