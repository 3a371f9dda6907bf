#pragma once

#include "common/entry_tool_options.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;

namespace tavrolin::qt {

// "Remove Duplicates": which entries count as the same and which of them stay. It opens on
// the exact comparison that keeps the first of each.
class DuplicatesDialog : public QDialog {
    Q_OBJECT

public:
    explicit DuplicatesDialog(QWidget* parent);

    void setRules(const DuplicateRules& rules);
    DuplicateRules rules() const;

private:
    QCheckBox* m_ignoreCase;
    QCheckBox* m_ignoreSpaces;
    // Each button's id is its DuplicateRules::Keep.
    QButtonGroup* m_keep;
};

} // namespace tavrolin::qt
