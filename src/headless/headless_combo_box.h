#pragma once

#include "common/toolkit/combo_box.h"

#include <QStringList>

namespace tavrolin::headless {

class HeadlessComboBox : public ComboBox {
public:
    void addItem(const QString& text) override { m_items.append(text); }
    int listIndex() const override { return m_index; }
    QString text() const override;

    // A pick by the user: raises the click event as setListIndex does.
    void pick(int position) { setListIndex(position); }
    const QStringList& items() const { return m_items; }

protected:
    int itemCount() const override { return int(m_items.size()); }
    void select(int position) override { m_index = position; }

private:
    QStringList m_items;
    int m_index = -1;
};

} // namespace tavrolin::headless
