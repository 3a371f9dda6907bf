#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace tavrolin::qt {

// The buttons at the foot of a tool's dialog: the tool's own, which Enter presses, and Cancel.
struct ToolDialogButtons {
    QDialogButtonBox* box;
    QPushButton* accept;
};

// The accept button gets the caption (with its letter) and the object name. Cancel gets no
// letter: Escape cancels, and the "&Cancel" some desktops give it would take Alt+C from a choice.
ToolDialogButtons makeToolDialogButtons(QDialog* dialog, const QString& caption,
                                        const QString& name);

} // namespace tavrolin::qt
