#include "wrap_dialog.h"

#include "tool_dialog_buttons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace tavrolin::qt {

namespace {

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
                        QStringLiteral("Single quotes (SQL)"), QStringLiteral("None")});

    const ToolDialogButtons buttons =
        makeToolDialogButtons(this, QStringLiteral("&Wrap"), QStringLiteral("wrap"));

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Preset:"), m_preset);
    layout->addRow(QStringLiteral("&Before:"), m_before);
    layout->addRow(QStringLiteral("&After:"), m_after);
    layout->addRow(buttons.box);

    // A preset fills both texts; the user may still edit them afterwards.
    connect(m_preset, &QComboBox::activated, this, [this](int preset) {
        m_before->setText(quoteOf(preset));
        m_after->setText(quoteOf(preset));
    });
    choosePreset(DoubleQuotes);
}

void WrapDialog::choosePreset(Preset preset) {
    m_preset->setCurrentIndex(preset);
    m_before->setText(quoteOf(preset));
    m_after->setText(quoteOf(preset));
}

void WrapDialog::setTexts(const WrapTexts& texts) {
    for (int preset = 0; preset < m_preset->count(); ++preset) {
        if (texts.before == quoteOf(preset) && texts.after == quoteOf(preset))
            m_preset->setCurrentIndex(preset);
    }
    m_before->setText(texts.before);
    m_after->setText(texts.after);
}

WrapTexts WrapDialog::texts() const {
    return {m_before->text(), m_after->text()};
}

} // namespace tavrolin::qt
