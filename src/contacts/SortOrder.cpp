#include "contacts/SortOrder.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

std::vector<qsizetype> identity(qsizetype count)
{
    std::vector<qsizetype> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), qsizetype(0));
    return order;
}

// A case-blind comparison folds each character and compares code units. Sorting by the first
// twelve folded units, kept side by side in memory, settles nearly every comparison without
// touching the texts; ties fall back to the comparison itself.
struct FoldedPrefix {
    std::uint64_t units[3] = {0, 0, 0};
    qsizetype index = 0;
};

constexpr int PrefixUnits = 12;

std::vector<qsizetype> foldedOrder(qsizetype count, const TextAt& textAt, bool fold)
{
    const Qt::CaseSensitivity cs = fold ? Qt::CaseInsensitive : Qt::CaseSensitive;
    std::vector<FoldedPrefix> prefixes(static_cast<std::size_t>(count));
    bool surrogates = false;
    for (qsizetype i = 0; i < count; ++i) {
        const QString& text = textAt(i);
        FoldedPrefix& prefix = prefixes[std::size_t(i)];
        prefix.index = i;
        const qsizetype n = std::min<qsizetype>(text.size(), PrefixUnits);
        for (qsizetype k = 0; k < n; ++k) {
            const QChar ch = text.at(k);
            surrogates = surrogates || ch.isSurrogate();
            const std::uint64_t unit = fold ? ch.toCaseFolded().unicode() : ch.unicode();
            // Big-endian within each word, so comparing words compares units in order. A
            // shorter text's missing units are 0: it sorts first unless the texts tie there.
            prefix.units[k / 4] |= unit << (16 * (3 - k % 4));
        }
    }
    std::vector<qsizetype> order;
    order.reserve(prefixes.size());
    if (surrogates) {
        // Folding pairs as one character is left to the comparison itself.
        order.resize(prefixes.size());
        std::iota(order.begin(), order.end(), qsizetype(0));
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            return QString::compare(textAt(a), textAt(b), cs) < 0;
        });
        return order;
    }
    std::sort(prefixes.begin(), prefixes.end(), [&](const FoldedPrefix& a, const FoldedPrefix& b) {
        for (int w = 0; w < 3; ++w) {
            if (a.units[w] != b.units[w])
                return a.units[w] < b.units[w];
        }
        const int c = QString::compare(textAt(a.index), textAt(b.index), cs);
        return c != 0 ? c < 0 : a.index < b.index; // equal texts keep their order
    });
    for (const FoldedPrefix& prefix : prefixes)
        order.push_back(prefix.index);
    return order;
}

} // namespace

std::vector<qsizetype> caseInsensitiveOrder(qsizetype count, const TextAt& textAt)
{
    return foldedOrder(count, textAt, true);
}

std::vector<qsizetype> collatedOrder(qsizetype count, const TextAt& textAt, const QCollator& collator)
{
    // The C locale compares code units, case-blind or not; its collator's own sort keys would
    // not honour the case setting.
    if (collator.locale().language() == QLocale::C)
        return foldedOrder(count, textAt, collator.caseSensitivity() == Qt::CaseInsensitive);

    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        keys.push_back(collator.sortKey(textAt(i)));
    std::vector<qsizetype> order = identity(count);
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0;
    });
    return order;
}
