#include "contacts/SortOrder.h"

#include <algorithm>
#include <numeric>

namespace {

using Prefix = SortKeys::Prefix;

std::vector<qsizetype> identity(qsizetype count)
{
    std::vector<qsizetype> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), qsizetype(0));
    return order;
}

char16_t folded(char16_t unit)
{
    if (unit < 0x80) // most names: no table needed
        return unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit;
    return QChar(unit).toCaseFolded().unicode();
}

// A case-blind comparison folds each character and compares code units. The first 3 * 64 / Bits
// units, folded and packed big-endian into three words side by side in memory, settle nearly
// every comparison without touching the texts. A shorter text's missing units are 0, so it
// sorts first unless the texts tie there. False for a surrogate, or a unit that needs more bits.
template <int Bits>
bool packPrefix(const QString& text, bool fold, Prefix& prefix)
{
    constexpr int PerWord = 64 / Bits;
    const char16_t* units = QStringView(text).utf16();
    const qsizetype n = std::min<qsizetype>(text.size(), 3 * PerWord);
    std::fill(std::begin(prefix.words), std::end(prefix.words), 0);
    prefix.size = std::uint32_t(text.size());
    for (qsizetype k = 0; k < n; ++k) {
        const char16_t unit = units[k];
        if (QChar::isSurrogate(unit))
            return false;
        const std::uint64_t key = fold ? folded(unit) : unit;
        if (Bits < 16 && key >> Bits)
            return false;
        prefix.words[k / PerWord] |= key << (Bits * (PerWord - 1 - k % PerWord));
    }
    return true;
}

// QString::compare(a, b, cs) for texts whose first `from` units are known to compare equal.
int compareFrom(const QString& a, const QString& b, qsizetype from, bool fold)
{
    const char16_t* x = QStringView(a).utf16();
    const char16_t* y = QStringView(b).utf16();
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype k = from; k < n; ++k) {
        if (x[k] == y[k])
            continue;
        // A pair folds as one character: left to the comparison itself.
        if (QChar::isSurrogate(x[k]) || QChar::isSurrogate(y[k]))
            return QString::compare(a, b, fold ? Qt::CaseInsensitive : Qt::CaseSensitive);
        const int difference = fold ? int(folded(x[k])) - int(folded(y[k])) : int(x[k]) - int(y[k]);
        if (difference != 0)
            return difference;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::vector<qsizetype> sortByPrefixes(std::vector<Prefix> prefixes, int packedUnits, const TextAt& textAt, bool fold)
{
    std::sort(prefixes.begin(), prefixes.end(), [&](const Prefix& a, const Prefix& b) {
        for (int w = 0; w < 3; ++w) {
            if (a.words[w] != b.words[w])
                return a.words[w] < b.words[w];
        }
        // Texts the words hold whole differ at most in their length (the shorter is missing
        // units the other has as 0): told apart without touching them. Names often repeat.
        if (a.size <= std::uint32_t(packedUnits) && b.size <= std::uint32_t(packedUnits))
            return a.size != b.size ? a.size < b.size : a.index < b.index;
        const int c = compareFrom(textAt(a.index), textAt(b.index), packedUnits, fold);
        return c != 0 ? c < 0 : a.index < b.index; // equal texts keep their order
    });
    std::vector<qsizetype> order;
    order.reserve(prefixes.size());
    for (const Prefix& prefix : prefixes)
        order.push_back(prefix.index);
    return order;
}

} // namespace

SortKeys::SortKeys(const QCollator& collator)
{
    // The C locale compares code units, case-blind or not; its collator's own sort keys would
    // not honour the case setting.
    m_fold = collator.caseSensitivity() == Qt::CaseInsensitive;
    if (collator.locale().language() != QLocale::C)
        m_collator = collator;
}

SortKeys SortKeys::caseInsensitive()
{
    return SortKeys();
}

void SortKeys::reserve(qsizetype count)
{
    if (m_collator)
        m_collatorKeys.reserve(std::size_t(count));
    else
        m_prefixes.reserve(std::size_t(count));
}

void SortKeys::add(const QString& text)
{
    if (m_collator) {
        m_collatorKeys.push_back(m_collator->sortKey(text));
        return;
    }
    // Names in Latin letters fold below 0x100: 24 units of 8 bits tell far more of them apart
    // than 12 of 16 bits. One text that does not fit sends every text to 16 bits in order().
    Prefix& prefix = m_prefixes.emplace_back();
    prefix.index = std::uint32_t(m_prefixes.size() - 1);
    if (m_narrow)
        m_narrow = packPrefix<8>(text, m_fold, prefix);
}

std::vector<qsizetype> SortKeys::order(const TextAt& textAt)
{
    if (m_collator) {
        std::vector<qsizetype> order = identity(qsizetype(m_collatorKeys.size()));
        std::stable_sort(order.begin(), order.end(), [this](qsizetype a, qsizetype b) {
            return m_collatorKeys[std::size_t(a)].compare(m_collatorKeys[std::size_t(b)]) < 0;
        });
        return order;
    }
    if (m_narrow)
        return sortByPrefixes(std::move(m_prefixes), 24, textAt, m_fold);
    std::vector<Prefix> wide(m_prefixes.size());
    bool surrogates = false;
    for (std::size_t i = 0; i < wide.size() && !surrogates; ++i) {
        wide[i].index = std::uint32_t(i);
        surrogates = !packPrefix<16>(textAt(qsizetype(i)), m_fold, wide[i]);
    }
    if (!surrogates)
        return sortByPrefixes(std::move(wide), 12, textAt, m_fold);
    // Folding pairs as one character is left to the comparison itself.
    const Qt::CaseSensitivity cs = m_fold ? Qt::CaseInsensitive : Qt::CaseSensitive;
    std::vector<qsizetype> order = identity(qsizetype(wide.size()));
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return QString::compare(textAt(a), textAt(b), cs) < 0; });
    return order;
}

namespace {

std::vector<qsizetype> orderOf(SortKeys keys, qsizetype count, const TextAt& textAt)
{
    keys.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        keys.add(textAt(i));
    return keys.order(textAt);
}

} // namespace

std::vector<qsizetype> collatedOrder(qsizetype count, const TextAt& textAt, const QCollator& collator)
{
    return orderOf(SortKeys(collator), count, textAt);
}

std::vector<qsizetype> caseInsensitiveOrder(qsizetype count, const TextAt& textAt)
{
    return orderOf(SortKeys::caseInsensitive(), count, textAt);
}
