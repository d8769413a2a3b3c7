// Loading and saving "fooditem.dbt": the bytes on disk and the messages shown.

#include "food/foodtable.h"
#include "food/foodtableio.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FoodTableFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    FoodTable table{NameOrder(QLocale::c())};

    QString path() const { return dir.filePath(FoodTableFileName); }
    FoodTableLoadResult load() { return loadFoodTable(table, dir.path(), ui); }
    void writeTable(const QByteArray& bytes) { writeAll(path(), bytes); }
};

QByteArray fromHex(const char* hex) { return QByteArray::fromHex(QByteArray(hex)); }

} // namespace

TEST_F(FoodTableFile, WritesTheRecordImageByteForByte)
{
    FoodItem item;  // zero reserved bytes, as a record the program makes itself
    ASSERT_EQ(item.setName(QStringLiteral("Apple")), EncodeResult::Ok);
    item.setNutrient(Nutrient::Calories, 1.0L);
    item.setNutrient(Nutrient::Carbohydrate, 0.5L);
    item.setNutrient(Nutrient::Protein, -2.0L);
    item.setNutrient(Nutrient::Fat, 0.0L);
    item.setNutrient(Nutrient::Sodium, 100.0L);
    item.setNutrient(Nutrient::Cholesterol, 3.0L);
    item.setOnPersonalList(true);
    table.insert(item);
    ASSERT_TRUE(saveFoodTable(table, dir.path(), ui));

    // name: length 5, "Apple", 25 zero bytes; 16 reserved; six reals; flag; 17 reserved.
    const QByteArray expected = fromHex("054170706c65"
                                        "00000000000000000000000000000000000000000000000000"
                                        "00000000000000000000000000000000"
                                        "810000000000"   // 1.0
                                        "800000000000"   // 0.5
                                        "820000000080"   // -2.0
                                        "000000000000"   // 0
                                        "870000000048"   // 100 = 1.5625 * 2^6
                                        "820000000040"   // 3 = 1.5 * 2^1
                                        "01"
                                        "0000000000000000000000000000000000");
    ASSERT_EQ(expected.size(), 101);
    EXPECT_EQ(readAll(path()).toHex(), expected.toHex());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FoodTableFile, RoundTripKeepsEveryByteIncludingReservedAreas)
{
    const auto items = numberedItems(25);
    const QByteArray original = tableBytes(items);
    writeTable(original);
    ASSERT_TRUE(load().ok);
    EXPECT_EQ(table.count(), 25);
    EXPECT_EQ(table.rowCount(), 25);
    EXPECT_EQ(table.item(7).name(), QStringLiteral("Item 0007"));
    EXPECT_EQ(table.item(7).nutrient(Nutrient::Calories), 7.0L);

    QFile::remove(path());
    ASSERT_TRUE(saveFoodTable(table, dir.path(), ui));
    EXPECT_EQ(readAll(path()), original);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FoodTableFile, MissingFileWarnsAndStartsEmpty)
{
    ASSERT_TRUE(load().ok);
    EXPECT_EQ(table.count(), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Message({QStringLiteral("Food Item table not present. Program will continue without "
                                                      "food items."),
                                       QStringLiteral("Warning"), Icon::Warning, only(Button::Ok), 17}));

    // The first item added then creates the file with one record.
    table.insert(makeItem(QStringLiteral("Bread")));
    ASSERT_TRUE(saveFoodTable(table, dir.path(), ui));
    EXPECT_EQ(readAll(path()).size(), 101);
}

TEST_F(FoodTableFile, FileCutInsideARecordEndsTheStartWithAFailureStatus)
{
    for (int extra : {1, 50, 100}) {
        SCOPED_TRACE(extra);
        ui.messages.clear();
        writeTable(tableBytes(numberedItems(3)) + QByteArray(extra, 'x'));
        const FoodTableLoadResult result = load();
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.exitStatus, 0);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], Message({QStringLiteral("Corrupt food item table. Program exiting"),
                                           QStringLiteral("Error"), Icon::Error, only(Button::Ok), 11}));
    }
    // A file shorter than one record is cut too; the damaged file is left alone.
    writeTable(QByteArray(40, 'y'));
    EXPECT_FALSE(load().ok);
    EXPECT_EQ(readAll(path()), QByteArray(40, 'y'));
}

TEST_F(FoodTableFile, RecordsOutOfOrderLoadSortedAndSaveSorted)
{
    std::vector<FoodItem> items = {makeItem(QStringLiteral("pear")), makeItem(QStringLiteral("Apple")),
                                   makeItem(QStringLiteral("banana")), makeItem(QStringLiteral("Cherry"))};
    writeTable(tableBytes(items));
    ASSERT_TRUE(load().ok);
    EXPECT_EQ(table.rowNames(), QStringList({QStringLiteral("Apple"), QStringLiteral("banana"),
                                             QStringLiteral("Cherry"), QStringLiteral("pear")}));
    ASSERT_TRUE(saveFoodTable(table, dir.path(), ui));
    EXPECT_EQ(readAll(path()), tableBytes({items[1], items[2], items[3], items[0]}));
}

TEST_F(FoodTableFile, NamesThatSortEqualKeepTheirFileOrder)
{
    FoodItem upper = makeItem(QStringLiteral("RICE"), {1});
    FoodItem lower = makeItem(QStringLiteral("rice"), {2});
    writeTable(tableBytes({makeItem(QStringLiteral("Toast")), upper, lower}));
    ASSERT_TRUE(load().ok);
    EXPECT_EQ(table.item(0).nutrient(Nutrient::Calories), 1.0L);
    EXPECT_EQ(table.item(1).nutrient(Nutrient::Calories), 2.0L);
}

TEST_F(FoodTableFile, TableFullMessageFromTheNineteenHundredNinetyNinthRecord)
{
    struct Case {
        int records;
        int loaded;
        bool full;
    };
    for (const Case c : {Case{1998, 1998, false}, Case{1999, 1999, true}, Case{2000, 2000, true},
                         Case{2005, 2000, true}}) {
        SCOPED_TRACE(c.records);
        ui.messages.clear();
        // A partial record after 2000 is never looked at.
        writeTable(tableBytes(numberedItems(c.records)) + QByteArray(c.records > 2000 ? 7 : 0, 'z'));
        ASSERT_TRUE(load().ok);
        EXPECT_EQ(table.count(), c.loaded);
        if (c.full) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0], Message({QStringLiteral("Food item table full"), QStringLiteral("Information"),
                                               Icon::Information, only(Button::Ok), 17}));
        } else {
            EXPECT_TRUE(ui.messages.empty());
        }
    }
}

TEST_F(FoodTableFile, SaveWritesTheWholeTableWhileThePersonalListIsShown)
{
    auto items = numberedItems(5);
    items[3].setOnPersonalList(true);
    writeTable(tableBytes(items));
    ASSERT_TRUE(load().ok);
    table.showPersonalList(true);
    ASSERT_EQ(table.rowCount(), 1);
    table.rowItem(0).setOnPersonalList(false);
    items[3].setOnPersonalList(false);
    ASSERT_TRUE(saveFoodTable(table, dir.path(), ui));
    EXPECT_EQ(readAll(path()), tableBytes(items));
}

TEST_F(FoodTableFile, FolderThatCannotTakeTheFileKeepsTheTableAndSaysSoTruthfully)
{
    writeTable(tableBytes(numberedItems(2)));
    ASSERT_TRUE(load().ok);
    table.insert(makeItem(QStringLiteral("Zucchini")));
    // A path that is not a folder cannot hold the file.
    const QString notAFolder = dir.filePath(QStringLiteral("plainfile"));
    writeAll(notAFolder, "x");
    EXPECT_FALSE(saveFoodTable(table, notAFolder, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Cannot create food item table. The food items stay in memory and "
                                                  "will be written with the next change."));
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(table.count(), 3);
    EXPECT_EQ(ui.busyNow, 0);
    EXPECT_FALSE(table.busy());
}

TEST_F(FoodTableFile, ShortWriteKeepsThePreviousFileWhole)
{
    const QByteArray before = tableBytes(numberedItems(3));
    writeTable(before);
    ASSERT_TRUE(load().ok);
    table.assign(numberedItems(2000));

    // A file size limit makes the write stop short, like a full disk.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 50000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved_ok = saveFoodTable(table, dir.path(), ui);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved_ok);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Message({QStringLiteral("Cannot write food item record. Is the disk full?"),
                                       QStringLiteral("Warning"), Icon::Warning, only(Button::Ok), 17}));
    EXPECT_EQ(readAll(path()), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{FoodTableFileName});
    EXPECT_EQ(table.count(), 2000);
}
