// Finding a food item by any part of its name.

#include "food/foodfind.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {
const QStringList Names = {QStringLiteral("Apple"),          QStringLiteral("Bread, whole wheat"),
                           QStringLiteral("Cheese, cheddar"), QStringLiteral("Milk, 2% fat"),
                           QStringLiteral("Pineapple"),       QStringLiteral("Wheat germ"),
                           QStringLiteral("Œufs brouillés")};
} // namespace

TEST(FoodFind, TheNextNameContainingTheTextAnywhereIgnoringCase)
{
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("WHEAT"), 0), 1);
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("wheat"), 1), 1);  // the start row itself counts
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("wheat"), 2), 5);
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("wheat"), 6), 1);  // round past the end
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("apple"), 1), 4);
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("2% f"), 0), 3);
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("œUFS"), 0), 6);
    EXPECT_EQ(findFoodRow(Names, QStringLiteral(", "), 4), 1);

    // A start outside the rows begins at the first.
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("e"), -1), 0);
    EXPECT_EQ(findFoodRow(Names, QStringLiteral("e"), 7), 0);

    EXPECT_EQ(findFoodRow(Names, QStringLiteral("Banana"), 0), -1);
    EXPECT_EQ(findFoodRow(Names, QString(), 0), -1);
    EXPECT_EQ(findFoodRow({}, QStringLiteral("a"), 0), -1);
}

TEST(FoodFind, TypingKeepsAFittingMatchAndNextMovesOn)
{
    FoodFind find;
    int row = find.setText(QStringLiteral("w"), Names, 0);
    EXPECT_EQ(row, 1);  // "Bread, whole wheat"
    row = find.setText(QStringLiteral("wh"), Names, row);
    EXPECT_EQ(row, 1);
    row = find.setText(QStringLiteral("whe"), Names, row);
    EXPECT_EQ(row, 1);
    row = find.setText(QStringLiteral("wheat g"), Names, row);
    EXPECT_EQ(row, 5);
    EXPECT_FALSE(find.notFound());

    row = find.setText(QStringLiteral("wheat"), Names, row);
    EXPECT_EQ(row, 5);
    row = find.next(Names, row);
    EXPECT_EQ(row, 1);
    row = find.next(Names, row);
    EXPECT_EQ(row, 5);

    EXPECT_EQ(find.setText(QStringLiteral("wheatx"), Names, row), -1);
    EXPECT_TRUE(find.notFound());
    EXPECT_EQ(find.next(Names, row), -1);
    EXPECT_TRUE(find.notFound());
    EXPECT_EQ(find.setText(QString(), Names, row), -1);
    EXPECT_FALSE(find.notFound());  // nothing to find is no failure
}
