#include "qt_clipboard.h"

#include "common/text_encoding.h"
#include "drop_and_paste.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tavrolin::qt {

namespace {

// Platforms that keep the clipboard inside the program cannot lose it to another one.
bool reportsOwnership() {
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen" && platform != u"minimal";
}

} // namespace

bool QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
    return true;
}

bool QtClipboard::setText(const QString& text, int /*format*/) {
    // The program only ever asks for the default text format.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    return !reportsOwnership() || clipboard->ownsClipboard();
}

bool QtClipboard::setUtf8Text(const QByteArray& text, int format) {
    // Plain text kept as UTF-8 is decoded only when it is pasted. Decoding it drops a leading
    // byte-order mark, so a text that starts with one goes as UTF-16.
    if (text.startsWith("\xEF\xBB\xBF"))
        return setText(decode8Bit(text), format);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data);
    return !reportsOwnership() || clipboard->ownsClipboard();
}

std::optional<QString> QtClipboard::text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !(data->hasText() || data->hasUrls()))
        return std::nullopt;
    return plainText(*data);
}

} // namespace tavrolin::qt
