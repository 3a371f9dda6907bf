#include "duplicates_dialog.h"

#include "tool_dialog_buttons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrolin::qt {

namespace {

using Keep = DuplicateRules::Keep;

struct KeepChoice {
    Keep keep;
    const char* objectName;
    const char16_t* caption;
};

const KeepChoice kKeepChoices[] = {
    {Keep::First, "keepFirst", u"The &first of each"},
    {Keep::Last, "keepLast", u"The &last of each"},
    {Keep::Once, "keepOnce", u"&Only the entries that occur once"},
    {Keep::Repeated, "keepRepeated", u"One of each entry that occurs &more than once"},
};

} // namespace

DuplicatesDialog::DuplicatesDialog(QWidget* parent)
    : QDialog(parent)
    , m_ignoreCase(new QCheckBox(QStringLiteral("Ignore &case"), this))
    , m_ignoreSpaces(new QCheckBox(QStringLiteral("Ignore &spaces at either end"), this))
    , m_keep(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("Remove Duplicates"));
    m_ignoreCase->setObjectName(QStringLiteral("ignoreCase"));
    m_ignoreSpaces->setObjectName(QStringLiteral("ignoreSpaces"));

    auto* keepBox = new QGroupBox(QStringLiteral("Keep"), this);
    auto* keepLayout = new QVBoxLayout(keepBox);
    for (const KeepChoice& choice : kKeepChoices) {
        auto* button = new QRadioButton(QString::fromUtf16(choice.caption), keepBox);
        button->setObjectName(QLatin1String(choice.objectName));
        m_keep->addButton(button, int(choice.keep));
        keepLayout->addWidget(button);
    }

    const ToolDialogButtons buttons =
        makeToolDialogButtons(this, QStringLiteral("&Remove"), QStringLiteral("remove"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ignoreCase);
    layout->addWidget(m_ignoreSpaces);
    layout->addWidget(keepBox);
    layout->addWidget(buttons.box);
    setRules({});
}

void DuplicatesDialog::setRules(const DuplicateRules& rules) {
    m_ignoreCase->setChecked(rules.ignoreCase);
    m_ignoreSpaces->setChecked(rules.ignoreSpaces);
    m_keep->button(int(rules.keep))->setChecked(true);
}

DuplicateRules DuplicatesDialog::rules() const {
    return {m_ignoreCase->isChecked(), m_ignoreSpaces->isChecked(), Keep(m_keep->checkedId())};
}

} // namespace tavrolin::qt
