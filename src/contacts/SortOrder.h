#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The order a stable sort gives, found by sort keys made once per text: a long list compares
// each text many times, and a locale-aware or case-blind comparison at every step is slow.
using TextAt = std::function<const QString&(qsizetype)>;

// Keys added one text at a time, best while each text is being made: a long list's texts are
// then still in the cache.
//
//   SortKeys keys(collator);
//   for (...) { lines.push_back(makeLine()); keys.add(lines.back()); }
//   applyOrder(lines, keys.order(textAt));
class SortKeys {
public:
    // As a stable sort by collator.compare.
    explicit SortKeys(const QCollator& collator);
    // As a stable sort by QString::compare(a, b, Qt::CaseInsensitive).
    static SortKeys caseInsensitive();

    void reserve(qsizetype count);
    void add(const QString& text);
    // textAt(i) is the i-th text added. Once: the keys are used up.
    std::vector<qsizetype> order(const TextAt& textAt);

    // The first folded units of a text packed into words that compare as the units do.
    struct Prefix {
        std::uint64_t words[3] = {0, 0, 0};
        std::uint32_t index = 0;
        std::uint32_t size = 0; // the text's length
    };

private:
    SortKeys() = default;

    std::optional<QCollator> m_collator; // a locale's own sort keys; none: code units
    bool m_fold = true;
    bool m_narrow = true; // every prefix so far packed 8 bits a unit
    std::vector<Prefix> m_prefixes;
    std::vector<QCollatorSortKey> m_collatorKeys;
};

// The same in one call, for texts already made.
std::vector<qsizetype> collatedOrder(qsizetype count, const TextAt& textAt, const QCollator& collator);
std::vector<qsizetype> caseInsensitiveOrder(qsizetype count, const TextAt& textAt);

// items rearranged into order (as returned above).
template <typename Items>
void applyOrder(Items& items, const std::vector<qsizetype>& order)
{
    Items sorted;
    sorted.reserve(items.size());
    for (qsizetype i : order)
        sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
}
