#pragma once

#include "common/entry_tool_options.h"

#include <QList>
#include <optional>

namespace tavrolin {

// The questions of the entry list's tools, each a dialog of its own.
class ToolDialogs {
public:
    virtual ~ToolDialogs() = default;

    // The texts to wrap each entry in; nothing when the user cancels.
    virtual std::optional<WrapTexts> wrapBox() = 0;
    // Where to split, offering the given text as the separator; nothing when the user cancels.
    virtual std::optional<SplitAnswer> splitBox(const QString& separator) = 0;
    // Which entries count as duplicates and which stay; nothing when the user cancels.
    virtual std::optional<DuplicateRules> duplicatesBox() = 0;
    // The grouping for "Create in Groups"; nothing when the user cancels.
    virtual std::optional<Grouping> groupsBox() = 0;
    // Shows the figures of the entry list until the user closes them.
    virtual void figuresBox(const QList<Figure>& figures) = 0;
};

} // namespace tavrolin
