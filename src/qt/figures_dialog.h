#pragma once

#include "common/entry_tool_options.h"

#include <QDialog>

namespace tavrolin::qt {

// "List Figures": each figure on a line of its own, its value selectable for copying.
class FiguresDialog : public QDialog {
    Q_OBJECT

public:
    FiguresDialog(const QList<Figure>& figures, QWidget* parent);
};

} // namespace tavrolin::qt
