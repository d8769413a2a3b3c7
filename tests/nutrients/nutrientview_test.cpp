// The "Nutrients" window's state: sums over the shown meal, day, week and
// average day that are exact and say how complete they are, and the rows of a
// food item against the Calculators person's reference intakes.

#include "app/app.h"
#include "food/foodtablefile.h"
#include "food/foodtableio.h"
#include "shell/datafolder.h"
#include "storage/numbertext.h"
#include "exactamounts.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString ReferencePath = QStringLiteral(TOLVANE_USDA_REFERENCE_TSV);
const QStringList SixKeys = {QStringLiteral("energy_kcal"), QStringLiteral("carbs_g"),
                             QStringLiteral("protein_g"),   QStringLiteral("fat_g"),
                             QStringLiteral("sodium_mg"),   QStringLiteral("cholesterol_mg")};

class NutrientViewTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    std::vector<FoodItem> starter =
        readFoodTableImage(readAll(StarterFolder + QStringLiteral("/fooditem.dbt"))).records;
    FoodItem soup = makeItem(QStringLiteral("My soup"), {120, 10, 5, 4, 600, 10});
    std::unique_ptr<App> app;

    void SetUp() override
    {
        std::vector<FoodItem> table = starter;
        table.push_back(soup);
        writeAll(dir.filePath(FoodTableFileName), tableBytes(table));
        app = std::make_unique<App>(ui, settings, dir.path());
        app->nutrients.setReferencePath(ReferencePath);
        ASSERT_TRUE(app->program.formCreate().ok);
    }
};

} // namespace

TEST_F(NutrientViewTest, AWeekOfLinkedFoodsSumsExactlyAndOneTypedInEntryIsCountedOutEverywhere)
{
    const std::map<QString, QStringList> lines = referenceLines();
    const std::map<QString, UsdaLink> links = starterLinks();

    // 28 meals of ten starter foods, 1 to 3 servings; the first entry of
    // Tuesday's dinner is a food typed in.
    const std::size_t stride = starter.size() / (MealsPerWeek * Meal::Capacity);
    Week week{};
    for (int m = 0; m < MealsPerWeek; ++m)
        for (int e = 0; e < Meal::Capacity; ++e) {
            const bool typed = m == weekIndex(2, 2) && e == 0;
            const FoodItem& item = typed ? soup : starter[static_cast<std::size_t>(m * 10 + e) * stride];
            week[static_cast<std::size_t>(m)].append(item, (m + e) % 3 + 1);
        }

    for (int view = MealTotalsView; view < TotalsViewCount; ++view) {
        SCOPED_TRACE(view);
        std::map<QString, Fraction> sums;
        std::map<QString, int> known;
        int entries = 0;
        for (int m = 0; m < MealsPerWeek; ++m) {
            if ((view == MealTotalsView && m != weekIndex(2, 2)) || (view == DayTotalsView && m / MealsPerDay != 2))
                continue;
            const Meal& meal = week[static_cast<std::size_t>(m)];
            for (int e = 0; e < meal.count(); ++e, ++entries) {
                const Fraction servings{static_cast<Int>(meal.servings(e)), 1};
                const QString name = meal.item(e).name();
                const bool typed = name == soup.name();
                std::map<QString, std::optional<Fraction>> amounts;
                if (!typed)
                    amounts = exactAmounts(lines, links.at(name));
                for (const CatalogueNutrient& n : nutrientCatalogue()) {
                    std::optional<Fraction> amount = typed ? std::nullopt : amounts.at(n.key);
                    // The six values are the item's own, as rounded when it was stored.
                    if (const auto six = SixKeys.indexOf(n.key); six >= 0)
                        amount = decimal(formatFixed(meal.item(e).nutrient(static_cast<Nutrient>(six)), 0, 1));
                    if (amount) {
                        sums[n.key] = sums[n.key] + amount->times(servings);
                        ++known[n.key];
                    }
                }
            }
        }
        const NutrientTotals totals = menuNutrients(week, 2, 2, view, app->nutrients);
        for (int i = 0; i < CatalogueSize; ++i) {
            const CatalogueNutrient& n = nutrientCatalogue()[static_cast<std::size_t>(i)];
            const Fraction shown = view == AverageDayTotalsView ? sums[n.key].times({1, 7}) : sums[n.key];
            QString expected = n.name + u' ' + rounded(shown, n.decimals) + u' ' + n.unit;
            if (known[n.key] == 0)
                expected = n.name + QStringLiteral(" unknown");
            else if (known[n.key] < entries)
                expected += QStringLiteral(" (from %1 of %2 entries)").arg(known[n.key]).arg(entries);
            EXPECT_EQ(totalText(totals, i), expected);
        }
    }
}

TEST_F(NutrientViewTest, AFoodItemReadsAgainstTheCalculatorsPersonAndMarksWhatIsAboveAnUpperLimitForFoods)
{
    NutrientView& view = app->nutrientView;
    app->program.execute(Command::ShowNutrients);
    EXPECT_EQ(ui.windows, QStringList{QStringLiteral("nutrients")});
    EXPECT_EQ(view.heading(), QStringLiteral("Sunday, Breakfast"));
    EXPECT_EQ(view.rows().at(0).amount, QString()); // an empty meal

    app->foods.foodListClick(
        static_cast<int>(app->foods.foodTable().rowNames().indexOf(QStringLiteral("Milk, whole, 1 cup"))));
    app->foods.setServingsText(QStringLiteral("25"));
    view.setSubject(NutrientView::SelectedFoodItem);
    auto spoken = [&](const char* key) { return view.rows().at(catalogueIndex(QString::fromLatin1(key))).spoken; };
    auto above = [&] {
        QStringList names;
        for (const NutrientRow& row : view.rows())
            if (row.aboveUpperLimit)
                names << row.name;
        return names;
    };
    EXPECT_EQ(view.heading(), QStringLiteral("Milk, whole, 1 cup: 25 servings"));
    EXPECT_EQ(view.intakeNote(),
              QStringLiteral("Reference intakes: Women 31-50 years (no age on the Calculators page)"));
    EXPECT_EQ(spoken("calcium_mg"),
              QStringLiteral("Calcium 6893 mg, 689% of the RDA 1000 mg, above the upper limit of 2500 mg"));
    EXPECT_EQ(spoken("potassium_mg"), QStringLiteral("Potassium 8052 mg, 310% of the AI 2600 mg"));
    EXPECT_EQ(spoken("trans_g"), QStringLiteral("Trans fat unknown"));
    // Magnesium's upper limit is for supplements only: 610 mg of it in food is not marked.
    EXPECT_EQ(above(),
              (QStringList{QStringLiteral("Sodium"), QStringLiteral("Calcium"), QStringLiteral("Phosphorus")}));

    app->weight.calculators().setText(Calculators::Age, QStringLiteral("60"));
    app->weight.calculators().setGender(Gender::Male);
    view.refresh();
    EXPECT_EQ(view.intakeNote(), QStringLiteral("Reference intakes: Men 51-70 years"));
    EXPECT_EQ(spoken("calcium_mg"),
              QStringLiteral("Calcium 6893 mg, 689% of the RDA 1000 mg, above the upper limit of 2000 mg"));
    EXPECT_EQ(view.rows().at(catalogueIndex(QStringLiteral("calcium_mg"))).barPercent, 100);

    view.setSubject(NutrientView::ShownMenu);
    app->menu.totalsTabChange(WeekTotalsView);
    view.refresh();
    EXPECT_EQ(view.heading(), QStringLiteral("The week"));
    EXPECT_EQ(view.intakeNote(), QStringLiteral("Reference intakes: Men 51-70 years, times 7 for the week"));

    // A recipe of four cups of milk and a soup typed in makes two servings.
    const int milkSlot = app->foods.foodTable().slotOfRow(app->foods.selectedFoodRow());
    app->recipes.setFoodServingsText(QStringLiteral("4"));
    app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, milkSlot});
    app->recipes.setFoodServingsText(QStringLiteral("1"));
    app->recipes.dropOnIngredientList(
        {DragSource::RecipeFoodList,
         app->foods.foodTable().slotOfRow(static_cast<int>(app->foods.foodTable().rowNames().indexOf(soup.name())))});
    app->recipes.setRecipeServingsText(QStringLiteral("2"));
    view.setSubject(NutrientView::RecipeServing);
    EXPECT_EQ(view.heading(), QStringLiteral("One of 2.0 servings of the recipe"));
    EXPECT_EQ(spoken("calcium_mg"), QStringLiteral("Calcium 551 mg (from 1 of 2 entries), 55% of the RDA 1000 mg"));
    EXPECT_EQ(spoken("energy_kcal"), QStringLiteral("Calories 358 kcal"));
}

TEST_F(NutrientViewTest, TheNutrientReportPrintsAndExportsEachDayAndTheAverageDayBesideTheIntakes)
{
    const QStringList names = app->foods.foodTable().rowNames();
    auto add = [&](const QString& name, const char* servings, int day) {
        app->foods.foodListClick(static_cast<int>(names.indexOf(name)));
        app->foods.setServingsText(QString::fromLatin1(servings));
        app->menu.dayPageChange(day);
        app->menu.addToMeal();
    };
    add(QStringLiteral("Milk, whole, 1 cup"), "1", 0);
    add(QStringLiteral("My soup"), "1", 0);
    add(QStringLiteral("Milk, whole, 1 cup"), "2", 3);

    app->program.execute(Command::PrintNutrientReport);
    ASSERT_EQ(ui.prints.size(), 1U);
    EXPECT_EQ(ui.prints[0]->orientation, PageOrientation::Landscape);
    const QStringList texts = ui.prints[0]->canvas.alignedTexts();
    // Name and unit from the left, the numbers ending at 37% to 100% of the width between the margins.
    auto row = [&](int y, const std::vector<const char*>& cells) {
        QStringList lines;
        const int x[] = {150, 1206, 1926, 2262, 2598, 2934, 3270, 3606, 3942, 4278, 4614, 4950};
        for (std::size_t c = 0; c < cells.size(); ++c)
            if (*cells[c])
                lines << QStringLiteral("%1 %2 %3 %4")
                             .arg(QLatin1Char(c < 2 ? 'L' : 'R'))
                             .arg(x[c])
                             .arg(y)
                             .arg(QString::fromLatin1(cells[c]));
        return lines;
    };
    QStringList expected{
        QStringLiteral("L 2505 578 Nutrient Report"),
        QStringLiteral("L 150 834 Reference intakes: Women 31-50 years (no age on the Calculators page)")};
    expected << row(1090,
                    {"Nutrient", "Unit", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Avg. Day", "RDA/AI", "UL"})
             << row(1218, {"Calories", "kcal", "269", "", "", "298", "", "", "", "81"});
    EXPECT_EQ(texts.mid(0, expected.size()), expected);
    const QStringList calcium = row(2882, {"Calcium", "mg", "276*", "", "", "551", "", "", "", "118*", "1000", "2500"});
    EXPECT_EQ(texts.mid(texts.indexOf(calcium[0]), calcium.size()), calcium);
    EXPECT_EQ(texts.last(), QStringLiteral("L 150 5698 ") + NutrientReportFootnote);

    const QString csv = dir.filePath(QStringLiteral("report.csv"));
    ui.saveAnswers.push_back(csv);
    app->program.execute(Command::ExportNutrientReportCsv);
    const QStringList lines = QString::fromUtf8(readAll(csv)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.mid(0, 3),
              (QStringList{QStringLiteral("Reference intakes: Women 31-50 years (no age on the Calculators page)"),
                           QStringLiteral("Nutrient,Unit,Sun,Mon,Tue,Wed,Thu,Fri,Sat,Avg. Day,RDA/AI,UL"),
                           QStringLiteral("Calories,kcal,269,,,298,,,,81,,")}));
    EXPECT_TRUE(lines.contains(QStringLiteral("Potassium,mg,322*,,,644,,,,138*,2600 AI,")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Magnesium,mg,24*,,,49,,,,10*,320,350 s")));
    EXPECT_EQ(lines.size(), 38);
}
