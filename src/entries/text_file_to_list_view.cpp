#include "text_file_to_list_view.h"

#include "common/packed_texts.h"
#include "common/runtime_error.h"
#include "common/toolkit/list_appending.h"
#include "common/toolkit/message_boxes.h"
#include "list_file_opening.h"
#include "list_file_reader.h"

#include <QFile>
#include <utility>

namespace tavrolin {

namespace {

[[noreturn]] void accessError() {
    throw RuntimeError::of(error::PathFileAccess);
}

} // namespace

void LoadTextFileToListView(ListView& list, const QString& path, MessageBoxes& dialogs) {
    QFile file;
    switch (openListFile(file, path)) {
    case ListFileOpening::Missing:
        dialogs.messageBox(QStringLiteral("File not found"), MessageStyle::OkOnly);
        return;
    case ListFileOpening::NotAFile:
    case ListFileOpening::Refused:
        accessError();
    case ListFileOpening::Opened:
        break;
    }
    // The entries are gathered in a block of the file's size, which the list then takes in
    // one go (into an empty list without a copy): one allocation, and each page of it
    // touched once. What was read before a failure still comes into the list.
    PackedTexts entries;
    entries.reserve(0, file.size());
    try {
        readEntries(file, [&entries](QByteArrayView entry) { entries.append(entry); });
    } catch (const RuntimeError&) {
        // What was read before a read error comes in; after running out of memory, nothing
        // does (the load is undone).
        entries.fit();
        appendAsBurstOrEach(list, std::move(entries),
                            [&list](QByteArrayView entry) { list.appendItem(entry); });
        throw;
    }
    entries.fit();
    appendAsBurstOrEach(list, std::move(entries),
                        [&list](QByteArrayView entry) { list.appendItem(entry); });
}

} // namespace tavrolin
