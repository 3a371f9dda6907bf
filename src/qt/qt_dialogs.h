#pragma once

#include "common/toolkit/message_boxes.h"
#include "common/toolkit/tool_dialogs.h"

class QWidget;

namespace tavrolin::qt {

class MainWindow;

// Message and input boxes and the tools' dialogs over the main window, or in the middle of
// the screen while the window is not shown.
class QtDialogs : public MessageBoxes, public ToolDialogs {
public:
    explicit QtDialogs(MainWindow& window);

    void messageBox(const QString& text, MessageStyle style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    std::optional<WrapTexts> wrapBox(const WrapTexts& offered) override;
    std::optional<SplitAnswer> splitBox(const SplitAnswer& offered) override;
    std::optional<DuplicateRules> duplicatesBox(const DuplicateRules& offered) override;
    std::optional<Grouping> groupsBox(const Grouping& offered) override;
    void figuresBox(const QList<Figure>& figures) override;
    std::optional<CsvColumnChoice>
    csvColumnBox(const CsvPreview& preview,
                 const std::function<CsvPreview(char delimiter)>& reread) override;

private:
    QWidget* owner() const;
    QString titleOrApplication(const QString& title) const;

    MainWindow& m_window;
};

} // namespace tavrolin::qt
