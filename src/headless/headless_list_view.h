#pragma once

#include "lists/modelled_list_view.h"

#include <QSet>

namespace tavrolin::headless {

// A list view in memory. Tests select items, set check marks and sub-items, and can make
// appending a given text fail. With no event loop to wait for, its model announces appended
// items before any other change and when asked.
class HeadlessListView : public ModelledListView {
public:
    HeadlessListView();

    int selectedItem() const override { return m_selected; }
    void select(int item);

    void appendItem(QString text) override;
    void appendItemBytes(QByteArrayView bytes) override;
    void appendItemBlock(QByteArray bytes) override;
    // Fails as a whole when any of the texts would.
    void appendItems(PackedTexts&& texts) override;
    void failAppendOf(const QString& text) { m_failingTexts.insert(text); }

    QStringList texts() const;

private:
    void checkAppendOf(QByteArrayView bytes) const;
    void followRemoval(int first, int last);
    void followMove(int fromRow, int toRow);

    int m_selected = 0;
    QSet<QString> m_failingTexts;
};

} // namespace tavrolin::headless
