#include "tool_dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace tavrolin::qt {

ToolDialogButtons makeToolDialogButtons(QDialog* dialog, const QString& caption,
                                        const QString& name) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    QPushButton* accept = box->addButton(caption, QDialogButtonBox::AcceptRole);
    accept->setObjectName(name);
    accept->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return {box, accept};
}

} // namespace tavrolin::qt
