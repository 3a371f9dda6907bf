#include "csv_column_dialog.h"

#include "common/text_encoding.h"
#include "tool_dialog_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace tavrolin::qt {

namespace {

// The delimiters offered, in the order the list shows them.
const std::pair<char, const char*> kDelimiters[] = {
    {',', "Comma ( , )"},
    {';', "Semicolon ( ; )"},
    {'\t', "Tab"},
    {'|', "Vertical bar ( | )"},
};

// A cell shows a line break as a space: a row of the preview is one line high.
QString cellText(const QByteArray& field) {
    QString text = decode8Bit(field);
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
}

} // namespace

CsvColumnDialog::CsvColumnDialog(QWidget* parent, const CsvPreview& preview, Reread reread)
    : QDialog(parent)
    , m_reread(std::move(reread))
    , m_delimiter(new QComboBox(this))
    , m_header(new QCheckBox(QStringLiteral("First row is a &header"), this))
    , m_rows(new QTableWidget(this))
    , m_column(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Load Column From CSV File"));
    m_delimiter->setObjectName(QStringLiteral("delimiter"));
    m_header->setObjectName(QStringLiteral("header"));
    m_header->setAccessibleName(QStringLiteral("First row is a header"));
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setAccessibleName(QStringLiteral("First rows of the file"));
    m_column->setObjectName(QStringLiteral("column"));
    for (const auto& [delimiter, caption] : kDelimiters)
        m_delimiter->addItem(QString::fromLatin1(caption), int(delimiter));

    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectColumns);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->verticalHeader()->setVisible(false);
    m_rows->horizontalHeader()->setSectionsClickable(true);
    m_rows->setMinimumSize(520, 240);

    const ToolDialogButtons buttons =
        makeToolDialogButtons(this, QStringLiteral("&Load"), QStringLiteral("load"));

    auto* form = new QFormLayout;
    auto* delimiterLabel = new QLabel(QStringLiteral("&Delimiter:"), this);
    delimiterLabel->setBuddy(m_delimiter);
    form->addRow(delimiterLabel, m_delimiter);
    form->addRow(QString(), m_header);
    auto* rowsLabel = new QLabel(QStringLiteral("First &rows (click a column to load it):"), this);
    rowsLabel->setBuddy(m_rows);
    auto* columnLabel = new QLabel(QStringLiteral("C&olumn:"), this);
    columnLabel->setBuddy(m_column);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(rowsLabel);
    layout->addWidget(m_rows);
    auto* columnForm = new QFormLayout;
    columnForm->addRow(columnLabel, m_column);
    layout->addLayout(columnForm);
    layout->addWidget(buttons.box);

    connect(m_delimiter, &QComboBox::currentIndexChanged, this,
            [this] { showPreview(m_reread(char(m_delimiter->currentData().toInt()))); });
    connect(m_header, &QCheckBox::toggled, this, [this] { nameColumns(); });
    connect(m_rows, &QTableWidget::currentCellChanged, this,
            [this](int, int column) { pickColumn(column); });
    connect(m_rows->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { pickColumn(column); });
    connect(m_column, &QComboBox::currentIndexChanged, this, [this](int column) {
        if (column >= 0 && column < m_rows->columnCount())
            m_rows->selectColumn(column);
    });

    {
        const QSignalBlocker blocker(m_delimiter);
        m_delimiter->setCurrentIndex(std::max(0, m_delimiter->findData(int(preview.delimiter))));
    }
    showPreview(preview);
}

void CsvColumnDialog::showPreview(const CsvPreview& preview) {
    const int column = std::max(0, m_column->currentIndex());
    m_preview = preview;
    qsizetype columns = 1;
    for (const QByteArrayList& row : std::as_const(m_preview.rows))
        columns = std::max(columns, row.size());
    m_rows->clear();
    m_rows->setColumnCount(int(columns));
    nameColumns();
    pickColumn(std::min(column, int(columns) - 1));
}

void CsvColumnDialog::nameColumns() {
    const bool header = m_header->isChecked() && !m_preview.rows.isEmpty();
    const QByteArrayList names = header ? m_preview.rows.first() : QByteArrayList();
    const qsizetype first = header ? 1 : 0;
    m_rows->setRowCount(int(std::max<qsizetype>(0, m_preview.rows.size() - first)));
    for (qsizetype r = first; r < m_preview.rows.size(); ++r) {
        const QByteArrayList& row = m_preview.rows.at(r);
        for (int c = 0; c < m_rows->columnCount(); ++c) {
            m_rows->setItem(int(r - first), c,
                            new QTableWidgetItem(c < row.size() ? cellText(row.at(c)) : QString()));
        }
    }
    const int column = std::max(0, m_column->currentIndex());
    const QSignalBlocker blocker(m_column);
    m_column->clear();
    QStringList headings;
    for (int c = 0; c < m_rows->columnCount(); ++c) {
        const QString number = QString::number(c + 1);
        const QString name = c < names.size() ? cellText(names.at(c)) : QString();
        headings.append(name.isEmpty() ? number : name);
        m_column->addItem(name.isEmpty() ? QStringLiteral("Column ") + number
                                         : number + QStringLiteral(": ") + name);
    }
    m_rows->setHorizontalHeaderLabels(headings);
    m_rows->resizeColumnsToContents();
    pickColumn(std::min(column, m_rows->columnCount() - 1));
}

void CsvColumnDialog::pickColumn(int column) {
    if (column < 0 || column >= m_column->count())
        return;
    m_column->setCurrentIndex(column);
    m_rows->selectColumn(column);
}

CsvColumnChoice CsvColumnDialog::choice() const {
    CsvColumnChoice choice;
    choice.delimiter = char(m_delimiter->currentData().toInt());
    choice.header = m_header->isChecked();
    choice.number = m_column->currentIndex() + 1;
    return choice;
}

} // namespace tavrolin::qt
