#pragma once

#include "common/entry_tool_options.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace tavrolin::qt {

// "Create in Groups": how many entries each results row joins, and the texts before and after
// each group (such as "IN (" and ")" for a query).
class GroupsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDefaultSize = 1000;

    explicit GroupsDialog(QWidget* parent);

    Grouping grouping() const;

private:
    QSpinBox* m_size;
    QLineEdit* m_before;
    QLineEdit* m_after;
};

} // namespace tavrolin::qt
