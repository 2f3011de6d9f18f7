#include "contacts/SortOrder.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>

namespace {

using Compare = std::function<int(const QString&, const QString&)>;

// What the key-based order must match: a stable sort by the comparison itself.
std::vector<qsizetype> referenceOrder(const QStringList& texts, const Compare& compare)
{
    std::vector<qsizetype> order(static_cast<std::size_t>(texts.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return compare(texts[a], texts[b]) < 0; });
    return order;
}

QStringList handPicked()
{
    return {
        QStringLiteral("Mary Ann Smith"), QStringLiteral("mary ann smith"), QStringLiteral("MARY ANN SMITH"),
        QStringLiteral("Mary Ann Smith"), // equal texts keep their order
        QStringLiteral("Mary Ann Smithers"), QStringLiteral("Mary Ann Smit"), QStringLiteral("Mary Ann Smith\tDayton"),
        QStringLiteral("Mary Ann Smith\tAkron"), QString(), QString(), QStringLiteral(" "), QStringLiteral("a"),
        QStringLiteral("A"), QStringLiteral("ab"), QStringLiteral("a b"), QStringLiteral("a\tb"),
        QString(QChar(0)) + QStringLiteral("x"), QStringLiteral("Élodie"), QStringLiteral("elodie"),
        QStringLiteral("Zoë"), QStringLiteral("Zoe"), QStringLiteral("Šárka"), QStringLiteral("Sarka"),
        QStringLiteral("Œuvre"), QStringLiteral("œuvre"), QStringLiteral("Ÿves"), QStringLiteral("€uro"),
        QStringLiteral("Straße"), QStringLiteral("STRASSE"), QStringLiteral("Ångström"), QStringLiteral("Zebra"),
        QStringLiteral("O'Brien"), QStringLiteral("OBrien"), QStringLiteral("o-brien"), QStringLiteral("123 Main"),
        QStringLiteral("12 Main"), QStringLiteral("Abcdefghijklmnop"), QStringLiteral("ABCDEFGHIJKLmnoq"),
        QStringLiteral("abcdefghijklMNO"),
    };
}

// Texts drawn from a few letters in both cases, so long shared prefixes and case ties abound;
// the same texts on every run.
QStringList drawn(int count, const QString& start = QString())
{
    QRandomGenerator random(7);
    const QString letters = QStringLiteral("aAbBéÉ ,\t");
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        QString text = start;
        const int length = int(random.bounded(20));
        for (int k = 0; k < length; ++k)
            text += letters.at(int(random.bounded(letters.size())));
        texts << text;
    }
    return texts;
}

QCollator collatorFor(const QLocale& locale, Qt::CaseSensitivity cs)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(cs);
    return collator;
}

} // namespace

TEST(SortOrder, KeysGiveTheOrderOfTheComparisonItself)
{
    const QStringList withSurrogates = handPicked() + QStringList{QStringLiteral("𝒜lpha"), QStringLiteral("alpha")};
    // Past the twelfth unit the texts are told apart one by one: the same name in many cases.
    const QStringList surrogatesLate = handPicked()
                                       + QStringList{QStringLiteral("Mary Ann Smith𝒜"), QStringLiteral("MARY ANN SMITH𝒶"),
                                                     QStringLiteral("Mary Ann Smithα"), QStringLiteral("Mary Ann SmithA")};
    const struct {
        const char* name;
        QStringList texts;
    } inputs[] = {{"hand-picked", handPicked()},
                  {"drawn", drawn(3000)},
                  {"drawn after one long name", drawn(3000, QStringLiteral("Mary Ann SMI"))},
                  {"drawn after a name cut short", drawn(3000, QStringLiteral("Mary Ann"))},
                  {"with surrogate pairs", withSurrogates},
                  {"with surrogate pairs past the twelfth unit", surrogatesLate}};

    const struct {
        const char* name;
        QCollator collator;
    } collators[] = {
        {"C, case-blind", collatorFor(QLocale::c(), Qt::CaseInsensitive)},
        {"C, case-sensitive", collatorFor(QLocale::c(), Qt::CaseSensitive)},
        {"en_US, case-blind", collatorFor(QLocale(QLocale::English, QLocale::UnitedStates), Qt::CaseInsensitive)},
        {"de_DE, case-blind", collatorFor(QLocale(QLocale::German, QLocale::Germany), Qt::CaseInsensitive)},
        {"sv_SE, case-blind", collatorFor(QLocale(QLocale::Swedish, QLocale::Sweden), Qt::CaseInsensitive)},
        {"system", collatorFor(QLocale(), Qt::CaseInsensitive)},
    };

    for (const auto& input : inputs) {
        const QStringList& texts = input.texts;
        const TextAt textAt = [&texts](qsizetype i) -> const QString& { return texts[i]; };
        EXPECT_EQ(caseInsensitiveOrder(texts.size(), textAt),
                  referenceOrder(texts, [](const QString& a, const QString& b) {
                      return QString::compare(a, b, Qt::CaseInsensitive);
                  }))
            << input.name;
        for (const auto& c : collators) {
            const QCollator& collator = c.collator;
            EXPECT_EQ(collatedOrder(texts.size(), textAt, collator),
                      referenceOrder(texts, [&](const QString& a, const QString& b) { return collator.compare(a, b); }))
                << input.name << " / " << c.name;
        }
    }
}
