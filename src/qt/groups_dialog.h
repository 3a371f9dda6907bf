#pragma once

#include "common/entry_tool_options.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrolin::qt {

// "Create in Groups": how many entries each results row joins, and the texts before and after
// each group (such as "IN (" and ")" for a query).
class GroupsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDefaultSize = 1000;

    explicit GroupsDialog(QWidget* parent);

    // The size below 1 keeps the size offered.
    void setGrouping(const Grouping& grouping);
    Grouping grouping() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitFieldWidths();
    // The group size typed, or 0 when it is not a whole number of at least 1.
    int typedSize() const;
    void checkSize();

    QLineEdit* m_size;
    QLineEdit* m_before;
    QLineEdit* m_after;
    QLabel* m_note;
    QPushButton* m_create;
};

} // namespace tavrolin::qt
