#include "qt_clipboard.h"

#include "common/text_encoding.h"
#include "drop_and_paste.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <utility>

namespace tavrolin::qt {

namespace {

// Platforms that keep the clipboard inside the program cannot lose it to another one.
bool reportsOwnership() {
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen" && platform != u"minimal";
}

// Plain text held as the UTF-8 pieces it was given in, joined and decoded only when it is
// pasted: a long copied text costs no copy before then. Decoded as decode8Bit does, it keeps a
// leading byte-order mark, which QMimeData's own decoding would drop.
class PiecedText : public QMimeData {
public:
    explicit PiecedText(QByteArrayList pieces) : m_pieces(std::move(pieces)) {}

    QStringList formats() const override { return {kPlainText}; }
    bool hasFormat(const QString& mimeType) const override { return mimeType == kPlainText; }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        if (mimeType != kPlainText)
            return {};
        if (type.id() == QMetaType::QString)
            return decode8Bit(m_pieces.join());
        return m_pieces.join();
    }

private:
    static inline const QString kPlainText = QStringLiteral("text/plain");
    QByteArrayList m_pieces;
};

} // namespace

bool QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
    return true;
}

bool QtClipboard::setUtf8Text(const QByteArrayList& text, int /*format*/) {
    // The program only ever asks for the default text format.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(new PiecedText(text));
    return !reportsOwnership() || clipboard->ownsClipboard();
}

std::optional<QString> QtClipboard::text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !(data->hasText() || data->hasUrls()))
        return std::nullopt;
    return plainText(*data);
}

} // namespace tavrolin::qt
