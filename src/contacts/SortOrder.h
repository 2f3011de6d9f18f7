#pragma once

#include <QCollator>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

// The order a stable sort gives, found by sort keys made once per text: a long list compares
// each text many times, and a locale-aware or case-blind comparison at every step is slow.
using TextAt = std::function<const QString&(qsizetype)>;

// As a stable sort by collator.compare.
std::vector<qsizetype> collatedOrder(qsizetype count, const TextAt& textAt, const QCollator& collator);
// As a stable sort by QString::compare(a, b, Qt::CaseInsensitive).
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
