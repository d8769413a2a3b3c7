// The table in memory: name order, insert, rename, view of the personal list.

#include "food/foodtable.h"
#include "testfiles.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {
FoodTable tableOf(std::initializer_list<const char*> names)
{
    FoodTable table{NameOrder(QLocale::c())};
    std::vector<FoodItem> items;
    for (const char* name : names)
        items.push_back(makeItem(QString::fromLatin1(name)));
    table.assign(std::move(items));
    return table;
}
} // namespace

TEST(FoodTableOrder, IgnoresCaseAndKeepsListAndTableInStep)
{
    FoodTable table = tableOf({"zucchini", "Apple", "apricot", "BANANA", "apple pie"});
    EXPECT_EQ(table.rowNames(), QStringList({QStringLiteral("Apple"), QStringLiteral("apple pie"),
                                             QStringLiteral("apricot"), QStringLiteral("BANANA"),
                                             QStringLiteral("zucchini")}));
    for (int slot = 0; slot < table.count(); ++slot)
        EXPECT_EQ(table.rowOfSlot(slot), slot);
}

TEST(FoodTableOrder, InsertGoesAfterEqualNamesAndRenameMovesTheRecord)
{
    FoodTable table = tableOf({"Apple", "Cherry", "Melon"});
    EXPECT_EQ(table.insert(makeItem(QStringLiteral("banana"))), 1);
    EXPECT_EQ(table.insert(makeItem(QStringLiteral("APPLE"))), 1);
    EXPECT_EQ(table.insert(makeItem(QStringLiteral("zz"))), 5);
    EXPECT_EQ(table.findSameName(QStringLiteral("cherry")), 3);
    EXPECT_EQ(table.findSameName(QStringLiteral("Cherr")), -1);

    ASSERT_EQ(table.item(0).setName(QStringLiteral("Walnut")), EncodeResult::Ok);
    EXPECT_EQ(table.resort(0), 4);
    EXPECT_EQ(table.rowNames(), QStringList({QStringLiteral("APPLE"), QStringLiteral("banana"),
                                             QStringLiteral("Cherry"), QStringLiteral("Melon"),
                                             QStringLiteral("Walnut"), QStringLiteral("zz")}));
    ASSERT_EQ(table.item(4).setName(QStringLiteral("Aardvark")), EncodeResult::Ok);
    EXPECT_EQ(table.resort(4), 0);
    EXPECT_EQ(table.rowNames().first(), QStringLiteral("Aardvark"));
}

TEST(FoodTableView, PersonalListShowsFlaggedItemsInNameOrder)
{
    FoodTable table = tableOf({"a", "b", "c", "d", "e"});
    for (int slot : {4, 1, 2})
        table.item(slot).setOnPersonalList(true);
    table.showPersonalList(true);
    EXPECT_EQ(table.rowNames(), QStringList({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("e")}));
    EXPECT_EQ(table.slotOfRow(2), 4);
    EXPECT_EQ(table.rowOfSlot(0), -1);
    EXPECT_EQ(table.count(), 5);
    table.showPersonalList(false);
    EXPECT_EQ(table.rowCount(), 5);
}

TEST(FoodTableView, RemoveShiftsTheRest)
{
    FoodTable table = tableOf({"a", "b", "c"});
    table.removeAt(1);
    EXPECT_EQ(table.rowNames(), QStringList({QStringLiteral("a"), QStringLiteral("c")}));
    EXPECT_EQ(table.toBytes().size(), 2 * 101);
}
