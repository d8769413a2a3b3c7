// The calorie-percentage rule, the value texts and the sums behind the panels.

#include "menu/panels.h"
#include "testfiles.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {
constexpr int Fat30 = RecommendedFatPercent;
QStringList percents(const PanelTexts& p) { return {p.carbohydratePercent, p.proteinPercent, p.fatPercent}; }
QStringList values(const PanelTexts& p) { return QStringList(p.values.begin(), p.values.end()); }
QStringList list(std::initializer_list<const char*> texts)
{
    QStringList l;
    for (const char* t : texts)
        l.append(QString::fromLatin1(t));
    return l;
}
} // namespace

TEST(CaloriePercentages, SplitTheEnergyOfTheGrams)
{
    const FoodItem item = makeItem(QStringLiteral("Mix"), {100, 10, 5, 2, 3.5L, 7});
    const PanelTexts one = foodPanel(&item, QStringLiteral("1"), Fat30);
    EXPECT_EQ(percents(one), list({"51%", "26%", "23%"}));
    EXPECT_FALSE(one.fatRed);
    EXPECT_EQ(values(one), list({"     100", "    10.0", "     5.0", "     2.0", "     3.5", "       7"}));
    EXPECT_NEAR(static_cast<double>(one.shares.carbohydrate), 40.0 / 78, 1e-11);
    EXPECT_NEAR(static_cast<double>(one.shares.fat), 18.0 / 78, 1e-11);

    const PanelTexts two = foodPanel(&item, QStringLiteral(" 2"), Fat30);
    EXPECT_EQ(percents(two), percents(one));
    EXPECT_EQ(values(two), list({"     200", "    20.0", "    10.0", "     4.0", "     7.0", "      14"}));
}

TEST(CaloriePercentages, RoundHalvesUpAndPadToTwoCharacters)
{
    const CalorieSplit split = calorieSplit(1, 7, 0, Fat30);  // shares 0.125 and 0.875
    EXPECT_EQ(split.carbohydrateText, QStringLiteral("13%"));
    EXPECT_EQ(split.proteinText, QStringLiteral("88%"));
    EXPECT_EQ(split.fatText, QStringLiteral(" 0%"));
    EXPECT_EQ(calorieSplit(0, 0, 1, Fat30).fatText, QStringLiteral("100%"));
}

TEST(CaloriePercentages, FatTurnsRedOnlyAboveThirtyPercent)
{
    const CalorieSplit exact = calorieSplit(52.5L, 0, 10, Fat30);  // 90 of 300 kcal
    EXPECT_EQ(exact.fatText, QStringLiteral("30%"));
    EXPECT_FALSE(exact.fatRed);
    EXPECT_TRUE(calorieSplit(52.5L, 0, 10.01L, Fat30).fatRed);
    EXPECT_FALSE(calorieSplit(52.5L, 0, 9.99L, Fat30).fatRed);
}

TEST(FoodPanel, WithoutGramsOrSelectionOrReadableServings)
{
    const FoodItem caloriesOnly = makeItem(QStringLiteral("Soda"), {150, 0, 0, 0, 10, 0});
    const PanelTexts soda = foodPanel(&caloriesOnly, QStringLiteral("2"), Fat30);
    EXPECT_EQ(percents(soda), list({" 0%", " 0%", " 0%"}));
    EXPECT_EQ(soda.shares, Shares{});
    EXPECT_EQ(values(soda), list({"     300", "     0.0", "     0.0", "     0.0", "    20.0", "       0"}));

    const PanelTexts none = foodPanel(nullptr, QStringLiteral("1"), Fat30);
    EXPECT_EQ(percents(none), list({"0%", "0%", "0%"}));
    EXPECT_EQ(values(none), list({"", "", "", "", "", ""}));

    // Text that is no number counts as no servings.
    const PanelTexts bad = foodPanel(&caloriesOnly, QStringLiteral("2x"), Fat30);
    EXPECT_EQ(bad.values[0], QStringLiteral("       0"));
    EXPECT_EQ(foodPanel(&caloriesOnly, QString(), Fat30).values[0], QStringLiteral("       0"));
}

TEST(ValueTexts, AreCutToTenCharacters)
{
    EXPECT_EQ(valueText(Nutrient::Calories, 123456789012.0L), QStringLiteral("1234567890"));
    EXPECT_EQ(valueText(Nutrient::Sodium, 2.25L), QStringLiteral("     2.3"));
    EXPECT_EQ(valueText(Nutrient::Cholesterol, 0.5L), QStringLiteral("       1"));
}

namespace {
Week weekWith(std::initializer_list<std::tuple<int, int, long double, Nutrients>> entries)
{
    Week week{};
    for (const auto& [day, meal, servings, values] : entries)
        week[static_cast<std::size_t>(weekIndex(day, meal))].append(makeItem(QStringLiteral("F"), values), servings);
    return week;
}
} // namespace

TEST(MenuSums, PickTheMealTheDayTheWeekAndTheAverageDay)
{
    const Week week = weekWith({{0, 0, 1, {2000, 250, 100, 60, 1000, 100}},
                                {0, 2, 2, {1000, 100, 50, 40, 500, 50}},
                                {3, 1, 6, {1000, 100, 50, 40, 500, 50}},
                                {6, 3, 1, {4000, 500, 200, 120, 2000, 200}},
                                // The selected meal on another day counts for the week only.
                                {4, 2, 7, {1000, 100, 50, 40, 500, 50}}});
    const MenuSums sums = sumMenu(week, 0, 2);
    EXPECT_EQ(sums.meal[0], 2000.0L);
    EXPECT_EQ(sums.meal[5], 100.0L);
    EXPECT_EQ(sums.day[0], 4000.0L);
    EXPECT_EQ(sums.week[0], 21000.0L);

    const PanelTexts average = menuPanel(shownSums(sums, AverageDayTotalsView), Fat30);
    EXPECT_EQ(average.values[0], QStringLiteral("    3000"));
    const PanelTexts whole = menuPanel(shownSums(sums, WeekTotalsView), Fat30);
    EXPECT_EQ(whole.values[0], QStringLiteral("   21000"));
    EXPECT_EQ(percents(average), percents(whole));
    EXPECT_EQ(menuPanel(shownSums(sums, MealTotalsView), Fat30).values[0], QStringLiteral("    2000"));
    EXPECT_EQ(menuPanel(shownSums(sums, DayTotalsView), Fat30).values[0], QStringLiteral("    4000"));
    // The day's calories, whatever the view.
    EXPECT_EQ(menuCaloriesText(sums), QStringLiteral("4000"));
}

TEST(MenuSums, DayCaloriesRoundHalvesToEven)
{
    EXPECT_EQ(menuCaloriesText(sumMenu(weekWith({{2, 0, 1, {1234.5L, 0, 0, 0, 0, 0}}}), 2, 0)),
              QStringLiteral("1234"));
    EXPECT_EQ(menuCaloriesText(sumMenu(weekWith({{2, 0, 1, {1235.5L, 0, 0, 0, 0, 0}}}), 2, 1)),
              QStringLiteral("1236"));
    EXPECT_EQ(menuCaloriesText(sumMenu(weekWith({{2, 0, 1, {1235.5L, 0, 0, 0, 0, 0}}}), 3, 0)), QStringLiteral("0"));
}

TEST(MenuSums, EveryAdditionIsStoredAsASixByteReal)
{
    // Each tiny addition is below half a unit of the stored sum and vanishes;
    // summing first and storing once would keep about four millionths.
    Week week{};
    Meal& meal = week[0];
    meal.append(makeItem(QStringLiteral("Big"), {1000000, 0, 0, 0, 0, 0}), 1);
    for (int i = 0; i < 9; ++i)
        meal.append(makeItem(QStringLiteral("Tiny"), {0.0000004L, 0, 0, 0, 0, 0}), 1);
    const MenuSums sums = sumMenu(week, 0, 0);
    EXPECT_EQ(sums.meal[0], 1000000.0L);
    EXPECT_EQ(sums.week[0], 1000000.0L);
}

TEST(MenuPanel, WithoutEnergyShowsTheEmptyState)
{
    const Week week = weekWith({{1, 0, 3, {500, 0, 0, 0, 20, 0}}});
    const MenuSums sums = sumMenu(week, 1, 0);
    const PanelTexts panel = menuPanel(shownSums(sums, MealTotalsView), Fat30);
    EXPECT_EQ(percents(panel), list({"0%", "0%", "0%"}));
    EXPECT_EQ(values(panel), list({"", "", "", "", "", ""}));
    EXPECT_EQ(panel.shares, Shares{});
    EXPECT_EQ(menuCaloriesText(sums), QStringLiteral("1500"));
}
