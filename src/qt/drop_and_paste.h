#pragma once

#include <QObject>
#include <QStringList>

class QAbstractScrollArea;
class QMimeData;

namespace tavrolin::qt {

// The plain text of dragged or copied data: its text, or else its links one a line (Qt would
// end the last one with a line feed, which reads as one more, empty, entry). Empty when it has
// neither.
QString plainText(const QMimeData& data);

// Raises files and text dropped on a list, and the paste shortcut pressed in it, as signals.
// A drop is always taken as a copy, so the source never deletes what it gave.
class DropAndPaste : public QObject {
    Q_OBJECT

public:
    DropAndPaste(QAbstractScrollArea* view, QObject* parent);

    // The local files among the dropped data, in the order dropped; the bytes of a name that is
    // not valid UTF-8 are kept as decode8Bit keeps them.
    static QStringList localFiles(const QMimeData& data);

Q_SIGNALS:
    void filesDropped(const QStringList& paths);
    void textDropped(const QString& text);
    void pasted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractScrollArea* m_view;
};

} // namespace tavrolin::qt
