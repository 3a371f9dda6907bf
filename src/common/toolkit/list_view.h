#pragma once

#include "common/packed_texts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavrolin {

// A list view in report view. Columns and items are numbered from 1; sub-item k of an item
// belongs to column k + 1. Numbers out of range raise RuntimeError(IndexOutOfBounds).
class ListView {
public:
    virtual ~ListView() = default;

    virtual void addColumn(const QString& caption) = 0;
    virtual void setColumnWidth(int column, int twips) = 0;
    virtual int columnCount() const = 0;
    virtual QString columnCaption(int column) const = 0;

    virtual int itemCount() const = 0;
    // A new last item with the given text, empty sub-items and a clear check mark.
    virtual void appendItem(QString text) = 0;
    virtual QString itemText(int item) const = 0;
    // The routes for bulk text, which keep an item as the 8-bit bytes it came in (decode8Bit
    // gives its text): appending bytes copied into the list, appending a block of bytes that
    // the list takes in uncopied when it is its only item, and an item's bytes, shared rather
    // than copied when it is the only item.
    virtual void appendItemBytes(QByteArrayView bytes) = 0;
    virtual void appendItemBlock(QByteArray bytes) = 0;
    virtual QByteArray itemBytes(int item) const = 0;
    // An item's bytes without a copy, valid until the list next changes.
    virtual QByteArrayView itemBytesAt(int item) const = 0;
    // The bytes of all items together.
    virtual qsizetype byteCount() const = 0;
    // Appends the texts as new items, the views hearing of them once; into an empty list their
    // block moves in without a copy. When it fails, the list and the texts are as they were.
    virtual void appendItems(PackedTexts&& texts) = 0;
    // The same, with the new items' check marks set.
    virtual void appendTickedItems(PackedTexts&& texts) = 0;
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
    // Rises with every change that removes or moves items (not with an append at the end, nor
    // with a check mark): while it stays the same, item k is still the item that was item k.
    virtual quint64 rowGeneration() const = 0;
};

} // namespace tavrolin
