// The starter files a new data folder gets: the food item table built from the
// USDA list, the activity table and the empty week, as the program embeds them.

#include "exchange/csvtext.h"
#include "exchange/foodimport.h"
#include "food/foodfind.h"
#include "food/foodtableio.h"
#include "app/app.h"
#include "shell/datafolder.h"
#include "activity/activityfile.h"
#include "food/foodtablefile.h"
#include "menu/menufile.h"
#include "storage/numbertext.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <map>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const NameOrder English{QLocale(QLocale::English, QLocale::UnitedStates)};

QByteArray starter(const char* name) { return readAll(StarterFolder + u'/' + QString::fromLatin1(name)); }

TEST(StarterFoods, EveryItemOfTheListIsInTheTableWithAUniqueShortName)
{
    const QByteArray bytes = starter("fooditem.dbt");
    ASSERT_EQ(bytes.size() % FoodItem::Size, 0);
    const FoodTableImage image = readFoodTableImage(bytes);
    EXPECT_FALSE(image.truncated);
    // One record per row of the committed list, and room for the user's own.
    const CsvRead list = readCsv(readAll(QStringLiteral(TOLVANE_STARTER_FOODS_CSV)));
    ASSERT_EQ(list.problem, CsvProblem::None);
    EXPECT_EQ(image.records.size(), list.rows.size() - 1);
    EXPECT_GE(image.records.size(), 1000U);
    EXPECT_LE(image.records.size(), 1998U);

    QSet<QString> seen;
    for (std::size_t i = 0; i < image.records.size(); ++i) {
        const FoodItem& item = image.records[i];
        const QString name = item.name();
        EXPECT_FALSE(name.isEmpty());
        EXPECT_LE(name.size(), 30);
        EXPECT_TRUE(isWindows1252(name)) << name.toStdString();
        EXPECT_FALSE(item.onPersonalList());
        // The import's check of the calories lets every starter food through.
        EXPECT_FALSE(caloriesDisagree(item)) << name.toStdString();
        EXPECT_FALSE(seen.contains(name.toCaseFolded())) << name.toStdString();
        seen.insert(name.toCaseFolded());
        if (i > 0) {
            EXPECT_LT(English.compare(image.records[i - 1].name(), name), 0) << name.toStdString();
        }
    }
}

TEST(StarterFoods, TheProgramsLoaderTakesTheTableWithoutAMessage)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), starter("fooditem.dbt"));
    ScriptedUi ui;
    FoodTable table{English};
    EXPECT_TRUE(loadFoodTable(table, dir.path(), ui).ok);
    EXPECT_TRUE(ui.messages.empty());
    // Already in the loader's order: a save writes the same bytes.
    EXPECT_EQ(table.toBytes(), starter("fooditem.dbt"));
}

// Foods checked by hand against the USDA figures per 100 g (calories,
// carbohydrate, protein, fat, sodium, cholesterol) and the grams of the
// serving in the name.
struct Checked {
    const char* name;
    long double grams;
    std::array<long double, NutrientCount> per100g;
};
const Checked CheckedFoods[] = {
    {"Milk, whole, 1 cup", 244, {61.0L, 4.8L, 3.15L, 3.25L, 43.0L, 10.0L}},                  // 01077
    {"Apple, 1 medium", 182, {52.0L, 13.81L, 0.26L, 0.17L, 1.0L, 0.0L}},      // 09003
    {"Bread, white, 1 slice", 28, {265.0L, 49.06L, 9.15L, 3.19L, 491.0L, 0.0L}},             // 18069
    {"Olive oil, 1 tbsp", 13.5L, {884.0L, 0.0L, 0.0L, 100.0L, 2.0L, 0.0L}},                 // 04053
    {"Banana, 1 medium", 118, {89.0L, 22.84L, 1.09L, 0.33L, 1.0L, 0.0L}},              // 09040
    {"Egg, raw, 1 medium", 44, {143.0L, 0.72L, 12.56L, 9.51L, 142.0L, 372.0L}},       // 01123
    {"Broccoli, raw, 1 cup", 91, {34.0L, 6.64L, 2.82L, 0.37L, 33.0L, 0.0L}},         // 11090
    {"Almonds, 1 oz", 28.35L, {575.0L, 21.67L, 21.22L, 49.42L, 1.0L, 0.0L}},           // 12061
    {"Dark chocolate, 70-85%, 1 bar", 101, {598.0L, 45.9L, 7.79L, 42.63L, 20.0L, 3.0L}},     // 19904
    {"Cheese, cheddar, 1 slice", 28, {403.0L, 1.28L, 24.9L, 33.14L, 621.0L, 105.0L}},        // 01009
    {"Orange juice, fresh, 1 cup", 248, {45.0L, 10.4L, 0.7L, 0.2L, 1.0L, 0.0L}},               // 09206
    {"Yogurt, plain, whole, 1 cup", 245, {61.0L, 4.66L, 3.47L, 3.25L, 46.0L, 13.0L}},               // 01116
    {"Carrots, raw, 1 medium", 61, {41.0L, 9.58L, 0.93L, 0.24L, 69.0L, 0.0L}},               // 11124
    {"Quinoa, cooked, 1 cup", 185, {120.0L, 21.3L, 4.4L, 1.92L, 7.0L, 0.0L}},                // 20137
    {"Butter, unsalted, 1 tbsp", 14.2L, {717.0L, 0.06L, 0.85L, 81.11L, 11.0L, 215.0L}},       // 01145
    {"Peach, 1 medium", 150, {39.0L, 9.54L, 0.91L, 0.25L, 0.0L, 0.0L}},               // 09236
    {"Rice, white, cooked, 1 cup", 158, {130.0L, 28.17L, 2.69L, 0.28L, 1.0L, 0.0L}},         // 20045
    {"Pinto beans, boiled, 1 cup", 171, {143.0L, 26.22L, 9.01L, 0.65L, 1.0L, 0.0L}},        // 16043
    {"Chicken breast, no skin, 3 oz", 85, {165.0L, 0.0L, 31.02L, 3.57L, 74.0L, 85.0L}},    // 05064
    {"Pasta, cooked, 1 cup", 140, {158.0L, 30.86L, 5.8L, 0.93L, 1.0L, 0.0L}},            // 20121
    {"Beef, rib eye steak, 3 oz", 85, {271.0L, 0.0L, 24.85L, 19.02L, 58.0L, 78.0L}},       // 23227
    {"Vodka, 80 proof, 1 jigger", 42, {231.0L, 0.0L, 0.0L, 0.0L, 1.0L, 0.0L}},              // 14051
    {"Mushrooms, enoki, raw, 1 cup", 64, {37.0L, 7.81L, 2.66L, 0.29L, 3.0L, 0.0L}},        // 11950
    {"Mousse, chocolate, 100 g", 100, {225.0L, 16.07L, 4.14L, 16.0L, 38.0L, 140.0L}},     // 19182
};

TEST(StarterFoods, HandCheckedFoodsMatchTheUsdaFiguresForTheirServing)
{
    FoodTable table{English};
    table.assign(readFoodTableImage(starter("fooditem.dbt")).records);
    // The list keeps whole calories, sodium and cholesterol and tenths of a gram.
    constexpr std::array<int, NutrientCount> decimals = {0, 1, 1, 1, 0, 0};
    for (const Checked& food : CheckedFoods) {
        const int slot = table.findSameName(QString::fromUtf8(food.name));
        ASSERT_GE(slot, 0) << food.name;
        const Nutrients stored = table.item(slot).nutrients();
        for (std::size_t n = 0; n < NutrientCount; ++n) {
            const long double expected = food.per100g[n] * food.grams / 100;
            EXPECT_EQ(formatFixed(stored[n], 0, decimals[n]), formatFixed(expected, 0, decimals[n]))
                << food.name << " value " << n;
        }
    }
}

// Everyday foods typed into the find field over the starter table: the row it
// jumps to is one a person would accept as that food. tools/starter/
// everyday_check.txt names the accepted rows, at least 95 in 100 found;
// tools/reference/everyday_search.txt names accepted USDA foods, and of the
// searches whose food the table holds at least 85 in 100 are found.
TEST(StarterFoods, EverydayFoodsAreFoundByTheirCommonName)
{
    const CsvRead list = readCsv(readAll(QStringLiteral(TOLVANE_STARTER_FOODS_CSV)));
    ASSERT_EQ(list.problem, CsvProblem::None);
    QStringList names;
    QStringList descriptions;  // USDA's, by row
    for (std::size_t r = 1; r < list.rows.size(); ++r) {
        names.append(list.rows[r].fields.value(0));
        descriptions.append(list.rows[r].fields.value(10));
    }
    const struct {
        const char* path;
        const QStringList& accepted;  // what the list's expressions match
        int percent;
        bool onlyHeld;  // only the searches whose food the table holds count
    } checks[] = {{TOLVANE_EVERYDAY_CHECK, names, 95, false}, {TOLVANE_EVERYDAY_SEARCH, descriptions, 85, true}};
    FoodFind find;
    for (const auto& check : checks) {
        int checked = 0;
        int found = 0;
        for (const QString& line : QString::fromUtf8(readAll(QString::fromUtf8(check.path))).split(u'\n')) {
            if (line.trimmed().isEmpty() || line.startsWith(u'#'))
                continue;
            const qsizetype bar = line.indexOf(QStringLiteral(" | "));
            ASSERT_GT(bar, 0) << line.toStdString();
            const QString typed = line.left(bar).trimmed();
            const QRegularExpression accepted(line.mid(bar + 3).trimmed());
            ASSERT_TRUE(accepted.isValid()) << line.toStdString();
            if (check.onlyHeld && !std::any_of(check.accepted.begin(), check.accepted.end(),
                             [&](const QString& text) { return accepted.match(text).hasMatch(); }))
                continue;  // not in the starter table
            const int row = find.setText(typed, names, -1);
            ++checked;
            if (row >= 0 && accepted.match(check.accepted.at(row)).hasMatch())
                ++found;
            else
                std::cout << "not found: " << typed.toStdString() << " -> "
                          << (row >= 0 ? names.at(row).toStdString() : std::string("nothing")) << '\n';
        }
        EXPECT_GE(checked, 100) << check.path;
        EXPECT_GE(found * 100, checked * check.percent) << found << " of " << checked << " in " << check.path;
    }
}

TEST(StarterActivities, EverydayActivitiesForA70KgAdult)
{
    const ActivityFileRead read = readActivityImage(starter("activity.db"));
    EXPECT_EQ(read.problem, ActivityFileProblem::None);
    EXPECT_GE(read.records.size(), 40U);
    EXPECT_LE(read.records.size(), 80U);
    std::map<QString, long double> perHour;
    for (std::size_t i = 0; i < read.records.size(); ++i) {
        perHour[read.records[i].name()] = read.records[i].caloriesPerHour();
        if (i > 0) {
            EXPECT_LT(English.compare(read.records[i - 1].name(), read.records[i].name()), 0);
        }
    }
    // MET x 70 kg: brisk walking 4.3 MET, running at 6 mph 9.8 MET, sleeping 0.95 MET.
    EXPECT_EQ(perHour[QStringLiteral("Walking, 3.5 mph, brisk")], 301);
    EXPECT_EQ(perHour[QStringLiteral("Running, 6 mph")], 686);
    EXPECT_EQ(perHour[QStringLiteral("Sleeping")], 66.5L);
}

TEST(StarterActivities, EveryRowOfTheListIsInTheTableAtItsMetTimes70)
{
    const ActivityFileRead read = readActivityImage(starter("activity.db"));
    ASSERT_EQ(read.problem, ActivityFileProblem::None);
    std::map<QString, long double> perHour;
    for (const ActivityRecord& record : read.records)
        perHour[record.name()] = record.caloriesPerHour();

    const CsvRead list = readCsv(readAll(QStringLiteral(TOLVANE_STARTER_ACTIVITIES_CSV)));
    ASSERT_EQ(list.problem, CsvProblem::None);
    EXPECT_EQ(read.records.size(), list.rows.size() - 1);
    const QRegularExpression fiveDigits(QStringLiteral("^\\d{5}$"));
    QSet<QString> codes;
    for (std::size_t r = 1; r < list.rows.size(); ++r) {
        const QStringList& row = list.rows[r].fields;
        const std::string name = row.value(0).toStdString();
        ASSERT_EQ(row.size(), 5) << "line " << list.rows[r].line;
        const auto calories = parseLenient(row[1]);
        const auto met = parseLenient(row[2]);
        ASSERT_TRUE(calories.has_value() && met.has_value()) << name;
        // Stored as a 6-byte real: the listed calories come back exactly, halves included.
        ASSERT_EQ(perHour.count(row[0]), 1U) << name;
        EXPECT_EQ(perHour[row[0]], *calories) << name;
        EXPECT_NEAR(static_cast<double>(perHour[row[0]]), static_cast<double>(*met * 70), 1e-9) << name;
        // Each row names the one Compendium entry its MET comes from.
        EXPECT_TRUE(fiveDigits.match(row[3]).hasMatch()) << name;
        EXPECT_FALSE(codes.contains(row[3])) << name << " repeats " << row[3].toStdString();
        codes.insert(row[3]);
        EXPECT_FALSE(row[4].isEmpty()) << name;
    }
}

TEST(StarterWeek, AnEmptyWeekOnSundayBreakfast)
{
    const QByteArray bytes = starter("currmenu.db");
    EXPECT_EQ(bytes.size(), MenuFileSize);
    const MenuFileRead read = readMenuImage(bytes);
    EXPECT_EQ(read.problem, MenuFileProblem::None);
    EXPECT_EQ(read.image, MenuImage{});
}

TEST(StarterFolder, AFreshFolderStartsWithFoodsAndActivitiesAndNoMessage)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Tolvane"));
    ASSERT_TRUE(prepareDataFolder(folder).created);
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    App app{ui, settings, folder};
    ASSERT_TRUE(app.program.formCreate().ok);
    app.program.formActivate();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app.foods.foodTable().rowCount(), static_cast<int>(starter("fooditem.dbt").size() / FoodItem::Size));
    EXPECT_EQ(app.foods.selectedFoodRow(), 0);
    EXPECT_GE(app.activity.names().size(), 40);
}

} // namespace
