// Every nutrient of every USDA food and every starter food, as shown, against
// an exact decimal computation from the committed reference's text.

#include "food/foodtablefile.h"
#include "nutrients/foodnutrients.h"
#include "nutrients/nutrienttotals.h"
#include "shell/datafolder.h"
#include "shell/program.h"
#include "qstringprint.h"
#include "exactamounts.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

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
            ASSERT_EQ(
                shownTexts(amountsOf(*food, static_cast<long double>(exact.num) / static_cast<long double>(exact.den))),
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

    const std::map<QString, QStringList> lines = referenceLines();
    const std::map<QString, UsdaLink> starter = starterLinks();

    const FoodTableImage table = readFoodTableImage(readAll(StarterFolder + QStringLiteral("/fooditem.dbt")));
    ASSERT_EQ(table.records.size(), starter.size());
    for (const FoodItem& item : table.records) {
        const UsdaLink& link = starter.at(item.name());
        ASSERT_TRUE(nutrients.linked(item)) << item.name().toStdString();
        EXPECT_EQ(shownTexts(nutrients.perServing(item)),
                  expectedTexts(lines.at(QStringLiteral("number")), lines.at(link.usdaNumber), link.grams))
            << item.name().toStdString();
    }
    EXPECT_TRUE(ui.messages.empty());
}
