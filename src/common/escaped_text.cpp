#include "escaped_text.h"

namespace tavrolin {

QString withEscapesReplaced(QStringView typed) {
    QString text;
    text.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar next = i + 1 < typed.size() ? typed[i + 1] : QChar();
        if (typed[i] != u'\\' || (next != u't' && next != u'n' && next != u'\\')) {
            text += typed[i];
            continue;
        }
        text += next == u't' ? u'\t' : next == u'n' ? u'\n' : u'\\';
        ++i;
    }
    return text;
}

QString withEscapesShown(QStringView text) {
    QString typed;
    typed.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == u'\t') {
            typed += QStringLiteral("\\t");
        } else if (text[i] == u'\n') {
            typed += QStringLiteral("\\n");
        } else {
            typed += text[i];
            // The next character shows as t, n or a backslash, or begins an escape itself.
            if (text[i] == u'\\' && QStringView(u"tn\\\t\n").contains(next))
                typed += u'\\';
        }
    }
    return typed;
}

} // namespace tavrolin
