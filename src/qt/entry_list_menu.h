#pragma once

#include <QList>
#include <QMenu>
#include <functional>
#include <utility>

namespace tavrolin {
class Form1;
}

namespace tavrolin::qt {

// The context menu of the entry list: one action for each tool, in the order the user reads
// them. The actions reach their handlers through the toolkit's connections.
class EntryListMenu : public QMenu {
    Q_OBJECT

public:
    using Handler = std::function<void(Form1&)>;

    explicit EntryListMenu(QWidget* list);

    const QList<std::pair<QAction*, Handler>>& tools() const { return m_tools; }

private:
    QList<std::pair<QAction*, Handler>> m_tools;
};

} // namespace tavrolin::qt
