#pragma once

#include "common/toolkit/file_dialog.h"

#include <QStringList>
#include <variant>

namespace tavrolin::headless {

// A file dialog that answers with scripted choices: the next choice in the queue, or a Cancel
// (the empty choice) when none is left. What was shown is kept.
class HeadlessFileDialog : public FileDialog {
public:
    enum class Kind { Open, Save };
    struct Shown {
        Kind kind;
        QString title;
        QString filter;
        int flags;
        int maxFileSize;
    };

    void showOpen() override { show(Kind::Open); }
    void showSave() override { show(Kind::Save); }

    // A choice as the platform hands it back: a full path, or the folder and the names
    // separated by NUL characters.
    void chooseNext(const QString& choice) { m_choices.append(choice); }
    // A pick as the user makes it: the files in the order picked (none is a Cancel). They come
    // back in the same form as from the real dialog.
    void chooseFilesNext(const QStringList& paths) { m_choices.append(paths); }
    const QList<Shown>& shown() const { return m_shown; }

private:
    using Choice = std::variant<QString, QStringList>;

    void show(Kind kind);

    QList<Choice> m_choices;
    QList<Shown> m_shown;
};

} // namespace tavrolin::headless
