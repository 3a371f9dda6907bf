#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QAbstractScrollArea;
class QMimeData;

namespace tavrolin::qt {

// The plain text of dragged or copied data: its text, or else its links one a line (Qt would
// end the last one with a line feed, which reads as one more, empty, entry). Empty when it has
// neither.
QString plainText(const QMimeData& data);

// Hands files and text dropped on a list, and the paste shortcut pressed in it, to their
// handlers. A drop is always taken as a copy, so the source never deletes what it gave.
class DropAndPaste : public QObject {
public:
    using FilesHandler = std::function<void(const QStringList& paths)>;
    using TextHandler = std::function<void(const QString& text)>;

    DropAndPaste(QAbstractScrollArea* view, FilesHandler files, TextHandler text,
                 std::function<void()> paste, QObject* parent);

    // The local files among the dropped data, in the order dropped.
    static QStringList localFiles(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractScrollArea* m_view;
    FilesHandler m_files;
    TextHandler m_text;
    std::function<void()> m_paste;
};

} // namespace tavrolin::qt
