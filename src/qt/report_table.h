#pragma once

#include <QTableView>

namespace tavrolin::qt {

// A one-level list with column headers. A table view keeps a few bytes per row and grows by
// the rows appended; a tree view lays out every row again after each append, which a list
// of a million entries would feel at every burst.
class ReportTable : public QTableView {
    Q_OBJECT

public:
    explicit ReportTable(QWidget* parent);

    QHeaderView* header() const { return horizontalHeader(); }

protected:
    void changeEvent(QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void fitRowHeight();
};

} // namespace tavrolin::qt
