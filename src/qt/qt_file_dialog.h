#pragma once

#include "common/toolkit/file_dialog.h"

class QWidget;

namespace tavrolin::qt {

// CommonDialog1 as a Qt file dialog over the main window.
class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QWidget* parent);

    void showOpen() override;
    void showSave() override;

    // The dialog's name filters for a filter of description and pattern pairs.
    static QStringList nameFilters(const QList<FileFilter>& filters);

private:
    QWidget* m_parent;
};

} // namespace tavrolin::qt
