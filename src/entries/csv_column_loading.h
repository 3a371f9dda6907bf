#pragma once

#include <QString>

namespace tavrolin {

class FileDialog;
class ListView;
class MessageBoxes;
class MousePointer;
class ProgressBar;
class ToolDialogs;
struct CsvColumnReport;
struct OperationState;

// What loading a column works on.
struct CsvColumnLoadingParts {
    MessageBoxes& dialogs;
    ToolDialogs& toolDialogs;
    FileDialog& commonDialog1;
    MousePointer& pointer;
    ListView& listView1;
    ProgressBar& progressBar1;
    // Running while a creation joins the entries.
    const OperationState& operation;
};

// "Load Column From CSV File": lets the user pick a file, shows its first rows to choose the
// delimiter, the header and the column, then appends the column's values to the entry list in
// one change and tells on the bar what it did. Refused, as the list's tools are, while a
// creation runs or the busy pointer shows. A file that cannot be opened or read is told as for
// a list file; the values read before a read error stay.
void loadCsvColumn(const CsvColumnLoadingParts& ui);

// The bar's text after a column was read: how many values from which column (its header name
// when it has one), then what was odd about the file. Numbers in the user's digit grouping.
QString csvColumnLoadedText(const CsvColumnReport& report, const QString& columnName);

} // namespace tavrolin
