#include "natural_order.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <unicode/ucol.h>

namespace tavrolin {

namespace {

// Lists shorter than this are worked on the calling thread alone.
constexpr qsizetype kInParallelFrom = 50'000;

constexpr size_t kPrefixBytes = 8;

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

// The keys of the entries from..to, one after another in one buffer (a key per entry would be
// an allocation per entry), where each starts, and the records.
struct Half {
    std::vector<uint8_t> keys;
    std::vector<size_t> starts;
    std::vector<Record> records;
};

uint64_t prefixOf(const uint8_t* key, size_t length) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < kPrefixBytes; ++i)
        prefix = prefix << 8 | (i < length ? key[i] : 0);
    return prefix;
}

Half keysOf(const EntryTexts& texts, qsizetype from, qsizetype to, const QByteArray& localeName) {
    const Collator collator = naturalCollator(localeName);
    Half half;
    half.records.reserve(size_t(to - from));
    half.starts.reserve(size_t(to - from));
    half.keys.resize(size_t(to - from) * 24 + 64); // most keys are shorter
    size_t used = 0;
    QString scratch;
    for (qsizetype index = from; index < to; ++index) {
        const QStringView text = texts(index, scratch);
        const auto units = reinterpret_cast<const UChar*>(text.utf16());
        const auto length = int32_t(text.size());
        // An empty entry's key is the terminating zero alone, before every other key, as
        // QCollator::compare puts it even before entries whose every character is ignored.
        int32_t size = 1;
        for (;;) {
            uint8_t* key = half.keys.data() + used;
            const auto room = int32_t(std::min<size_t>(half.keys.size() - used, INT32_MAX));
            if (!text.isEmpty())
                size = ucol_getSortKey(collator.get(), units, length, key, room);
            if (size <= 0)
                throw std::runtime_error("An entry could not be collated.");
            if (size <= room) {
                key[size - 1] = 0;
                break;
            }
            half.keys.resize(std::max(half.keys.size() * 2, used + size_t(size)));
        }
        half.starts.push_back(used);
        half.records.push_back({prefixOf(half.keys.data() + used, size_t(size)), index});
        used += size_t(size);
    }
    return half;
}

// Runs work(0) here and work(1) on another thread meanwhile, or afterwards when no thread is
// to be had. An exception of either reaches the caller once both are done.
template <typename Work> void inTwo(const Work& work) {
    std::exception_ptr secondFailure;
    std::thread second;
    try {
        second = std::thread([&] {
            try {
                work(1);
            } catch (...) {
                secondFailure = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        work(0);
        work(1);
        return;
    }
    try {
        work(0);
    } catch (...) {
        second.join();
        throw;
    }
    second.join();
    if (secondFailure)
        std::rethrow_exception(secondFailure);
}

// Merges the sorted records a and b into their indices in order, from both ends at once: the
// front half of the order takes the lesser records, the back half the greater.
template <typename Before>
void mergeFromBothEnds(const std::vector<Record>& a, const std::vector<Record>& b,
                       std::vector<qsizetype>& order, const Before& before) {
    const size_t middle = order.size() / 2;
    inTwo([&](int part) {
        size_t i = part == 0 ? 0 : a.size();
        size_t j = part == 0 ? 0 : b.size();
        if (part == 0) {
            for (size_t out = 0; out < middle; ++out) {
                const bool fromA = j == b.size() || (i < a.size() && before(a[i], b[j]));
                order[out] = fromA ? a[i++].index : b[j++].index;
            }
        } else {
            for (size_t out = order.size(); out > middle; --out) {
                const bool fromA = j == 0 || (i > 0 && before(b[j - 1], a[i - 1]));
                order[out - 1] = fromA ? a[--i].index : b[--j].index;
            }
        }
    });
}

} // namespace

std::vector<qsizetype> naturalOrder(qsizetype count, EntryTexts texts, bool descending,
                                    const QLocale& locale) {
    const QByteArray localeName = locale.bcp47Name().replace(u'-', u'_').toLatin1();
    const qsizetype middle = count < kInParallelFrom ? count : count / 2;
    Half halves[2];
    const auto keyHalf = [&](int part) {
        halves[part] = part == 0 ? keysOf(texts, 0, middle, localeName)
                                 : keysOf(texts, middle, count, localeName);
    };
    const auto keyOf = [&](const Record& record) {
        const Half& half = halves[record.index < middle ? 0 : 1];
        const qsizetype first = record.index < middle ? 0 : middle;
        return half.keys.data() + half.starts[size_t(record.index - first)];
    };
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
    const auto sortHalf = [&](int part) {
        std::sort(halves[part].records.begin(), halves[part].records.end(), before);
    };
    std::vector<qsizetype> order(static_cast<size_t>(count));
    if (middle == count) {
        keyHalf(0);
        sortHalf(0);
        std::transform(halves[0].records.begin(), halves[0].records.end(), order.begin(),
                       [](const Record& record) { return record.index; });
        return order;
    }
    inTwo(keyHalf);
    inTwo(sortHalf);
    mergeFromBothEnds(halves[0].records, halves[1].records, order, before);
    return order;
}

} // namespace tavrolin
