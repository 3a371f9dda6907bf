#pragma once

#include "common/stored_list_view.h"

#include <QSet>

namespace tavrolin::headless {

// A list view in memory. Tests select items, set check marks and sub-items, and can make
// appending a given text fail.
class HeadlessListView : public StoredListView {
public:
    int selectedItem() const override { return m_selected; }
    void select(int item);

    void appendItem(QString text) override;
    void failAppendOf(const QString& text) { m_failingTexts.insert(text); }

    QStringList texts() const;

protected:
    void beginRemove(int row) override;
    void beginReset() override { m_selected = 0; }

private:
    int m_selected = 0;
    QSet<QString> m_failingTexts;
};

} // namespace tavrolin::headless
