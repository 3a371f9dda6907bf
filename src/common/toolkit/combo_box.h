#pragma once

#include <QString>
#include <functional>

namespace tavrolin {

// A drop-down list whose items are numbered from 0. Selecting an item, by the user or through
// setListIndex, raises the click event.
class ComboBox {
public:
    virtual ~ComboBox() = default;

    virtual void addItem(const QString& text) = 0;
    // -1 selects nothing and raises no event; a position outside the list raises
    // RuntimeError(InvalidPropertyValue) and leaves the selection as it was.
    void setListIndex(int position);
    virtual int listIndex() const = 0;
    virtual QString text() const = 0;

    void onClick(std::function<void()> handler) { m_click = std::move(handler); }

protected:
    virtual int itemCount() const = 0;
    // Shows the item at the position, -1 for none, as selected; the position is in range.
    virtual void select(int position) = 0;
    void raiseClick() const {
        if (m_click)
            m_click();
    }

private:
    std::function<void()> m_click;
};

} // namespace tavrolin
