// Arbitrary text as a path, with either separator. The routines must not fail and must give
// what they promise.

#include "common/path_routines.h"

#include "common/text_encoding.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace tavrolin;

namespace {

// Every run of n separators becomes a run of (n + 1) / 2: the one-pass pairing, stated per run.
QString halveRuns(QStringView text, QChar separator) {
    QString result;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype run = 0;
        while (i + run < text.size() && text[i + run] == separator)
            ++run;
        if (run == 0) {
            result.append(text[i++]);
            continue;
        }
        result.append(QString((run + 1) / 2, separator));
        i += run;
    }
    return result;
}

qsizetype longestRun(QStringView text, QChar separator) {
    qsizetype longest = 0;
    qsizetype run = 0;
    for (QChar c : text) {
        run = c == separator ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QChar separator = (data[0] & 1) != 0 ? QChar(u'\\') : QChar(u'/');
    const QString path = decode8Bit(QByteArrayView(data + 1, qsizetype(size - 1)));

    // The name is the text after the last separator, so it holds none and is its own name.
    const QString name = FileNameFromPath(path, separator);
    FUZZ_CHECK(!name.contains(separator));
    FUZZ_CHECK(path.endsWith(name));
    FUZZ_CHECK(name.size() == path.size() || path[path.size() - name.size() - 1] == separator);
    FUZZ_CHECK(FileNameFromPath(name, separator) == name);

    const QString fixed = FixDoubleBackslashes(path, separator);
    qsizetype lead = 0;
    while (lead < path.size() && path[lead] == separator)
        ++lead;
    if (lead == 0) {
        FUZZ_CHECK(fixed == halveRuns(path, separator));
    } else {
        // Any leading run becomes exactly the two separators of a network path's prefix.
        FUZZ_CHECK(fixed.left(2) == QString(2, separator));
        FUZZ_CHECK(fixed.size() == 2 || fixed[2] != separator);
        FUZZ_CHECK(fixed.mid(2) == halveRuns(QStringView(path).mid(lead), separator));
    }
    FUZZ_CHECK(longestRun(QStringView(fixed).mid(lead > 0 ? 2 : 0), separator) <=
               (longestRun(QStringView(path).mid(lead), separator) + 1) / 2);
    // Repairing the separators never changes the file's name.
    FUZZ_CHECK(FileNameFromPath(fixed, separator) == name);
    // A folder and a name joined with one separator too many come out with single separators,
    // and a path that has only single ones is left as it is.
    if (longestRun(QStringView(path).mid(lead), separator) <= 2)
        FUZZ_CHECK(FixDoubleBackslashes(fixed, separator) == fixed);

    // Any text, even one the file system rejects, is only a question here: the answer is false
    // for what cannot name a file.
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        FUZZ_CHECK(!FileExists(path));
    else
        (void)FileExists(path);
    return 0;
}
