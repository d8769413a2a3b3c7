#pragma once
// Exact decimal amounts of a USDA food, computed from the reference's text
// apart from the program's own arithmetic, and rounded as the program shows them.

#include "nutrients/foodnutrients.h"
#include "testfiles.h"

#include <QStringList>
#include <map>
#include <optional>
#include <utility>

namespace tolvane::test {

__extension__ typedef __int128 Int; // exact products of USDA's decimals

inline Int gcd(Int a, Int b)
{
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

struct Fraction {
    Int num = 0;
    Int den = 1;
    Fraction operator+(const Fraction& o) const
    {
        Fraction sum{num * o.den + o.num * den, den * o.den};
        const Int g = gcd(sum.num, sum.den);
        return {sum.num / g, sum.den / g};
    }
    Fraction times(const Fraction& o) const
    {
        const Fraction p{num * o.num, den * o.den};
        const Int g = gcd(p.num, p.den);
        return g == 0 ? p : Fraction{p.num / g, p.den / g};
    }
};

inline Fraction decimal(const QString& text)
{
    Fraction f;
    const qsizetype point = text.indexOf(u'.');
    for (const QChar c : text)
        if (c != u'.')
            f.num = f.num * 10 + c.digitValue();
    for (qsizetype i = point < 0 ? 0 : text.size() - point - 1; i > 0; --i)
        f.den *= 10;
    return f;
}

// Halves away from zero, as a text with `decimals` decimals.
inline QString rounded(const Fraction& f, int decimals)
{
    Int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const Int q = (f.num * scale * 2 + f.den) / (2 * f.den);
    QString digits = QString::number(static_cast<qlonglong>(q)).rightJustified(decimals + 1, u'0');
    return decimals == 0 ? digits : digits.insert(digits.size() - decimals, u'.');
}

// The exact amounts in `grams` of one reference line, by nutrient key
// (empty where the reference has no value).
inline std::map<QString, std::optional<Fraction>> exactAmounts(const QStringList& header, const QStringList& fields,
                                                               const QString& grams)
{
    std::map<QString, std::optional<Fraction>> per100g;
    for (qsizetype c = 6; c < header.size(); ++c)
        per100g[header[c]] = fields[c].isEmpty() ? std::nullopt : std::optional(decimal(fields[c]));
    auto part = [&](const char* column, Int divisor) -> std::optional<Fraction> {
        const auto v = per100g.at(QString::fromLatin1(column));
        return v ? std::optional(v->times({1, divisor})) : std::nullopt;
    };
    per100g[QStringLiteral("folate_ug")] = per100g.at(QStringLiteral("folate_total_ug"));
    per100g[QStringLiteral("vitamin_d_ug")] = part("vitamin_d_iu", 40);
    const auto r = part("retinol_ug", 1), b = part("beta_carotene_ug", 12), a = part("alpha_carotene_ug", 24),
               x = part("beta_cryptoxanthin_ug", 24);
    per100g[QStringLiteral("vitamin_a_rae_ug")] = r && b && a && x ? std::optional(*r + *b + *a + *x) : std::nullopt;

    std::map<QString, std::optional<Fraction>> amounts;
    const Fraction share = decimal(grams).times({1, 100});
    for (const CatalogueNutrient& n : nutrientCatalogue()) {
        const auto v = per100g.at(n.key);
        amounts[n.key] = v ? std::optional(v->times(share)) : std::nullopt;
    }
    return amounts;
}

// The same as texts ("unknown" where the reference has no value).
inline std::map<QString, QString> expectedTexts(const QStringList& header, const QStringList& fields,
                                                const QString& grams)
{
    std::map<QString, QString> texts;
    for (const auto& [key, amount] : exactAmounts(header, fields, grams))
        texts[key] =
            amount ? rounded(*amount, nutrientCatalogue()[catalogueIndex(key)].decimals) : QStringLiteral("unknown");
    return texts;
}

// The committed reference's lines by USDA number (the heading under "number").
inline std::map<QString, QStringList> referenceLines()
{
    std::map<QString, QStringList> lines;
    for (const QString& line : QString::fromUtf8(readAll(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV))).split(u'\n'))
        lines[line.section(u'\t', 0, 0)] = line.split(u'\t');
    return lines;
}

// The starter links by item name.
inline std::map<QString, UsdaLink> starterLinks()
{
    std::map<QString, UsdaLink> links;
    for (const UsdaLink& link : readUsdaLinks(readAll(StarterLinksPath)))
        links[link.itemName] = link;
    return links;
}

inline std::map<QString, std::optional<Fraction>> exactAmounts(const std::map<QString, QStringList>& lines,
                                                               const UsdaLink& link)
{
    return exactAmounts(lines.at(QStringLiteral("number")), lines.at(link.usdaNumber), link.grams);
}

} // namespace tolvane::test
