#pragma once

#include <QByteArray>

namespace tavrolin {

struct WriteTarget;

// A new file made in the folder of the file it is to replace, which takes that file's place
// only when committed. Where the system allows it the new file has no name until then, so
// nothing is left behind however the program ends; else it has a hidden name, removed when
// the file is discarded or when SIGINT, SIGTERM or SIGHUP ends the program.
class ReplacementFile {
public:
    // Makes the file for the target, with the owner, group and mode of the file it replaces
    // (as far as the user may give them). Raises SystemFailure.
    explicit ReplacementFile(const WriteTarget& target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    int descriptor() const { return m_descriptor; }
    // Waits for the disk to hold every byte, then puts the file in the target's place.
    // Raises SystemFailure; the file is discarded when this goes.
    void commit();

private:
    void discard();

    QByteArray m_path;
    QByteArray m_folder;
    int m_descriptor = -1;
    // Empty while the file has no name.
    QByteArray m_named;
};

} // namespace tavrolin
