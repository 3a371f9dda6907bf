#include "groups_dialog.h"

#include "tool_dialog_buttons.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <limits>

namespace tavrolin::qt {

namespace {

// The texts are often the head and tail of a query; a field shows one such head whole, at
// whatever size the font is.
const QString kWidestExpected = QStringLiteral("SELECT * FROM t WHERE id IN (");

// As QLineEdit::sizeHint() measures, with the text in place of its 17 characters.
void fitWidthTo(QLineEdit* field, const QString& text) {
    constexpr int kLineEditMargin = 2; // what QLineEdit keeps clear on either side of its text
    const QFontMetrics metrics = field->fontMetrics();
    const QMargins margins = field->textMargins();
    // One character more, so the cursor after the text does not scroll it.
    const int width = metrics.horizontalAdvance(text) + metrics.averageCharWidth() +
                      2 * kLineEditMargin + margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QSize size(width, metrics.height());
    field->setMinimumWidth(
        field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, size, field).width());
}

} // namespace

GroupsDialog::GroupsDialog(QWidget* parent)
    : QDialog(parent)
    , m_size(new QLineEdit(QLocale().toString(kDefaultSize), this))
    , m_before(new QLineEdit(this))
    , m_after(new QLineEdit(this))
    , m_note(new QLabel(this))
    , m_create(nullptr) {
    setWindowTitle(QStringLiteral("Create in Groups"));
    m_size->setObjectName(QStringLiteral("groupSize"));
    m_before->setObjectName(QStringLiteral("before"));
    m_after->setObjectName(QStringLiteral("after"));
    m_note->setObjectName(QStringLiteral("sizeNote"));
    m_before->setPlaceholderText(QStringLiteral("for example: IN ("));
    m_after->setPlaceholderText(QStringLiteral("for example: )"));
    fitFieldWidths();

    const ToolDialogButtons buttons =
        makeToolDialogButtons(this, QStringLiteral("&Create"), QStringLiteral("create"));
    m_create = buttons.accept;

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Entries per group:"), m_size);
    layout->addRow(QString(), m_note);
    layout->addRow(QStringLiteral("&Before each group:"), m_before);
    layout->addRow(QStringLiteral("&After each group:"), m_after);
    auto* hint = new QLabel(
        QStringLiteral("Type \\t for a tab, \\n for a line break, \\\\ for a backslash."), this);
    hint->setEnabled(false);
    layout->addRow(QString(), hint);
    layout->addRow(buttons.box);

    // A size that is not a number is refused here, where the user can mend it, rather than
    // replaced by another the user did not choose.
    connect(m_size, &QLineEdit::textChanged, this, &GroupsDialog::checkSize);
    checkSize();
    m_size->selectAll();
}

void GroupsDialog::setGrouping(const Grouping& grouping) {
    if (grouping.size >= 1) {
        m_size->setText(QLocale().toString(qint64(grouping.size)));
        m_size->selectAll();
    }
    m_before->setText(grouping.before);
    m_after->setText(grouping.after);
}

void GroupsDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitFieldWidths();
}

void GroupsDialog::fitFieldWidths() {
    fitWidthTo(m_before, kWidestExpected);
    fitWidthTo(m_after, kWidestExpected);
}

int GroupsDialog::typedSize() const {
    bool number = false;
    const int size = QLocale().toInt(m_size->text().trimmed(), &number);
    // A group holds at least one entry: a group of none would never end.
    return number && size >= 1 ? size : 0;
}

void GroupsDialog::checkSize() {
    const bool valid = typedSize() > 0;
    m_create->setEnabled(valid);
    m_note->setText(valid ? QString()
                          : QStringLiteral("Type a whole number from 1 to %1.")
                                .arg(QLocale().toString(std::numeric_limits<int>::max())));
    m_size->setAccessibleDescription(m_note->text());
}

Grouping GroupsDialog::grouping() const {
    return {typedSize(), m_before->text(), m_after->text()};
}

} // namespace tavrolin::qt
