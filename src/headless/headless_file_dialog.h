#pragma once

#include "common/toolkit/file_dialog.h"

#include <QStringList>

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
    const QList<Shown>& shown() const { return m_shown; }

private:
    void show(Kind kind);

    QStringList m_choices;
    QList<Shown> m_shown;
};

} // namespace tavrolin::headless
