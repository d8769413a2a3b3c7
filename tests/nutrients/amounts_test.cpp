// Every nutrient of every USDA food and every starter food, as shown, against
// an exact decimal computation from the committed reference's text.

#include "food/foodtablefile.h"
#include "nutrients/foodnutrients.h"
#include "nutrients/nutrienttotals.h"
#include "shell/datafolder.h"
#include "shell/program.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <utility>

using namespace tolvane;
using namespace tolvane::test;

namespace {

__extension__ typedef __int128 Int;  // exact products of USDA's decimals

Int gcd(Int a, Int b)
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

Fraction decimal(const QString& text)
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
QString rounded(const Fraction& f, int decimals)
{
    Int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const Int q = (f.num * scale * 2 + f.den) / (2 * f.den);
    QString digits = QString::number(static_cast<qlonglong>(q)).rightJustified(decimals + 1, u'0');
    return decimals == 0 ? digits : digits.insert(digits.size() - decimals, u'.');
}

// The expected texts of `grams` of one reference line: nutrient key -> text
// ("unknown" where the reference has no value).
std::map<QString, QString> expectedTexts(const QStringList& header, const QStringList& fields, const QString& grams)
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

    std::map<QString, QString> texts;
    const Fraction share = decimal(grams).times({1, 100});
    for (const CatalogueNutrient& n : nutrientCatalogue()) {
        const auto v = per100g.at(n.key);
        texts[n.key] = v ? rounded(v->times(share), n.decimals) : QStringLiteral("unknown");
    }
    return texts;
}

std::map<QString, QString> shownTexts(const NutrientAmounts& perServing)
{
    NutrientTotals totals;
    totals.add(perServing, 1);
    std::map<QString, QString> texts;
    for (int i = 0; i < CatalogueSize; ++i)
        texts[nutrientCatalogue()[static_cast<std::size_t>(i)].key] = totalAmountText(totals, i);
    return texts;
}

const QString ReferencePath = QStringLiteral(TOLVANE_USDA_REFERENCE_TSV);

} // namespace

TEST(NutrientAmounts, EveryMeasureOfEveryReferenceFoodShowsItsExactAmountRounded)
{
    const std::optional<UsdaReference> reference = UsdaReference::load(ReferencePath);
    ASSERT_TRUE(reference);
    const QStringList lines = QString::fromUtf8(readAll(ReferencePath)).split(u'\n', Qt::SkipEmptyParts);
    const QStringList header = lines[0].split(u'\t');
    std::size_t checked = 0;
    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QStringList fields = lines[l].split(u'\t');
        const ReferenceFood* food = reference->find(fields[0]);
        ASSERT_NE(food, nullptr) << fields[0].toStdString();
        QStringList grams{QStringLiteral("100")};
        for (const QString& measure : fields[5].split(u';', Qt::SkipEmptyParts))
            grams << measure.section(u'|', 2, 2);
        for (const QString& g : grams) {
            const auto exact = decimal(g);
            ASSERT_EQ(shownTexts(amountsOf(*food, static_cast<long double>(exact.num) / static_cast<long double>(exact.den))),
                      expectedTexts(header, fields, g))
                << (fields[0] + u' ' + g).toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 20000U);
}

TEST(NutrientAmounts, EveryStarterFoodIsLinkedAndShowsItsServingsExactAmounts)
{
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    Program program{ui, settings, dir.path()};
    FoodNutrients nutrients{program};
    nutrients.setReferencePath(ReferencePath);

    std::map<QString, QStringList> referenceLines;
    const QStringList lines = QString::fromUtf8(readAll(ReferencePath)).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines)
        referenceLines[line.section(u'\t', 0, 0)] = line.split(u'\t');
    std::map<QString, UsdaLink> starter;
    for (const UsdaLink& link : readUsdaLinks(readAll(StarterLinksPath)))
        starter[link.itemName] = link;

    const FoodTableImage table = readFoodTableImage(readAll(StarterFolder + QStringLiteral("/fooditem.dbt")));
    ASSERT_EQ(table.records.size(), starter.size());
    for (const FoodItem& item : table.records) {
        const UsdaLink& link = starter.at(item.name());
        ASSERT_TRUE(nutrients.linked(item)) << item.name().toStdString();
        EXPECT_EQ(shownTexts(nutrients.perServing(item)),
                  expectedTexts(referenceLines.at(QStringLiteral("number")), referenceLines.at(link.usdaNumber),
                                link.grams))
            << item.name().toStdString();
    }
    EXPECT_TRUE(ui.messages.empty());
}
