#include "entry_list_tools.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QSet>
#include <algorithm>
#include <exception>
#include <numeric>
#include <system_error>
#include <thread>
#include <vector>

namespace tavrolin {

QLocale sortingLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English) : system;
}

namespace {

// Entries below this many are keyed on the calling thread alone.
constexpr qsizetype kKeysInParallelFrom = 50'000;

QCollator naturalCollator(const QLocale& locale) {
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// Collating is most of a sort's time, so on a long list the second half is keyed on another
// thread meanwhile. A collator is not shared between threads: each makes its own.
std::vector<QCollatorSortKey> keysOf(const QStringList& entries, qsizetype from, qsizetype to,
                                     const QLocale& locale) {
    const QCollator collator = naturalCollator(locale);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(to - from));
    for (qsizetype i = from; i < to; ++i)
        keys.push_back(collator.sortKey(entries[i]));
    return keys;
}

} // namespace

QStringList sortedNaturally(const QStringList& entries, bool descending, const QLocale& locale) {
    const qsizetype count = entries.size();
    qsizetype half = count < kKeysInParallelFrom ? count : count / 2;
    std::vector<QCollatorSortKey> secondKeys;
    std::exception_ptr secondFailure;
    std::thread second;
    if (half < count) {
        try {
            second = std::thread([&] {
                try {
                    secondKeys = keysOf(entries, half, count, locale);
                } catch (...) {
                    secondFailure = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            half = count; // no thread to be had: key them all here
        }
    }
    const auto joinSecond = [&] {
        if (second.joinable())
            second.join();
    };
    std::vector<QCollatorSortKey> firstKeys;
    try {
        firstKeys = keysOf(entries, 0, half, locale);
    } catch (...) {
        joinSecond();
        throw;
    }
    joinSecond();
    if (secondFailure)
        std::rethrow_exception(secondFailure);
    const auto keyOf = [&](qsizetype i) -> const QCollatorSortKey& {
        return i < half ? firstKeys[size_t(i)] : secondKeys[size_t(i - half)];
    };

    std::vector<qsizetype> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = keyOf(a).compare(keyOf(b));
        return descending ? c > 0 : c < 0;
    });
    QStringList sorted;
    sorted.reserve(count);
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
