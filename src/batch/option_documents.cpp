#include "option_documents.h"

#include "batch_options.h"

#include <QHash>
#include <QRegularExpression>

namespace tavrolin {

namespace {

QString sectionName(OptionSection section) {
    switch (section) {
    case OptionSection::Program:
        return QStringLiteral("program");
    case OptionSection::Join:
        return QStringLiteral("join");
    case OptionSection::Input:
        return QStringLiteral("input");
    case OptionSection::Tools:
        return QStringLiteral("tools");
    case OptionSection::Output:
        return QStringLiteral("output");
    }
    return {};
}

// Text as roff prints it: a backslash is an escape and a dash would be a hyphen.
QString roff(const QString& text) {
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\e"));
    escaped.replace(u'-', QStringLiteral("\\-"));
    return escaped;
}

QString bold(const QString& text) {
    return QStringLiteral("\\fB") + roff(text) + QStringLiteral("\\fR");
}

// The help text as one filled paragraph: --help's line breaks are only its layout.
QString paragraph(const QString& help) {
    QString text = roff(QString(help).replace(u'\n', u' '));
    // A line that starts with a dot or an apostrophe would be a request.
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// "-o, --output FILE" with the names bold and the value italic, or its words bold.
QString term(const ListedOption& option) {
    QString line;
    if (!option.shortName.isEmpty())
        line += bold(option.shortName) + QStringLiteral(", ");
    line += bold(option.name);
    // As --help shows it: the value's name where it has one, else its words.
    if (!option.words.isEmpty() && option.value == option.words.join(u'|')) {
        QStringList words;
        for (const QString& word : option.words)
            words.append(bold(word));
        line += u' ' + words.join(QStringLiteral(" | "));
    } else if (!option.value.isEmpty()) {
        line += QStringLiteral(" \\fI") + roff(option.value) + QStringLiteral("\\fR");
    }
    return line;
}

// Each option's note, by name; an error for a note of an option that is not listed.
QString readNotes(const QString& notes, QHash<QString, QString>& byName) {
    QStringList names;
    for (OptionSection section : kOptionSections) {
        for (const ListedOption& option : listedOptions(section))
            names.append(option.name);
    }
    static const QRegularExpression kStart(QStringLiteral(R"(^\.\\" (-\S+)$)"));
    QString current;
    for (const QString& line : notes.split(u'\n')) {
        if (const QRegularExpressionMatch start = kStart.match(line); start.hasMatch()) {
            current = start.captured(1);
            if (!names.contains(current))
                return QStringLiteral("a note for '%1', which is no option").arg(current);
            if (byName.contains(current))
                return QStringLiteral("two notes for '%1'").arg(current);
            byName.insert(current, QString());
        } else if (!current.isEmpty() && !line.isEmpty()) {
            byName[current] += line + u'\n';
        }
    }
    return {};
}

QString manualOptions(OptionSection section, const QHash<QString, QString>& notes) {
    QString text;
    for (const ListedOption& option : listedOptions(section)) {
        text += QStringLiteral(".TP\n") + term(option) + u'\n';
        if (!option.help.isEmpty())
            text += paragraph(option.help) + u'\n';
        if (!option.needs.isEmpty())
            text += QStringLiteral("Needs ") + bold(option.needs) +
                    QStringLiteral(", wherever it stands.\n");
        text += notes.value(option.name);
    }
    return text;
}

} // namespace

ManualPage manualPage(const QString& pageTemplate, const QString& notes) {
    QHash<QString, QString> byName;
    if (QString error = readNotes(notes, byName); !error.isEmpty())
        return {{}, error};
    static const QRegularExpression kPlace(QStringLiteral(R"(^\.\\" options: (\S+)$)"));
    QString page;
    QStringList placed;
    const QStringList lines = pageTemplate.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const QRegularExpressionMatch place = kPlace.match(line);
        bool known = false;
        for (OptionSection section : kOptionSections) {
            if (place.hasMatch() && place.captured(1) == sectionName(section)) {
                if (placed.contains(place.captured(1)))
                    return {{}, QStringLiteral("options of '%1' placed twice").arg(line)};
                placed.append(place.captured(1));
                page += manualOptions(section, byName);
                known = true;
            }
        }
        if (place.hasMatch() && !known)
            return {{}, QStringLiteral("no such section of options: '%1'").arg(line)};
        if (!known)
            page += line + (i + 1 < lines.size() ? QStringLiteral("\n") : QString());
    }
    for (OptionSection section : kOptionSections) {
        if (!placed.contains(sectionName(section)))
            return {{},
                    QStringLiteral("the page has no place for the options of '%1'")
                        .arg(sectionName(section))};
    }
    return {page, {}};
}

QString bashCompletion() {
    QStringList names;
    QString valued;     // the options that take values, and how many
    QString valueWords; // how each value that can be completed is
    for (OptionSection section : kOptionSections) {
        for (const ListedOption& option : listedOptions(section)) {
            const QString pattern = option.shortName.isEmpty()
                                        ? option.name
                                        : option.shortName + QStringLiteral(" | ") + option.name;
            if (!option.shortName.isEmpty())
                names.append(option.shortName);
            names.append(option.name);
            if (option.valueCount > 0)
                valued += QStringLiteral("            %1) pending=%2 ;;\n")
                              .arg(pattern)
                              .arg(option.valueCount);
            if (!option.words.isEmpty())
                valueWords +=
                    QStringLiteral("    %1) COMPREPLY=($(compgen -W '%2' -- \"$cur\")) ;;\n")
                        .arg(pattern, option.words.join(u' '));
            else if (option.namesFile)
                valueWords += QStringLiteral("    %1) _filedir ;;\n").arg(pattern);
        }
    }
    return QStringLiteral(
               "# bash completion for tavrolin                                   -*- shell-script "
               "-*-\n"
               "# Written at build time from the program's tables of options.\n"
               "\n"
               "# Completes a value of the option $1; any other value is free text, with nothing "
               "to offer.\n"
               "_tavrolin_value() {\n"
               "    case $1 in\n"
               "%1"
               "    esac\n"
               "}\n"
               "\n"
               "_tavrolin() {\n"
               "    local cur prev words cword split\n"
               "    _init_completion -s || return\n"
               "\n"
               "    # The words before the cursor: \"--\" ends the options, and the values an "
               "option takes\n"
               "    # are values, whatever they look like. --name=value brings its own.\n"
               "    local i option= pending=0 ended=\n"
               "    for ((i = 1; i < cword; i++)); do\n"
               "        if ((pending > 0)); then\n"
               "            ((pending--))\n"
               "        elif [[ -z $ended ]]; then\n"
               "            option=${words[i]}\n"
               "            case $option in\n"
               "            --) ended=1 ;;\n"
               "%2"
               "            esac\n"
               "        fi\n"
               "    done\n"
               "\n"
               "    if ((pending > 0)); then\n"
               "        _tavrolin_value \"$option\"\n"
               "    elif [[ -n $ended ]]; then\n"
               "        _filedir\n"
               "    elif [[ $split == true ]]; then\n"
               "        _tavrolin_value \"$prev\"\n"
               "    elif [[ $cur == -* ]]; then\n"
               "        COMPREPLY=($(compgen -W '%3' -- \"$cur\"))\n"
               "    else\n"
               "        _filedir\n"
               "    fi\n"
               "} &&\n"
               "    complete -F _tavrolin tavrolin\n")
        .arg(valueWords, valued, names.join(u' '));
}

} // namespace tavrolin
