#pragma once

#include "common/entry_tool_options.h"

#include <QList>
#include <functional>
#include <optional>

namespace tavrolin {

// A file's first rows and the column to take of it (entries/csv_column.h).
struct CsvPreview;
struct CsvColumnChoice;

// The questions of the entry list's tools, each a dialog of its own, opening with the answers
// it is given (those the user gave last).
class ToolDialogs {
public:
    virtual ~ToolDialogs() = default;

    // The texts to wrap each entry in; nothing when the user cancels.
    virtual std::optional<WrapTexts> wrapBox(const WrapTexts& offered) = 0;
    // Where to split; nothing when the user cancels.
    virtual std::optional<SplitAnswer> splitBox(const SplitAnswer& offered) = 0;
    // Which entries count as duplicates and which stay; nothing when the user cancels.
    virtual std::optional<DuplicateRules> duplicatesBox(const DuplicateRules& offered) = 0;
    // The grouping for "Create in Groups", a size below 1 offering the dialog's own; nothing
    // when the user cancels.
    virtual std::optional<Grouping> groupsBox(const Grouping& offered) = 0;
    // Shows the figures of the entry list until the user closes them.
    virtual void figuresBox(const QList<Figure>& figures) = 0;
    // The delimiter, header and column to load from a CSV file, shown with its first rows as
    // the delimiter first read them; `reread` gives them read with another delimiter. Nothing
    // when the user cancels.
    virtual std::optional<CsvColumnChoice>
    csvColumnBox(const CsvPreview& preview,
                 const std::function<CsvPreview(char delimiter)>& reread) = 0;
};

} // namespace tavrolin
