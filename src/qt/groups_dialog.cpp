#include "groups_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

namespace tavrolin::qt {

GroupsDialog::GroupsDialog(QWidget* parent)
    : QDialog(parent)
    , m_size(new QSpinBox(this))
    , m_before(new QLineEdit(this))
    , m_after(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Create in Groups"));
    m_size->setObjectName(QStringLiteral("groupSize"));
    m_before->setObjectName(QStringLiteral("before"));
    m_after->setObjectName(QStringLiteral("after"));
    // A group holds at least one entry: a group of none would never end.
    m_size->setRange(1, std::numeric_limits<int>::max());
    m_size->setValue(kDefaultSize);
    m_size->setGroupSeparatorShown(true);
    m_before->setPlaceholderText(QStringLiteral("for example: IN ("));
    m_after->setPlaceholderText(QStringLiteral("for example: )"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(QStringLiteral("Create"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Entries per group:"), m_size);
    layout->addRow(QStringLiteral("&Before each group:"), m_before);
    layout->addRow(QStringLiteral("&After each group:"), m_after);
    layout->addRow(buttons);
    m_size->selectAll();
}

Grouping GroupsDialog::grouping() const {
    return {m_size->value(), m_before->text(), m_after->text()};
}

} // namespace tavrolin::qt
