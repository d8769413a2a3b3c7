// Food items out to CSV and back in, with the checks of the Add dialog.

#include "exchange/foodcsv.h"
#include "qstringprint.h"
#include "storage/numbertext.h"
#include "testfiles.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

FoodTable tableOf(const std::vector<FoodItem>& items)
{
    FoodTable table{NameOrder(QLocale::c())};
    table.assign(items);
    return table;
}

const QByteArray Header("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\r\n");

TEST(FoodCsv, ExportWritesTheHeaderAndEveryItemInNameOrder)
{
    FoodTable table = tableOf({makeItem(QStringLiteral("Milk, 2% fat"), {122, 11.7L, 8.1L, 4.8L, 115, 20}),
                               makeItem(QStringLiteral("Apple \"Gala\""), {95, 25.1L, 0.5L, 0.3L, 2, 0}, true)});
    table.showPersonalList(true);  // the export takes the whole table all the same
    EXPECT_EQ(exportFoodCsv(table).toStdString(), (Header + "\"Apple \"\"Gala\"\"\",95,25.1,0.5,0.3,2,0\r\n"
                                                           "\"Milk, 2% fat\",122,11.7,8.1,4.8,115,20\r\n")
                                                              .toStdString());
}

TEST(FoodCsv, NumbersAreTheShortestTextThatReadsBackExactly)
{
    EXPECT_EQ(exactNumberText(0.1L), QStringLiteral("0.1"));
    EXPECT_EQ(exactNumberText(-2.5L), QStringLiteral("-2.5"));
    EXPECT_EQ(exactNumberText(1e-30L), QStringLiteral("1e-30"));
    FoodItem item;
    ASSERT_TRUE(item.setNutrient(Nutrient::Fat, 1.0L / 3.0L));
    const long double stored = item.nutrient(Nutrient::Fat);
    FoodItem back;
    ASSERT_TRUE(back.setNutrient(Nutrient::Fat, *parseLenient(exactNumberText(stored))));
    EXPECT_EQ(back.nutrient(Nutrient::Fat), stored);
}

TEST(FoodCsv, ExportThenImportGivesTheSameRecords)
{
    std::vector<FoodItem> items;
    for (int i = 0; i < 40; ++i) {
        const long double v = i;
        items.push_back(makeItem(QStringLiteral("Food %1, \"n\u00B0%1\"").arg(i, 2, 10, QLatin1Char('0')),
                                 {v * 13.7L, v / 3, v / 7, -v / 11, v * 1e6L, v * 1e-9L}));
    }
    const FoodTable source = tableOf(items);
    FoodTable target{NameOrder(QLocale::c())};
    const FoodImport imported = importFoodCsv(exportFoodCsv(source), QStringLiteral("f.csv"), target);
    EXPECT_TRUE(imported.readable);
    EXPECT_EQ(imported.added, 40);
    EXPECT_TRUE(imported.problems.isEmpty());
    ASSERT_EQ(target.count(), source.count());
    for (int slot = 0; slot < source.count(); ++slot) {
        EXPECT_EQ(target.item(slot).name(), source.item(slot).name());
        EXPECT_EQ(target.item(slot).nutrients(), source.item(slot).nutrients()) << slot;
    }
}

TEST(FoodCsv, ColumnsAreFoundByTheirHeaderAndOtherColumnsIgnored)
{
    FoodTable table{NameOrder(QLocale::c())};
    const QByteArray bytes("\xEF\xBB\xBF" "chol,USDA number,NAME,Fat,Sodium,Protein,Carbo,Calories\n"
                           "5,01077,Milk,8, 105,7.7,11.7,149\n");
    const FoodImport imported = importFoodCsv(bytes, QStringLiteral("f.csv"), table);
    ASSERT_EQ(imported.added, 1);
    EXPECT_EQ(table.item(0).name(), QStringLiteral("Milk"));
    EXPECT_EQ(table.item(0).nutrient(Nutrient::Calories), 149);
    EXPECT_EQ(table.item(0).nutrient(Nutrient::Sodium), 105);
    EXPECT_EQ(table.item(0).nutrient(Nutrient::Cholesterol), 5);
    EXPECT_FALSE(table.item(0).onPersonalList());
}

TEST(FoodCsv, BadRowsAreRefusedWithTheirLineAndGoodRowsAdded)
{
    FoodTable table = tableOf({makeItem(QStringLiteral("Bread"))});
    const QByteArray bytes = Header +
                             "Apple,95,25.1,0.5,0.3,2,0\r\n"
                             "\"A name that is much longer than thirty\",1,1,1,1,1,1\r\n"
                             "Pear,1,1,x1,1,1,1\r\n"
                             "Plum,1,1,1,1,1\r\n"
                             "Huge,1,1,1,1e99,1,1\r\n"
                             ",1,1,1,1,1,1\r\n"
                             "\"Pi\u00F1a \u20AC\",1,1,1,1,1,1\r\n"
                             "\"Sushi \u5BFF\u53F8\",1,1,1,1,1,1\r\n"
                             "BREAD,1,1,1,1,1,1\r\n"
                             "apple,1,1,1,1,1,1\r\n"
                             "Fig,1,1,1,1,1,1,\"extra\"\r\n";
    const FoodImport imported = importFoodCsv(bytes, QStringLiteral("f.csv"), table);
    EXPECT_TRUE(imported.readable);
    EXPECT_EQ(imported.added, 3);  // Apple, Piña €, Fig
    EXPECT_EQ(imported.present, 2);
    const QStringList expected = {
        QStringLiteral("Line 3: the name \"A name that is much longer than thirty\" is longer than 30 characters."),
        QStringLiteral("Line 4: \"x1\" is not a number (Protein)."),
        QStringLiteral("Line 5: a value is missing."),
        QStringLiteral("Line 6: \"1e99\" is too large to be stored (Fat)."),
        QStringLiteral("Line 7: the name is empty."),
        QStringLiteral("Line 9: the name \"Sushi \u5BFF\u53F8\" contains characters that cannot be stored in the "
                       "food item table."),
    };
    EXPECT_EQ(imported.problems, expected);
    EXPECT_EQ(table.count(), 4);
    EXPECT_GE(table.findSameName(QStringLiteral("Pi\u00F1a \u20AC")), 0);
    EXPECT_EQ(csvmsg::summary(imported.added, imported.present, static_cast<int>(imported.problems.size())),
              QStringLiteral("3 food items added, 2 already present and skipped, 6 lines refused."));
}

TEST(FoodCsv, AFileThatCannotBeReadChangesNothing)
{
    const std::vector<FoodItem> items = {makeItem(QStringLiteral("Bread"))};
    struct Case {
        QByteArray bytes;
        QString message;
    };
    const std::vector<Case> cases = {
        {QByteArray(), QStringLiteral("The file f.csv holds no food items.")},
        {QByteArray("\xEF\xBB\xBF"), QStringLiteral("The file f.csv holds no food items.")},
        {QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium\nApple,1,1,1,1,1\n"),
         QStringLiteral("The first line of f.csv must name the columns Name, Calories, Carbo, Protein, Fat, Sodium "
                        "and Chol. Nothing was imported.")},
        {Header + "Apple,1,1,1,1,1,1\n\"Open,1,1,1,1,1,1\n",
         QStringLiteral("The file f.csv is not a valid CSV file: the quoted value that starts on line 3 is not "
                        "closed. Nothing was imported.")},
        {Header + "Caf\xE9,1,1,1,1,1,1\n", QStringLiteral("The file f.csv is not UTF-8 text. Nothing was imported.")},
    };
    for (const Case& c : cases) {
        FoodTable table = tableOf(items);
        const FoodImport imported = importFoodCsv(c.bytes, QStringLiteral("f.csv"), table);
        EXPECT_FALSE(imported.readable);
        EXPECT_EQ(imported.problems, QStringList{c.message});
        EXPECT_EQ(imported.added, 0);
        EXPECT_EQ(table.toBytes(), tableBytes(items));
    }
}

TEST(FoodCsv, TheTableStopsAt2000Items)
{
    FoodTable table = tableOf(numberedItems(1999));
    const QByteArray bytes = Header + "Zebra cake,1,1,1,1,1,1\nZucchini,1,1,1,1,1,1\nItem 0001,1,1,1,1,1,1\n";
    const FoodImport imported = importFoodCsv(bytes, QStringLiteral("f.csv"), table);
    EXPECT_EQ(imported.added, 1);
    EXPECT_EQ(imported.problems,
              QStringList{QStringLiteral("Line 3: the food item table is full (2000 items); this line and the lines "
                                         "after it were not added.")});
    EXPECT_EQ(table.count(), MaxFoodItems);
    EXPECT_EQ(table.findSameName(QStringLiteral("Zucchini")), -1);
}

} // namespace
