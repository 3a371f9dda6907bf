#pragma once

#include "common/entry_tool_options.h"

#include <QList>
#include <optional>

namespace tavrolin {

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
};

} // namespace tavrolin
