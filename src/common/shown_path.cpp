#include "shown_path.h"

#include "text_encoding.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// C0, DEL and C1: shown by name or number, as nothing else shows them.
bool isControl(QChar c) {
    return c < u' ' || (c >= u'\x7F' && c <= u'\x9F');
}

} // namespace

QString shownPath(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("''");
    const QString text = shownText(QDir::toNativeSeparators(path));
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            const bool ambiguous =
                i + 1 < text.size() &&
                (QStringView(u"tnrx\\").contains(text[i + 1]) || isControl(text[i + 1]));
            shown += ambiguous ? QStringLiteral("\\\\") : QStringLiteral("\\");
        } else if (c == u'\t') {
            shown += QStringLiteral("\\t");
        } else if (c == u'\n') {
            shown += QStringLiteral("\\n");
        } else if (c == u'\r') {
            shown += QStringLiteral("\\r");
        } else if (isControl(c)) {
            shown += u"\\x"_s + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace tavrolin
