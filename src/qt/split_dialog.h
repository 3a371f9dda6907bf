#pragma once

#include "common/entry_tool_options.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tavrolin::qt {

// "Split Entries": the separator to split at, typed with \t, \n and \\ for a tab, a line break
// and a backslash, and the quotes a part may stand in.
class SplitDialog : public QDialog {
    Q_OBJECT

public:
    // The choices in the order the list shows them.
    enum Quotes { NoQuotes, DoubleQuotes, SingleQuotes, JsonQuotes };

    SplitDialog(QWidget* parent, const QString& separator);

    void setAnswer(const QString& separator, Quotes quotes);
    // The quotes offered; a style the choice does not list leaves it as it is.
    void setQuotes(QuoteStyle quotes);
    SplitAnswer answer() const;

private:
    QLineEdit* m_separator;
    QComboBox* m_quotes;
    QPushButton* m_split;
};

} // namespace tavrolin::qt
