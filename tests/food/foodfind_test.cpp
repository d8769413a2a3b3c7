// Finding a food item by any part of its name or by its words.

#include "food/foodfind.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {
const QStringList Names = {QStringLiteral("Apple"),            QStringLiteral("Bread, whole wheat"),
                           QStringLiteral("Buckwheat groats"), QStringLiteral("Cheese, cheddar"),
                           QStringLiteral("Crème brûlée"),     QStringLiteral("Milk, 2% fat"),
                           QStringLiteral("Oats, rolled"),     QStringLiteral("Pineapple"),
                           QStringLiteral("Wheat germ"),       QStringLiteral("Œufs brouillés"),
                           QStringLiteral("Catsup, 1 tbsp"),   QStringLiteral("Strawberries, raw"),
                           QStringLiteral("Milk, goat, 1 cup"), QStringLiteral("Milk, skim, 1 cup")};
} // namespace

TEST(FoodFind, BetterMatchesFirstCaseAndAccentsIgnored)
{
    using V = std::vector<int>;
    const std::string pasted(1000, 'x');
    const struct {
        const char* text;
        V order;
    } cases[] = {
        {"oats", {6, 2}},          // "Oats, rolled" before "Buckwheat groats"
        {"OATS", {6, 2}},
        {"wheat", {8, 1, 2}},      // the name's start, a later word's start, inside a word
        {"apple", {0, 7}},         // the whole first part before "Pineapple"
        {"creme brulee", {4}},     // accents of the name ignored
        {"BRÛLÉE", {4}},           // and of the text
        {"œufs", {9}},
        {"2% f", {5}},
        {", ", {}},                // no letter or digit: nothing to find
        {"\x01\x7f", {}},
        {pasted.c_str(), {}},
        {"ketchup", {10}},         // what USDA calls it
        {"strawberry", {11}},      // a plural as its singular
        {"milk", {13, 12, 5}},     // the everyday starter food first, then by length
        {"heat", {8, 2, 1}},       // inside words only: shorter names first
        {"rolled oats", {6}},      // words in another order, each starting a word
        {"whole bread", {1}},
        {"rolled goats", {}},      // "goats" starts no word of "Oats, rolled"
        {"banana", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(foodFindOrder(Names, QString::fromUtf8(c.text)), c.order) << c.text;

    const struct {
        const char* name;
        const char* text;
        FindMatch match;
    } matches[] = {
        {"Apple, 1 medium", "apple", FindMatch::FirstPart},
        {"Apple pie, 1 piece", "apple", FindMatch::NameStart},
        {"Cereals, oats", "Oats", FindMatch::WordStart},
        {"Goats cheese, oats", "oats", FindMatch::WordStart},  // a later word start counts
        {"Rice, brown, cooked", "brown rice", FindMatch::AllWords},
        {"Buckwheat groats", "oats", FindMatch::InsideWord},
        {"Cola, 12 oz", "2", FindMatch::InsideWord},  // a digit inside a number starts no word
        {"Bread", "rye", FindMatch::None},
    };
    for (const auto& m : matches)
        EXPECT_EQ(foodNameMatch(QString::fromUtf8(m.name), QString::fromUtf8(m.text)), m.match) << m.name;
    EXPECT_EQ(findKey(QStringLiteral("Jalapeño CRÈME")), QStringLiteral("jalapeno creme"));
    EXPECT_TRUE(foodFindOrder({}, QStringLiteral("a")).empty());
}

TEST(FoodFind, TypingKeepsAFittingMatchAndNextMovesOn)
{
    FoodFind find;
    int row = find.setText(QStringLiteral("w"), Names, 0);
    EXPECT_EQ(row, 8);  // "Wheat germ" starts with it
    row = find.setText(QStringLiteral("wh"), Names, row);
    EXPECT_EQ(row, 8);
    row = find.setText(QStringLiteral("whole"), Names, row);
    EXPECT_EQ(row, 1);  // "Bread, whole wheat"
    row = find.setText(QStringLiteral("whole w"), Names, row);
    EXPECT_EQ(row, 1);
    EXPECT_FALSE(find.notFound());

    // A current row that matches less well than the best gives way.
    row = find.setText(QStringLiteral("wheat"), Names, row);
    EXPECT_EQ(row, 8);
    row = find.next(Names, row);
    EXPECT_EQ(row, 1);
    row = find.next(Names, row);
    EXPECT_EQ(row, 2);  // "Buckwheat groats" last
    row = find.next(Names, row);
    EXPECT_EQ(row, 8);  // round to the first
    EXPECT_EQ(find.setText(QStringLiteral("oats"), Names, 2), 6);
    EXPECT_EQ(find.setText(QStringLiteral("oat"), Names, 3), 6);   // from an unmatched row: the best
    EXPECT_EQ(find.setText(QStringLiteral("heat"), Names, 1), 1);  // as good as the best: it stays
    EXPECT_EQ(find.next(Names, 5), 8);                             // from an unmatched row: the first

    EXPECT_EQ(find.setText(QStringLiteral("wheatx"), Names, row), -1);
    EXPECT_TRUE(find.notFound());
    EXPECT_EQ(find.next(Names, row), -1);
    EXPECT_TRUE(find.notFound());
    EXPECT_EQ(find.setText(QString(), Names, row), -1);
    EXPECT_FALSE(find.notFound());  // nothing to find is no failure
}
