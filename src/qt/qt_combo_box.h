#pragma once

#include "common/toolkit/combo_box.h"

class QComboBox;

namespace tavrolin::qt {

// Combo1: every pick of the user raises the click event, also of the item already selected.
class QtComboBox : public ComboBox {
public:
    explicit QtComboBox(QComboBox* widget);

    void addItem(const QString& text) override;
    int listIndex() const override;
    QString text() const override;

    // A pick by the user, as the toolkit hands it over: raises the click event as
    // setListIndex does.
    void userPicked() const { raiseClick(); }

protected:
    int itemCount() const override;
    void select(int position) override;

private:
    QComboBox* m_widget;
};

} // namespace tavrolin::qt
