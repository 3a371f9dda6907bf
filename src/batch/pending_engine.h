#pragma once
// TEMPORARY stand-ins for the tool and join interfaces being built on other branches; removed
// when those land.

#include "entries/entry_list_tools.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

namespace tavrolin {

enum class QuoteStyle { None, Double, Single };
struct DuplicateRules {
    enum class Keep { First, Last, Once, Repeated };
    bool ignoreCase = false;
    bool ignoreSpaces = false;
    Keep keep = Keep::First;
};
inline PackedTexts withoutDuplicates(const EntryBytes& entries, const DuplicateRules&) {
    return withoutDuplicates(entries);
}
inline PackedTexts splitAt(const EntryBytes& entries, const QString& separator, QuoteStyle) {
    return splitAt(entries, separator);
}

struct JoinShape {
    QByteArray separator;
    qsizetype groupSize = 0;
    QByteArray before, after;
};
class EntryJoin {
public:
    using Sink = std::function<void(QByteArrayView)>;
    using RowEnd = std::function<void()>;
    EntryJoin(JoinShape shape, Sink sink, RowEnd rowEnd)
        : m_shape(std::move(shape)), m_sink(std::move(sink)), m_rowEnd(std::move(rowEnd)) {}
    void add(QByteArrayView entry) {
        if (m_inRow == 0)
            m_block.append(m_shape.before);
        else
            m_block.append(m_shape.separator);
        m_block.append(entry);
        if (++m_inRow == m_shape.groupSize)
            endRow();
        if (m_block.size() > (1 << 20)) {
            m_sink(m_block);
            m_block.clear();
        }
    }
    void finish() {
        if (m_inRow > 0)
            endRow();
    }

private:
    void endRow() {
        m_block.append(m_shape.after);
        m_sink(m_block);
        m_block.clear();
        m_rowEnd();
        m_inRow = 0;
    }
    JoinShape m_shape;
    Sink m_sink;
    RowEnd m_rowEnd;
    QByteArray m_block;
    qsizetype m_inRow = 0;
};

} // namespace tavrolin
