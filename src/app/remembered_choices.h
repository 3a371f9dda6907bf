#pragma once

#include "common/entry_tool_options.h"
#include "entries/entry_list_tools.h"

#include <QString>

namespace tavrolin {

class SettingsStore;

// The answers the tools' dialogs were given last, so that each dialog opens with them, in this
// run and the next. They are kept beside the separator choice, under "Tools/<dialog>/<choice>";
// a stored value that cannot be read leaves that choice at its default.
ToolChoices rememberedToolChoices(const SettingsStore& settings);
Grouping rememberedGrouping(const SettingsStore& settings);

// Stores the answers of the dialog the tool asks (none for a tool that asks nothing). Gives why
// they could not be stored, empty when they were.
QString rememberToolChoices(SettingsStore& settings, EntryListTool tool,
                            const ToolChoices& choices);
QString rememberGrouping(SettingsStore& settings, const Grouping& grouping);

// The message that tells the user a dialog's answers will not be remembered, and why.
QString toolChoicesNotRememberedText(const QString& why);

} // namespace tavrolin
