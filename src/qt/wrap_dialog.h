#pragma once

#include "common/entry_tool_options.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace tavrolin::qt {

// "Wrap Each Entry": the text to put before and after each entry, typed with \t, \n and \\ for a
// tab, a line break and a backslash or taken from a preset, or a quoting rule.
class WrapDialog : public QDialog {
    Q_OBJECT

public:
    // The presets in the order the choice lists them.
    enum Preset { DoubleQuotes, SingleQuotes, NoQuotes, JsonString, RegularExpression, ShellWord };

    explicit WrapDialog(QWidget* parent);

    void choosePreset(Preset preset);
    // Both texts, the preset shown being the one that gives them, if any.
    void setTexts(const WrapTexts& texts);
    WrapTexts texts() const;

private:
    void showPreset(int preset);

    QComboBox* m_preset;
    QLineEdit* m_before;
    QLineEdit* m_after;
};

} // namespace tavrolin::qt
