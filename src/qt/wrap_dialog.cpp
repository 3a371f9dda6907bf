#include "wrap_dialog.h"

#include "tool_dialog_buttons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace tavrolin::qt {

namespace {

constexpr int kFirstRule = WrapDialog::JsonString;

QString quoteOf(int preset) {
    switch (preset) {
    case WrapDialog::DoubleQuotes:
        return QStringLiteral("\"");
    case WrapDialog::SingleQuotes:
        return QStringLiteral("'");
    default:
        return {};
    }
}

} // namespace

WrapDialog::WrapDialog(QWidget* parent)
    : QDialog(parent)
    , m_preset(new QComboBox(this))
    , m_before(new QLineEdit(this))
    , m_after(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Wrap Each Entry"));
    m_preset->setObjectName(QStringLiteral("preset"));
    m_before->setObjectName(QStringLiteral("before"));
    m_after->setObjectName(QStringLiteral("after"));
    m_preset->addItems({QStringLiteral("Double quotes (CSV)"),
                        QStringLiteral("Single quotes (SQL)"), QStringLiteral("None"),
                        QStringLiteral("JSON string"), QStringLiteral("Regular expression"),
                        QStringLiteral("Shell word")});
    auto* hint = new QLabel(
        QStringLiteral("Type \\t for a tab, \\n for a line break, \\\\ for a backslash."), this);
    hint->setEnabled(false);

    const ToolDialogButtons buttons =
        makeToolDialogButtons(this, QStringLiteral("&Wrap"), QStringLiteral("wrap"));

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Preset:"), m_preset);
    layout->addRow(QStringLiteral("&Before:"), m_before);
    layout->addRow(QStringLiteral("&After:"), m_after);
    layout->addRow(QString(), hint);
    layout->addRow(buttons.box);

    // A preset fills both texts, which the user may still edit; a rule closes them.
    connect(m_preset, &QComboBox::activated, this, &WrapDialog::showPreset);
    choosePreset(DoubleQuotes);
}

void WrapDialog::choosePreset(Preset preset) {
    m_preset->setCurrentIndex(preset);
    showPreset(preset);
}

// A rule escapes inside the entry as well as around it: texts of the user's would not fit it,
// so the fields are emptied and closed while it is chosen.
void WrapDialog::showPreset(int preset) {
    const bool rule = preset >= kFirstRule;
    for (QLineEdit* field : {m_before, m_after}) {
        field->setText(quoteOf(preset));
        field->setEnabled(!rule);
        field->setPlaceholderText(rule ? QStringLiteral("set by the rule") : QString());
    }
}

void WrapDialog::setTexts(const WrapTexts& texts) {
    if (texts.quoting) {
        choosePreset(Preset(kFirstRule + int(*texts.quoting)));
        return;
    }
    for (int preset = 0; preset < m_preset->count(); ++preset) {
        if (texts.before == quoteOf(preset) && texts.after == quoteOf(preset))
            m_preset->setCurrentIndex(preset);
    }
    m_before->setText(texts.before);
    m_after->setText(texts.after);
}

WrapTexts WrapDialog::texts() const {
    const int preset = m_preset->currentIndex();
    if (preset >= kFirstRule)
        return {{}, {}, EntryQuoting(preset - kFirstRule)};
    return {m_before->text(), m_after->text(), std::nullopt};
}

} // namespace tavrolin::qt
