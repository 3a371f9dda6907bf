#pragma once

#include "common/packed_texts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavrolin {

// The check mark new items come with.
enum class CheckMark { Clear, Set };

// A list view in report view. Columns and items are numbered from 1; sub-item k of an item
// belongs to column k + 1. Numbers out of range raise RuntimeError(IndexOutOfBounds). Items
// keep the 8-bit bytes they came in: decode8Bit gives an item's text, and a text goes in as
// encode8Bit's bytes.
class ListView {
public:
    virtual ~ListView() = default;

    virtual void addColumn(const QString& caption) = 0;
    virtual void setColumnWidth(int column, int twips) = 0;
    virtual int columnCount() const = 0;
    virtual QString columnCaption(int column) const = 0;

    virtual int itemCount() const = 0;
    // A new last item of a copy of the bytes, with empty sub-items and a clear check mark.
    virtual void appendItem(QByteArrayView bytes) = 0;
    // Appends the texts as new items with the given check mark, the views hearing of them once;
    // into an empty list their block moves in without a copy, so a single long text costs no
    // second copy. When it fails, the list and the texts are as they were.
    virtual void appendItems(PackedTexts&& texts, CheckMark mark) = 0;
    // An item's bytes without a copy, valid until the list next changes.
    virtual QByteArrayView itemBytesAt(int item) const = 0;
    // An item's bytes to keep while the list may change, as the outputs keep cells while events
    // run: shared rather than copied when it is the only item, as a created result is.
    virtual QByteArray itemBytes(int item) const = 0;
    // The bytes of all items together.
    virtual qsizetype byteCount() const = 0;
    virtual QString itemSubItem(int item, int subItem) const = 0;
    virtual bool itemChecked(int item) const = 0;
    virtual void removeItem(int item) = 0;
    virtual void removeAll() = 0;
    virtual void setItemText(int item, QString text) = 0;
    // Moves the item by places, negative towards the top; the target must be an item too.
    // A selected item stays selected.
    virtual void moveItem(int item, int places) = 0;
    // The number of the selected item, 0 when none is selected.
    virtual int selectedItem() const = 0;
    // Selects the item, makes it the one the keys act on and scrolls it into view.
    virtual void selectItem(int item) = 0;
    // Rises with every change that removes or moves items (not with an append at the end, nor
    // with a check mark): while it stays the same, item k is still the item that was item k.
    virtual quint64 rowGeneration() const = 0;
};

} // namespace tavrolin
