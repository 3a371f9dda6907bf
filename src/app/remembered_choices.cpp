#include "remembered_choices.h"

#include "common/product.h"
#include "common/runtime_error.h"
#include "common/toolkit/settings_store.h"

#include <QStringList>
#include <cstddef>
#include <iterator>
#include <utility>

namespace tavrolin {

namespace {

// The words the settings file holds for the rules' choices, in their enumerations' order: the
// file stays readable, and an enumeration reordered later still reads old files right.
constexpr const char16_t* kKeepWords[] = {u"first", u"last", u"once", u"repeated"};
constexpr const char16_t* kQuoteWords[] = {u"none", u"double", u"single", u"json"};
// Wrap's rules; "none" stands for the texts.
constexpr const char16_t* kRuleWords[] = {u"json", u"regex", u"shell", u"none"};
constexpr auto kNoRule = EntryQuoting(std::size(kRuleWords) - 1);

template <std::size_t N, class Value>
QString wordOf(const char16_t* const (&words)[N], Value value) {
    return QString::fromUtf16(words[std::size_t(value)]);
}

template <std::size_t N, class Value>
Value valueOf(const char16_t* const (&words)[N], const QString& word, Value fallback) {
    for (std::size_t i = 0; i < N; ++i) {
        if (word == QStringView(words[i]))
            return Value(i);
    }
    return fallback;
}

QString yesNo(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// A stored choice, or the given default when there is none.
struct Reader {
    const SettingsStore& settings;
    QString operator()(const QString& key, const QString& fallback = {}) const {
        return settings.get(kSettingsApplication, kSettingsSection, key, fallback);
    }
};

// Stores each value in turn; the first that cannot be stored says why, and the rest are not
// tried, since they go to the same file.
QString stored(SettingsStore& settings, const QList<std::pair<QString, QString>>& values) {
    try {
        for (const auto& [key, value] : values)
            settings.save(kSettingsApplication, kSettingsSection, key, value);
    } catch (const RuntimeError& e) {
        return e.description();
    }
    return {};
}

} // namespace

ToolChoices rememberedToolChoices(const SettingsStore& settings) {
    const Reader read{settings};
    ToolChoices choices;
    DuplicateRules& rules = choices.duplicates;
    rules.ignoreCase = read(QStringLiteral("Tools/RemoveDuplicates/IgnoreCase")) == u"true";
    rules.ignoreSpaces = read(QStringLiteral("Tools/RemoveDuplicates/IgnoreSpaces")) == u"true";
    rules.keep = valueOf(kKeepWords, read(QStringLiteral("Tools/RemoveDuplicates/Keep")),
                         DuplicateRules::Keep::First);
    // Wrap first offers double quotes, as its first preset does.
    choices.wrap.before = read(QStringLiteral("Tools/Wrap/Before"), QStringLiteral("\""));
    choices.wrap.after = read(QStringLiteral("Tools/Wrap/After"), QStringLiteral("\""));
    const EntryQuoting rule = valueOf(kRuleWords, read(QStringLiteral("Tools/Wrap/Rule")), kNoRule);
    if (rule != kNoRule)
        choices.wrap.quoting = rule;
    choices.separator = read(QStringLiteral("Tools/Split/Separator"));
    choices.quotes =
        valueOf(kQuoteWords, read(QStringLiteral("Tools/Split/Quotes")), QuoteStyle::None);
    return choices;
}

Grouping rememberedGrouping(const SettingsStore& settings) {
    const Reader read{settings};
    bool whole = false;
    const qsizetype size = read(QStringLiteral("Tools/Groups/Size")).toLongLong(&whole);
    return {whole && size > 0 ? size : 0, read(QStringLiteral("Tools/Groups/Before")),
            read(QStringLiteral("Tools/Groups/After"))};
}

QString rememberToolChoices(SettingsStore& settings, EntryListTool tool,
                            const ToolChoices& choices) {
    switch (tool) {
    case EntryListTool::RemoveDuplicates:
        return stored(settings, {{QStringLiteral("Tools/RemoveDuplicates/IgnoreCase"),
                                  yesNo(choices.duplicates.ignoreCase)},
                                 {QStringLiteral("Tools/RemoveDuplicates/IgnoreSpaces"),
                                  yesNo(choices.duplicates.ignoreSpaces)},
                                 {QStringLiteral("Tools/RemoveDuplicates/Keep"),
                                  wordOf(kKeepWords, choices.duplicates.keep)}});
    case EntryListTool::Wrap:
        return stored(settings, {{QStringLiteral("Tools/Wrap/Before"), choices.wrap.before},
                                 {QStringLiteral("Tools/Wrap/After"), choices.wrap.after},
                                 {QStringLiteral("Tools/Wrap/Rule"),
                                  wordOf(kRuleWords, choices.wrap.quoting.value_or(kNoRule))}});
    case EntryListTool::Split:
        return stored(settings, {{QStringLiteral("Tools/Split/Separator"), choices.separator},
                                 {QStringLiteral("Tools/Split/Quotes"),
                                  wordOf(kQuoteWords, choices.quotes)}});
    case EntryListTool::SortAscending:
    case EntryListTool::SortDescending:
    case EntryListTool::Reverse:
    case EntryListTool::TrimSpaces:
    case EntryListTool::RemoveEmpty:
        break;
    }
    return {};
}

QString rememberGrouping(SettingsStore& settings, const Grouping& grouping) {
    return stored(settings, {{QStringLiteral("Tools/Groups/Size"), QString::number(grouping.size)},
                             {QStringLiteral("Tools/Groups/Before"), grouping.before},
                             {QStringLiteral("Tools/Groups/After"), grouping.after}});
}

QString toolChoicesNotRememberedText(const QString& why) {
    return QStringLiteral(
               "Your answers in this dialog will not be remembered for the next start: ") +
           why + QStringLiteral(".\r\rThey are offered again until Tavrolin is closed.");
}

} // namespace tavrolin
