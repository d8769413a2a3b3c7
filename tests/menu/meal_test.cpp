// Meals: the meal line, adding up to ten entries, removing one.

#include "menu/meal.h"
#include "testfiles.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

TEST(MealLine, PadsTheServingsAndCutsAtFifty)
{
    EXPECT_EQ(mealLine(QStringLiteral("Apple"), 2.5L), QStringLiteral("( 2.5)\tApple"));
    EXPECT_EQ(mealLine(QStringLiteral("Apple"), 1.0L), QStringLiteral("( 1.0)\tApple"));
    EXPECT_EQ(mealLine(QStringLiteral("Apple"), 12.5L), QStringLiteral("(12.5)\tApple"));
    EXPECT_EQ(mealLine(QStringLiteral("Apple"), 0.25L), QStringLiteral("( 0.3)\tApple"));
    EXPECT_EQ(mealLine(QStringLiteral("Apple"), -1.0L), QStringLiteral("(-1.0)\tApple"));

    const QString thirty = QStringLiteral("Abcdefghijklmnopqrstuvwxyz1234");
    ASSERT_EQ(thirty.size(), 30);
    const QString line = mealLine(thirty, 100.0L);
    EXPECT_EQ(line, QStringLiteral("(100.0)\t") + thirty);
    EXPECT_EQ(line.size(), 38);

    // Only absurd servings make a line longer than 50 characters.
    const QString cut = mealLine(thirty, 1.0e15L);
    EXPECT_EQ(cut.size(), 50);
    EXPECT_TRUE(cut.startsWith(QStringLiteral("(1000000000000000.0)\t")));
}

TEST(Meal, TakesTenEntriesAndRefusesTheEleventh)
{
    Meal meal;
    const FoodItem apple = makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0});
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(meal.append(apple, 1), Meal::AddResult::Added);
    EXPECT_TRUE(meal.isFull());
    EXPECT_EQ(meal.append(apple, 1), Meal::AddResult::Full);
    EXPECT_EQ(meal.count(), 10);

    Meal other;
    EXPECT_EQ(other.append(apple, 1e300L), Meal::AddResult::ServingsOverflow);
    EXPECT_EQ(other.count(), 0);
    EXPECT_EQ(other, Meal{});
}

TEST(Meal, RemovingTheMiddleEntryKeepsTheOthersInOrder)
{
    Meal meal;
    meal.append(makeItem(QStringLiteral("Apple")), 1);
    meal.append(makeItem(QStringLiteral("Bread")), 2);
    meal.append(makeItem(QStringLiteral("Cheese")), 3);
    meal.removeAt(1);
    ASSERT_EQ(meal.count(), 2);
    EXPECT_EQ(meal.item(0).name(), QStringLiteral("Apple"));
    EXPECT_EQ(meal.servings(0), 1.0L);
    EXPECT_EQ(meal.item(1).name(), QStringLiteral("Cheese"));
    EXPECT_EQ(meal.servings(1), 3.0L);
    EXPECT_EQ(mealLines(meal), QStringList({QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 3.0)\tCheese")}));

    // The freed slot is blank, so no stale record reaches the file.
    std::array<std::uint8_t, Meal::Size> bytes{};
    meal.toBytes(bytes.data());
    for (int i = 2 + 101 * 2; i < 2 + 101 * 3; ++i)
        ASSERT_EQ(bytes[static_cast<std::size_t>(i)], 0) << i;
    for (int i = 1012 + 12; i < 1012 + 18; ++i)
        ASSERT_EQ(bytes[static_cast<std::size_t>(i)], 0) << i;

    meal.removeAt(5);  // no such entry
    EXPECT_EQ(meal.count(), 2);
}

TEST(Meal, EntriesAreCopiesOfTheRecord)
{
    FoodItem bread = makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0});
    Meal meal;
    meal.append(bread, 2);
    bread.setName(QStringLiteral("Renamed"));
    bread.setNutrient(Nutrient::Calories, 1);
    EXPECT_EQ(meal.item(0).name(), QStringLiteral("Bread"));
    EXPECT_EQ(meal.item(0).nutrient(Nutrient::Calories), 80.0L);
}
