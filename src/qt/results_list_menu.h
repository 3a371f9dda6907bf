#pragma once

#include <QMenu>

namespace tavrolin::qt {

class ReportTable;

// The context menu of the results list. A right click, the Menu key and Shift+F10 open it, as
// they open the entry list's; its item's shortcut works anywhere in the window. The item reaches
// its handler through the toolkit's connections.
class ResultsListMenu : public QMenu {
    Q_OBJECT

public:
    ResultsListMenu(ReportTable* list, QWidget* window);

    QAction* savePlainText() const { return m_savePlainText; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openAtSelection();

    ReportTable* m_list;
    QAction* m_savePlainText;
};

} // namespace tavrolin::qt
