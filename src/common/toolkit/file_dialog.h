#pragma once

#include <QList>
#include <QString>

namespace tavrolin {

// Option bits of the file dialog.
namespace fileDialogFlag {
// Asks before an existing file is replaced.
constexpr int OverwritePrompt = 0x2;
constexpr int AllowMultiSelect = 0x200;
constexpr int Explorer = 0x80000;
constexpr int LongNames = 0x200000;
// Adds the extension of the chosen file type to a name typed without one.
constexpr int TypeExtension = 0x40000000;
} // namespace fileDialogFlag

struct FileFilter {
    QString description;
    QStringList patterns;

    // The extension a name of this type is given: that of its first pattern, "txt" for
    // "*.txt"; none where the pattern names no single extension ("*", "*.t?t").
    QString extension() const;
};

// The open and save dialog. Its properties persist between uses, so each use sets them afresh.
// After showOpen/showSave the file name holds the choice, or is unchanged when the user
// cancelled. With several files picked the file name is the folder, then each name, the
// parts separated by NUL characters.
class FileDialog {
public:
    virtual ~FileDialog() = default;

    void setFileName(const QString& name) { m_fileName = name; }
    const QString& fileName() const { return m_fileName; }
    void setFlags(int flags) { m_flags = flags; }
    int flags() const { return m_flags; }
    void setTitle(const QString& title) { m_title = title; }
    const QString& title() const { return m_title; }
    // Description and pattern pairs separated by vertical bars, ending with a bar.
    void setFilter(const QString& filter) { m_filter = filter; }
    const QString& filter() const { return m_filter; }
    void setMaxFileSize(int characters) { m_maxFileSize = characters; }
    int maxFileSize() const { return m_maxFileSize; }

    virtual void showOpen() = 0;
    virtual void showSave() = 0;

    // The filter as description and pattern pairs; "*.*" means every file.
    QList<FileFilter> parsedFilter() const;

protected:
    // Takes the user's choice; raises RuntimeError(NameBufferTooSmall) when it does not fit
    // the name buffer, leaving the file name unchanged.
    void deliverChoice(const QString& choice);
    // Takes the files the user picked, in the order picked, and delivers them as a choice:
    // one file as its full path; several as the deepest folder that holds them all, then
    // each file's path relative to that folder. Joining the folder and a name part therefore
    // gives back the very file picked, also when the files lie in different folders.
    // Nothing picked is a Cancel and leaves the file name as it was.
    void deliverFiles(const QStringList& paths);

private:
    QString m_fileName;
    int m_flags = 0;
    QString m_title;
    QString m_filter;
    // Room for any path the system takes, so that no choice is refused before a handler sets it.
    int m_maxFileSize = 30000;
};

} // namespace tavrolin
