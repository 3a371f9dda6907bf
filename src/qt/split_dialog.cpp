#include "split_dialog.h"

#include "tool_dialog_buttons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrolin::qt {

SplitDialog::SplitDialog(QWidget* parent, const QString& separator)
    : QDialog(parent)
    , m_separator(new QLineEdit(separator, this))
    , m_quotes(new QComboBox(this))
    , m_split(nullptr) {
    setWindowTitle(QStringLiteral("Split Entries"));
    m_separator->setObjectName(QStringLiteral("separator"));
    m_quotes->setObjectName(QStringLiteral("quotes"));
    m_quotes->addItems({QStringLiteral("None"), QStringLiteral("Double quotes (CSV)"),
                        QStringLiteral("Single quotes (SQL)"), QStringLiteral("JSON strings")});
    auto* hint = new QLabel(
        QStringLiteral("Type \\t for a tab, \\n for a line break, \\\\ for a backslash."), this);
    hint->setEnabled(false);

    const ToolDialogButtons buttons =
        makeToolDialogButtons(this, QStringLiteral("&Split"), QStringLiteral("split"));
    m_split = buttons.accept;
    // There is nothing to split at in an empty separator.
    const auto allowSplit = [this] { m_split->setEnabled(!m_separator->text().isEmpty()); };
    connect(m_separator, &QLineEdit::textChanged, this, allowSplit);
    allowSplit();

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("S&eparator:"), m_separator);
    layout->addRow(QString(), hint);
    layout->addRow(QStringLiteral("&Quotes:"), m_quotes);
    layout->addRow(buttons.box);
    m_separator->selectAll();
}

void SplitDialog::setAnswer(const QString& separator, Quotes quotes) {
    m_separator->setText(separator);
    m_quotes->setCurrentIndex(quotes);
}

// Tried through answer(), so that the choice's items and the styles they stand for stay
// written down once.
void SplitDialog::setQuotes(QuoteStyle quotes) {
    const int shown = m_quotes->currentIndex();
    for (int index = 0; index < m_quotes->count(); ++index) {
        m_quotes->setCurrentIndex(index);
        if (answer().quotes == quotes)
            return;
    }
    m_quotes->setCurrentIndex(shown);
}

SplitAnswer SplitDialog::answer() const {
    static constexpr QuoteStyle kStyles[] = {QuoteStyle::None, QuoteStyle::Double,
                                             QuoteStyle::Single, QuoteStyle::Json};
    return {m_separator->text(), kStyles[m_quotes->currentIndex()]};
}

} // namespace tavrolin::qt
