#include "natural_order.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <stdexcept>
#include <thread>
#include <unicode/ucol.h>

namespace tavrolin {

namespace {

// Lists shorter than this are worked on the calling thread alone.
constexpr qsizetype kInParallelFrom = 50'000;

constexpr size_t kPrefixBytes = 8;

constexpr size_t kKeyBlockBytes = size_t(1) << 20;

// How many entries a part keys between looks at whether another part has failed.
constexpr qsizetype kStopCheckEvery = 4096;

using Collator = std::unique_ptr<UCollator, decltype(&ucol_close)>;

// The collator QCollator makes for the locale with numeric mode and case-insensitivity, so
// that the keys order exactly as QCollator::compare does. Each thread opens its own.
Collator naturalCollator(const QByteArray& localeName) {
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open(localeName.constData(), &status), &ucol_close);
    ucol_setAttribute(collator.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(collator.get(), UCOL_STRENGTH, UCOL_SECONDARY, &status);
    ucol_setAttribute(collator.get(), UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    ucol_setAttribute(collator.get(), UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    if (status == U_MEMORY_ALLOCATION_ERROR)
        throw std::bad_alloc();
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("No collator for the locale: ") + u_errorName(status));
    return collator;
}

// An entry to sort: the first bytes of its key, big-endian, so that most comparisons end
// without reading the key.
struct Record {
    uint64_t prefix;
    qsizetype index;
};

uint64_t prefixOf(const uint8_t* key, size_t length) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < kPrefixBytes; ++i)
        prefix = prefix << 8 | (i < length ? key[i] : 0);
    return prefix;
}

// The keys of one part's entries, one after another in blocks that never move, so that a key's
// address holds from when it is made (a key per entry would be an allocation per entry).
using KeyBlocks = std::vector<std::unique_ptr<uint8_t[]>>;

// Keys the entries from..to into `blocks`, puts where each key is at keyAt[index] and the
// records at `records`. Stops early, leaving the rest unkeyed, once `stop` is set: another part
// has failed and the order will not be asked for.
void keysOf(const EntryTexts& texts, qsizetype from, qsizetype to, const QByteArray& localeName,
            KeyBlocks& blocks, const uint8_t** keyAt, Record* records,
            const std::atomic<bool>& stop) {
    const Collator collator = naturalCollator(localeName);
    uint8_t* key = nullptr;
    size_t room = 0;
    QString scratch;
    for (qsizetype index = from; index < to; ++index) {
        if ((index - from) % kStopCheckEvery == 0 && stop.load(std::memory_order_relaxed))
            return;
        const QStringView text = texts(index, scratch);
        const auto units = reinterpret_cast<const UChar*>(text.utf16());
        const auto length = int32_t(text.size());
        // An empty entry's key is the terminating zero alone, before every other key, as
        // QCollator::compare puts it even before entries whose every character is ignored.
        int32_t size = 1;
        for (;;) {
            const auto fits = int32_t(std::min<size_t>(room, INT32_MAX));
            if (!text.isEmpty())
                size = ucol_getSortKey(collator.get(), units, length, key, fits);
            // The collator fails to key an entry only when its own memory runs short.
            if (size <= 0)
                throw std::bad_alloc();
            if (size <= fits)
                break;
            room = std::max(kKeyBlockBytes, size_t(size));
            blocks.push_back(std::make_unique<uint8_t[]>(room));
            key = blocks.back().get();
        }
        key[size - 1] = 0;
        keyAt[index] = key;
        *records++ = {prefixOf(key, size_t(size)), index};
        key += size;
        room -= size_t(size);
    }
}

// Runs work(0, stop) to work(tasks - 1, stop) at once: work(0, ...) here, each other on a
// thread of its own, or here first when no thread is to be had. An exception of any reaches the
// caller once all are done; `stop` is set as soon as one has failed, so that long work can give
// up early. No exception leaves a thread: one that did would end the program.
template <typename Work> void inParallel(size_t tasks, const Work& work) {
    std::vector<std::exception_ptr> failures(tasks);
    std::atomic<bool> stop = false;
    const auto run = [&](size_t task) {
        try {
            work(task, stop);
        } catch (...) {
            failures[task] = std::current_exception();
            stop.store(true, std::memory_order_relaxed);
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(tasks);
    for (size_t task = 1; task < tasks; ++task) {
        // A thread not had (no thread, or no memory for one) is no failure of the work; leaving
        // here instead would leave the threads already started unjoined.
        try {
            threads.emplace_back(run, task);
        } catch (const std::exception&) {
            run(task);
        }
    }
    run(0);
    for (std::thread& thread : threads)
        thread.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
}

void put(Record& to, const Record& from) {
    to = from;
}

void put(qsizetype& to, const Record& from) {
    to = from.index;
}

// Merges the sorted records a and b into out from one end: the front half of out takes the
// lesser records, the back half the greater, so that two threads merge one pair at once.
template <typename Out, typename Before>
void mergeFromOneEnd(const Record* a, size_t aSize, const Record* b, size_t bSize, Out* out,
                     bool back, const Before& before) {
    const size_t middle = (aSize + bSize) / 2;
    if (!back) {
        size_t i = 0;
        size_t j = 0;
        for (size_t o = 0; o < middle; ++o) {
            const bool fromA = j == bSize || (i < aSize && before(a[i], b[j]));
            put(out[o], fromA ? a[i++] : b[j++]);
        }
    } else {
        size_t i = aSize;
        size_t j = bSize;
        for (size_t o = aSize + bSize; o > middle; --o) {
            const bool fromA = j == 0 || (i > 0 && before(b[j - 1], a[i - 1]));
            put(out[o - 1], fromA ? a[--i] : b[--j]);
        }
    }
}

// The indices of the records in order into `order`, the records given as sorted runs of `run`
// records each (the last may be shorter). Neighbouring runs are merged in rounds, every pair of a
// round at once and each from both ends, until one run is left; `next`, as long as the records
// when there is more than one round, takes every round but the last.
template <typename Before>
void merge(std::vector<Record>& records, std::vector<Record>& next, std::vector<qsizetype>& order,
           size_t run, const Before& before) {
    const size_t count = records.size();
    if (run >= count) {
        std::transform(records.begin(), records.end(), order.begin(),
                       [](const Record& record) { return record.index; });
        return;
    }
    for (;; run *= 2) {
        const size_t pairs = (count + 2 * run - 1) / (2 * run);
        inParallel(pairs * 2, [&](size_t task, const std::atomic<bool>&) {
            const size_t first = task / 2 * 2 * run;
            const size_t middle = std::min(count, first + run);
            const size_t end = std::min(count, first + 2 * run);
            const Record* a = records.data() + first;
            const Record* b = records.data() + middle;
            const bool back = task % 2 == 1;
            if (pairs > 1)
                mergeFromOneEnd(a, middle - first, b, end - middle, next.data() + first, back,
                                before);
            else
                mergeFromOneEnd(a, middle - first, b, end - middle, order.data(), back, before);
        });
        if (pairs == 1)
            return;
        records.swap(next);
    }
}

} // namespace

std::vector<qsizetype> naturalOrder(qsizetype count, EntryTexts texts, bool descending,
                                    const QLocale& locale) {
    const int parts = count < kInParallelFrom ? 1 : QThread::idealThreadCount();
    return naturalOrder(count, texts, descending, locale, parts);
}

std::vector<qsizetype> naturalOrder(qsizetype count, EntryTexts texts, bool descending,
                                    const QLocale& locale, int parts) {
    const QByteArray localeName = locale.bcp47Name().replace(u'-', u'_').toLatin1();
    // Parts of one size; the last may be shorter, and a list of fewer entries than parts has
    // fewer parts.
    const auto total = size_t(count);
    const size_t wanted = size_t(std::max(parts, 1));
    const size_t partSize = std::max<size_t>((total + wanted - 1) / wanted, 1);
    const size_t partCount = std::max<size_t>((total + partSize - 1) / partSize, 1);
    std::vector<KeyBlocks> keyBlocks(partCount);
    std::vector<const uint8_t*> keyAt(total);
    std::vector<Record> records(total);
    // Taken before the keying, which takes the rest: a list whose merge cannot have its room
    // fails here, not after the keying has worked through it.
    std::vector<Record> next(total > partSize * 2 ? total : 0);
    std::vector<qsizetype> sorted(total);
    const auto keyOf = [&](const Record& record) { return keyAt[size_t(record.index)]; };
    // Equal keys, which only the index tells apart, keep their order in both directions.
    const auto before = [&](const Record& a, const Record& b) {
        int order = 0;
        if (a.prefix != b.prefix)
            order = a.prefix < b.prefix ? -1 : 1;
        else if ((a.prefix & 0xff) != 0) // neither key ended within the prefix
            order = std::strcmp(reinterpret_cast<const char*>(keyOf(a) + kPrefixBytes),
                                reinterpret_cast<const char*>(keyOf(b) + kPrefixBytes));
        if (order == 0)
            return a.index < b.index;
        return descending ? order > 0 : order < 0;
    };
    inParallel(partCount, [&](size_t part, const std::atomic<bool>& stop) {
        const size_t from = part * partSize;
        const size_t to = std::min(total, from + partSize);
        keysOf(texts, qsizetype(from), qsizetype(to), localeName, keyBlocks[part], keyAt.data(),
               records.data() + from, stop);
        if (!stop.load(std::memory_order_relaxed))
            std::sort(records.begin() + qsizetype(from), records.begin() + qsizetype(to), before);
    });
    merge(records, next, sorted, partSize, before);
    return sorted;
}

} // namespace tavrolin
