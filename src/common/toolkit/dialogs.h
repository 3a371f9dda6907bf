#pragma once

#include "common/entry_tool_options.h"

#include <QList>
#include <QString>
#include <optional>

namespace tavrolin {

enum class MessageStyle {
    OkOnly,
    OkExclamation,
    // The platform's own report of an error that no handler traps.
    OkCritical,
};

// The texts put before and after each entry by "Wrap Each Entry".
struct WrapTexts {
    QString before;
    QString after;
};

// What "Split Entries" splits at: the separator as typed (escapes not yet replaced) and the
// quotes a part may stand in.
struct SplitAnswer {
    QString separator;
    QuoteStyle quotes = QuoteStyle::None;
};

// "Create in Groups": how many entries each results row joins, and the texts put before and
// after each group.
struct Grouping {
    qsizetype size = 0;
    QString before;
    QString after;
};

// A figure as "List Figures" shows it: what it counts and its value.
struct Figure {
    QString label;
    QString value;
};

// Message and input boxes. An empty title stands for the application title.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void messageBox(const QString& text, MessageStyle style, const QString& title = {}) = 0;
    // The typed text, or the empty string when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& title = {},
                             const QString& defaultText = {}) = 0;
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
