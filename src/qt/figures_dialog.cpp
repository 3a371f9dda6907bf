#include "figures_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace tavrolin::qt {

FiguresDialog::FiguresDialog(const QList<Figure>& figures, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("List Figures"));
    auto* layout = new QFormLayout(this);
    for (const Figure& figure : figures) {
        auto* value = new QLabel(figure.value, this);
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setAccessibleName(figure.label);
        layout->addRow(figure.label + u':', value);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

} // namespace tavrolin::qt
