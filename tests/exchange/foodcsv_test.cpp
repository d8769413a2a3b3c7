// Food items out to CSV and back in, with the checks of the Add dialog.

#include "exchange/foodcsv.h"
#include "exchange/foodimport.h"
#include "qstringprint.h"
#include "storage/numbertext.h"
#include "testfiles.h"

#include <QBuffer>
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
    EXPECT_EQ(imported.additions.size(), 40U);
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
    ASSERT_EQ(imported.additions.size(), 1U);
    EXPECT_EQ(table.item(0).name(), QStringLiteral("Milk"));
    EXPECT_EQ(table.item(0).nutrient(Nutrient::Calories), 149);
    EXPECT_EQ(table.item(0).nutrient(Nutrient::Sodium), 105);
    EXPECT_EQ(table.item(0).nutrient(Nutrient::Cholesterol), 5);
    EXPECT_FALSE(table.item(0).onPersonalList());
}

// Each row after the header, alone: refused with this message, or added.
TEST(FoodCsv, EachRowIsCheckedAsTheAddDialogChecksIt)
{
    struct Case {
        QByteArray row;
        const char* refusal;  // "": the row is added
    };
    const std::vector<Case> cases = {
        {"Apple,95,25.1,0.5,0.3,2,0", ""},
        {"\"Pi\u00F1a \u20AC\",1,1,1,1,1,1", ""},
        {"  Plum  ,1,1,1,1,1,1", ""},  // stored as "Plum"
        {"\"A name that is much longer than thirty\",1,1,1,1,1,1",
         "Line 2: the name \"A name that is much longer than thirty\" is longer than 30 characters."},
        {"Pear,1,1,x1,1,1,1", "Line 2: \"x1\" is not a number (Protein)."},
        {"Pear,1,1,1,1,1", "Line 2: a value is missing."},
        {"Pear,1,1,1,1e99,1,1", "Line 2: \"1e99\" is out of range (Fat)."},
        {"Pear,1,1,1,1,1e5000,1", "Line 2: \"1e5000\" is out of range (Sodium)."},
        {"Pear,-1e5000,1,1,1,1,1", "Line 2: \"-1e5000\" is out of range (Calories)."},
        {",1,1,1,1,1,1", "Line 2: the name is empty."},
        {"\"  \t \",1,1,1,1,1,1", "Line 2: the name is empty."},
        {"\"Tab\tbed\",1,1,1,1,1,1",
         "Line 2: the name contains a control character (such as a tab or a line break)."},
        {"\"Two\nlines\",1,1,1,1,1,1",
         "Line 2: the name contains a control character (such as a tab or a line break)."},
        {"\"Sushi \u5BFF\u53F8\",1,1,1,1,1,1",
         "Line 2: the name \"Sushi \u5BFF\u53F8\" contains characters that cannot be stored in the food item "
         "table."},
        // A decimal comma left unquoted shifts every value: refused, never stored shifted.
        {"Apfel,52,14,5,0,3,0,2,1,0", "Line 2: 10 values, more than the 7 columns of the first line."},
        {"Fig,1,1,1,1,1,1,", "Line 2: 8 values, more than the 7 columns of the first line."},
        {"Fig,1,1,1,1,1,1" + QByteArray(1001, '0'), "Line 2: the value of Chol is longer than 1000 characters."},
    };
    for (const Case& c : cases) {
        FoodTable table{NameOrder(QLocale::c())};
        const FoodImport imported = importFoodCsv(Header + c.row + "\r\n", QStringLiteral("f.csv"), table);
        const QString refusal = QString::fromUtf8(c.refusal);
        EXPECT_TRUE(imported.readable) << c.row.constData();
        EXPECT_EQ(imported.problems, refusal.isEmpty() ? QStringList() : QStringList{refusal}) << c.row.constData();
        EXPECT_EQ(imported.refused, refusal.isEmpty() ? 0 : 1) << c.row.constData();
        EXPECT_EQ(table.count(), refusal.isEmpty() ? 1 : 0) << c.row.constData();
    }
    FoodTable table{NameOrder(QLocale::c())};
    importFoodCsv(Header + "  Plum  ,1,1,1,1,1,1\r\n", QStringLiteral("f.csv"), table);
    EXPECT_EQ(table.rowNames(), QStringList{QStringLiteral("Plum")});
    // The calories check's edges: far under 4/4/9 (more than fibre explains) and far over (alcohol).
    const FoodImport edges = importFoodCsv(
        Header + "Bran,54,25,0,0,0,0\r\nOat,57,25,0,0,0,0\r\nGin,131,0,0,0,0,0\r\nBeer,130,0,0,0,0,0\r\n",
        QStringLiteral("f.csv"), table);
    EXPECT_EQ(edges.doubtfulLines, (QList<int>{2, 4}));
}

TEST(FoodCsv, NamesAreTrimmedAndLookedUpIgnoringCase)
{
    FoodTable table = tableOf({makeItem(QStringLiteral("Bread"), {1, 1, 1, 1, 1, 1})});
    const QByteArray bytes = Header +
                             " Plum ,1,1,1,1,1,1\r\n"
                             "BREAD,1,1,1,1,1,1\r\n"
                             "plum,2,2,2,2,2,2\r\n"
                             "Bad,x,1,1,1,1,1\r\n"
                             "Fig,1,1,1,1,1,1\r\n";
    const FoodImport imported = importFoodCsv(bytes, QStringLiteral("f.csv"), table);
    EXPECT_EQ(imported.additions.size(), 2U);  // Plum, Fig
    EXPECT_EQ(imported.skipped, 2);            // Bread has these values; plum came earlier in the file
    EXPECT_TRUE(imported.updates.empty());
    EXPECT_EQ(table.rowNames(),
              (QStringList{QStringLiteral("Bread"), QStringLiteral("Fig"), QStringLiteral("Plum")}));
    EXPECT_EQ(table.item(2).nutrient(Nutrient::Calories), 1);
}

TEST(FoodCsv, FoodsAlreadyPresentWithOtherValuesAreUpdatedOnlyWhenAsked)
{
    const std::vector<FoodItem> items = {makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}, true),
                                         makeItem(QStringLiteral("Bread"), {265, 49, 9, 3.2L, 491, 0}),
                                         makeItem(QStringLiteral("Cheese"), {402, 1.3L, 25, 33, 621, 105})};
    const QByteArray bytes = Header +
                             "APPLE,95,25.1,0.5,0.3,2,0\r\n"   // other values
                             "Bread,265,49,9,3.2,491,0\r\n"    // the same
                             "Cheese,1,1,1,1,1,1\r\n"          // other values
                             "apple,1,1,1,1,1,1\r\n"           // named again: skipped
                             "Date,282,75,2.5,0.4,2,0\r\n";
    for (const bool update : {false, true}) {
        FoodTable table = tableOf(items);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const FoodImport imported = readFoodCsv(buffer, QStringLiteral("f.csv"), table);
        ASSERT_EQ(imported.updates.size(), 2U);
        EXPECT_EQ(imported.updates[0].slot, 0);
        EXPECT_EQ(imported.updates[1].slot, 2);
        EXPECT_EQ(imported.skipped, 2);
        EXPECT_EQ(table.toBytes(), tableBytes(items));  // reading changes nothing

        const int lastAdded = applyFoodImport(imported, table, update);
        EXPECT_EQ(lastAdded, 3);
        EXPECT_EQ(table.item(3).name(), QStringLiteral("Date"));
        const FoodItem& apple = table.item(0);
        EXPECT_EQ(apple.name(), QStringLiteral("Apple"));
        EXPECT_TRUE(apple.onPersonalList());
        EXPECT_EQ(apple.nutrient(Nutrient::Calories), update ? 95 : 52);
        EXPECT_EQ(table.item(2).nutrient(Nutrient::Fat), update ? 1 : 33);
        // Only the values change: the name, the mark and the reserved bytes stay.
        FoodItem expectedApple = items[0];
        for (int n = 0; n < NutrientCount; ++n)
            expectedApple.setNutrient(static_cast<Nutrient>(n), apple.nutrient(static_cast<Nutrient>(n)));
        EXPECT_EQ(apple.bytes, expectedApple.bytes);
    }
}

TEST(FoodCsv, OnlyTheFirstRefusalsAreKeptWithTheirCount)
{
    QByteArray bytes = Header;
    for (int i = 0; i < 500; ++i)
        bytes += "Pear,1,1,1,1,1\r\n";
    bytes += "Fig,1,1,1,1,1,1\r\n";
    FoodTable table{NameOrder(QLocale::c())};
    const FoodImport imported = importFoodCsv(bytes, QStringLiteral("f.csv"), table);
    EXPECT_EQ(imported.refused, 500);
    ASSERT_EQ(imported.problems.size(), MaxListedCsvProblems);
    EXPECT_EQ(imported.problems.back(), QStringLiteral("Line 21: a value is missing."));
    EXPECT_EQ(table.rowNames(), QStringList{QStringLiteral("Fig")});
}

TEST(FoodCsv, ACancelledReadingAddsNothing)
{
    QByteArray bytes = Header;
    for (int i = 0; i < 3000; ++i)  // more than one chunk
        bytes += QStringLiteral("Food %1,1,1,1,1,1,1\r\n").arg(i % 1000).toUtf8();
    const FoodTable table{NameOrder(QLocale::c())};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<qint64> heard;
    const FoodImport imported = readFoodCsv(buffer, QStringLiteral("f.csv"), table, [&](qint64 done) {
        heard.push_back(done);
        return heard.size() < 2;
    });
    EXPECT_TRUE(imported.cancelled);
    EXPECT_TRUE(imported.additions.empty());
    EXPECT_EQ(heard, (std::vector<qint64>{64 * 1024, bytes.size()}));
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
        {QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium,Chol, calories \nApple,1,1,1,1,1,1,2\n"),
         QStringLiteral("The first line of f.csv names the column Calories twice. Nothing was imported.")},
        {Header + "Apple,1,1,1,1,1,1\n\"Open,1,1,1,1,1,1\n",
         QStringLiteral("The file f.csv is not a valid CSV file: the quoted value that starts on line 3 is not "
                        "closed. Nothing was imported.")},
        {Header + "Caf\xE9,1,1,1,1,1,1\n", QStringLiteral("The file f.csv is not UTF-8 text. Nothing was imported.")},
        {Header + "Apple,1,1,1,1,1,1\nCaf\xC3", QStringLiteral("The file f.csv is not UTF-8 text. Nothing was imported.")},
    };
    for (const Case& c : cases) {
        FoodTable table = tableOf(items);
        const FoodImport imported = importFoodCsv(c.bytes, QStringLiteral("f.csv"), table);
        EXPECT_FALSE(imported.readable);
        EXPECT_EQ(imported.problems, QStringList{c.message});
        EXPECT_TRUE(imported.additions.empty());
        EXPECT_EQ(table.toBytes(), tableBytes(items));
    }
}

TEST(FoodCsv, TheTableStopsAt2000Items)
{
    FoodTable table = tableOf(numberedItems(1999));
    const QByteArray bytes = Header + "Zebra cake,1,1,1,1,1,1\nZucchini,1,1,1,1,1,1\nItem 0001,1,1,1,1,1,1\n";
    const FoodImport imported = importFoodCsv(bytes, QStringLiteral("f.csv"), table);
    EXPECT_EQ(imported.additions.size(), 1U);
    EXPECT_EQ(imported.problems,
              QStringList{QStringLiteral("Line 3: the food item table is full (2000 items); this line and the lines "
                                         "after it were not added.")});
    EXPECT_EQ(table.count(), MaxFoodItems);
    EXPECT_EQ(table.findSameName(QStringLiteral("Zucchini")), -1);
}

} // namespace

namespace {

TEST(FoodCsv, NamesASpreadsheetWouldRunAsAFormulaAreWrittenSafelyAndReadBackAsTheyWere)
{
    std::vector<FoodItem> items;
    for (const char* name : {"=HYPERLINK(\"x\")", "+1", "-2", "@SUM(A1)", "'quoted", "Plain"})
        items.push_back(makeItem(QString::fromUtf8(name), {17, 1, 1, 1, 0, 0}));
    const QByteArray exported = exportFoodCsv(tableOf(items));
    EXPECT_EQ(exported.toStdString(), (Header + "''quoted,17,1,1,1,0,0\r\n"
                                                "'+1,17,1,1,1,0,0\r\n"
                                                "'-2,17,1,1,1,0,0\r\n"
                                                "\"'=HYPERLINK(\"\"x\"\")\",17,1,1,1,0,0\r\n"
                                                "'@SUM(A1),17,1,1,1,0,0\r\n"
                                                "Plain,17,1,1,1,0,0\r\n")
                                                   .toStdString());
    FoodTable back{NameOrder(QLocale::c())};
    importFoodCsv(exported, QStringLiteral("f.csv"), back);
    EXPECT_EQ(back.rowNames(), tableOf(items).rowNames());
    // A value too small for a stored number is out of range, not 0.
    FoodTable table{NameOrder(QLocale::c())};
    const FoodImport tiny = importFoodCsv(Header + "Dust,1e-400,0,0,0,0,0\r\n", QStringLiteral("f.csv"), table);
    EXPECT_EQ(tiny.problems, QStringList{QStringLiteral("Line 2: \"1e-400\" is out of range (Calories).")});
    // A file name with a place marker of its own stays as it is.
    EXPECT_EQ(csvmsg::openQuote(QStringLiteral("a%2.csv"), 3),
              QStringLiteral("The file a%2.csv is not a valid CSV file: the quoted value that starts on line 3 is not "
                             "closed. Nothing was imported."));
}

} // namespace
