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

} // namespace tavrolin
