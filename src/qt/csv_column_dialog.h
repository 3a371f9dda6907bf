#pragma once

#include "entries/csv_column.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace tavrolin::qt {

// "Load Column From CSV File": the delimiter (as guessed, which the user may change: the rows
// are read again), whether the first row is a header, the first rows, and the column to take,
// picked in the table or in the list of columns.
class CsvColumnDialog : public QDialog {
    Q_OBJECT

public:
    using Reread = std::function<CsvPreview(char delimiter)>;

    CsvColumnDialog(QWidget* parent, const CsvPreview& preview, Reread reread);

    CsvColumnChoice choice() const;
    // Picks the column, counted from 0, as a click in its cells does.
    void pickColumn(int column);

private:
    void showPreview(const CsvPreview& preview);
    // The table's headings and the list of columns, named by the header or numbered.
    void nameColumns();

    Reread m_reread;
    CsvPreview m_preview;
    QComboBox* m_delimiter;
    QCheckBox* m_header;
    QTableWidget* m_rows;
    QComboBox* m_column;
};

} // namespace tavrolin::qt
