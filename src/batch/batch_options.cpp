#include "batch_options.h"

#include "entries/tool_table.h"

namespace tavrolin {

const BatchOption* batchOptionNamed(QStringView name) {
    for (const BatchOption& option : kBatchOptions) {
        if (name == QStringView(option.name) ||
            (*option.shortName && name == QStringView(option.shortName)))
            return &option;
    }
    return nullptr;
}

QList<ListedOption> listedOptions(OptionSection section) {
    QList<ListedOption> listed;
    if (section == OptionSection::Tools) {
        for (const ToolRow& row : kToolTable) {
            for (const ToolOption& option : row.options) {
                ListedOption shown;
                shown.name = QString::fromUtf16(option.name);
                shown.help = QString::fromUtf16(option.help);
                shown.value = QString::fromUtf16(*option.value ? option.value : option.words);
                if (*option.words)
                    shown.words = QString::fromUtf16(option.words).split(u'|');
                // A value's name has a word for each argument: "BEFORE AFTER" takes two.
                if (option.takesValue())
                    shown.valueCount = *option.value ? int(shown.value.count(u' ')) + 1 : 1;
                if (option.shapes)
                    shown.needs = QString::fromUtf16(row.options.begin()->name);
                listed.append(shown);
            }
        }
        return listed;
    }
    for (const BatchOption& option : kBatchOptions) {
        if (option.section != section)
            continue;
        ListedOption shown;
        shown.shortName = QString::fromUtf16(option.shortName);
        shown.name = QString::fromUtf16(option.name);
        shown.help = QString::fromUtf16(option.help);
        shown.value = QString::fromUtf16(option.value);
        shown.valueCount = option.takesValue() ? 1 : 0;
        shown.namesFile = option.namesFile;
        listed.append(shown);
    }
    return listed;
}

} // namespace tavrolin
