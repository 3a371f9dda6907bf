#include "drop_and_paste.h"

#include "common/text_encoding.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

namespace tavrolin::qt {

namespace {

bool usable(const QMimeData* data) {
    return data != nullptr && (data->hasText() || data->hasUrls());
}

// Answers a drag that enters or moves over the list: a copy when the data can be used.
void answerDrag(QDropEvent* event) {
    if (usable(event->mimeData()) && event->possibleActions().testFlag(Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace

QString plainText(const QMimeData& data) {
    if (data.hasFormat(QStringLiteral("text/plain")))
        return data.text();
    QStringList links;
    const QList<QUrl> urls = data.urls();
    for (const QUrl& url : urls)
        links.append(url.toDisplayString());
    return links.join(u'\n');
}

DropAndPaste::DropAndPaste(QAbstractScrollArea* view, QObject* parent)
    : QObject(parent), m_view(view) {
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
}

QStringList DropAndPaste::localFiles(const QMimeData& data) {
    QStringList paths;
    const QList<QUrl> urls = data.urls();
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        // toLocalFile() decodes the name as UTF-8 and loses the bytes of a name that is not, so
        // the file would not be found; the encoded path still has them. A path on a network
        // share keeps the form toLocalFile() gives it.
        paths.append(url.host().isEmpty() ? decode8Bit(QByteArray::fromPercentEncoding(
                                                url.path(QUrl::FullyEncoded).toLatin1()))
                                          : url.toLocalFile());
    }
    return paths;
}

bool DropAndPaste::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == m_view->viewport() &&
        (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)) {
        auto* drop = static_cast<QDropEvent*>(event);
        answerDrag(drop);
        if (type != QEvent::Drop || !drop->isAccepted())
            return true;
        // The handler runs once the drop is answered: a message box shown inside the drop
        // would keep the source program waiting for the end of the drag.
        const QStringList files = localFiles(*drop->mimeData());
        const QString text = files.isEmpty() ? plainText(*drop->mimeData()) : QString();
        QMetaObject::invokeMethod(
            this,
            [this, files, text] {
                if (!files.isEmpty())
                    Q_EMIT filesDropped(files);
                else
                    Q_EMIT textDropped(text);
            },
            Qt::QueuedConnection);
        return true;
    }
    if (watched == m_view && (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        event->accept();
        if (type == QEvent::KeyPress)
            Q_EMIT pasted();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavrolin::qt
