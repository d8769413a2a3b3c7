// The CSV commands of the "&Main" menu, run by a scripted user on the whole
// program.

#include "exchange/exchange.h"
#include "exchange/csvmessages.h"
#include "food/foodtableio.h"
#include "app/app.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class ExchangeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    App app{ui, settings, dir.path()};
    QByteArray tableBefore;

    void SetUp() override
    {
        tableBefore = tableBytes({makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}),
                                  makeItem(QStringLiteral("Feast"), {1800, 200, 60, 50, 900, 100})});
        writeAll(tablePath(), tableBefore);
        app.foods.foodTable() = FoodTable{NameOrder(QLocale::c())};
        ASSERT_TRUE(app.program.formCreate().ok);
        app.program.formActivate();
        ui.messages.clear();
    }

    QString tablePath() const { return dir.filePath(FoodTableFileName); }

    void importFile(const QString& path)
    {
        ui.openAnswers.push_back(path);
        app.program.execute(Command::ImportFoodItemsCsv);
    }
};

TEST_F(ExchangeTest, TheCommandsStandAfterExitAfterASeparator)
{
    const MenuDefinition& main = mainMenu().front();
    ASSERT_EQ(main.caption, QStringLiteral("&Main"));
    // then the backup items, "&Zoom...", "&Units...", "Target &Split...", "U&ndo" and "Re&do"
    ASSERT_EQ(main.entries.size(), 19U);
    EXPECT_TRUE(main.entries[9].separator);
    EXPECT_EQ(main.entries[2].caption, QStringLiteral("E&xit"));
    EXPECT_TRUE(main.entries[3].separator);
    const QStringList captions = {main.entries[4].caption, main.entries[5].caption, main.entries[6].caption,
                                  main.entries[7].caption, main.entries[8].caption};
    EXPECT_EQ(captions, (QStringList{QStringLiteral("&Import Food Items from CSV..."),
                                     QStringLiteral("Export &Food Items as CSV..."),
                                     QStringLiteral("Export &Menu as CSV..."),
                                     QStringLiteral("Export &Weight Log as CSV..."),
                                     QStringLiteral("Export Nutrient Re&port as CSV...")}));
    for (Command c : {Command::ImportFoodItemsCsv, Command::ExportFoodItemsCsv, Command::ExportMenuCsv,
                      Command::ExportWeightLogCsv, Command::ExportNutrientReportCsv})
        EXPECT_TRUE(app.program.isEnabled(c));
}

TEST_F(ExchangeTest, ImportAddsTheGoodRowsWritesTheTableOnceAndSummarises)
{
    const QString path = dir.filePath(QStringLiteral("new foods.csv"));
    writeAll(path, QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\n"
                              "Apple,95,25.1,0.5,0.3,2,0\n"
                              "bread,80,15,3,1,150,0\n"
                              "Cake,lots,1,1,1,1,1\n"
                              "\"Soup, tomato\",74,16,2,0.7,695,0\n"));
    importFile(path);
    ASSERT_EQ(ui.openRequests.size(), 1U);
    EXPECT_EQ(ui.openRequests[0].filter, QStringLiteral("CSV files (*.csv)"));
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("2 food items added, 0 updated, 1 already present and skipped, 1 line "
                                                  "refused.\n\nLine 4: \"lots\" is not a number (Calories)."));
    EXPECT_EQ(ui.messages[0].icon, Icon::Warning);

    const FoodTable& table = app.foods.foodTable();
    EXPECT_EQ(table.rowNames(), (QStringList{QStringLiteral("Apple"), QStringLiteral("Bread"),
                                             QStringLiteral("Feast"), QStringLiteral("Soup, tomato")}));
    EXPECT_EQ(readAll(tablePath()), table.toBytes());
    EXPECT_EQ(app.foods.selectedFoodRow(), 3);  // the last item added
}

// As every open dialog of the program: "more" finds "more.csv".
TEST_F(ExchangeTest, ANameTypedWithoutItsSuffixFindsTheCsvFile)
{
    writeAll(dir.filePath(QStringLiteral("more.csv")), QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\n"
                                                                  "Apple,95,25.1,0.5,0.3,2,0\n"));
    importFile(dir.filePath(QStringLiteral("more")));
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("1 food item added, 0 updated, 0 already present and skipped, 0 lines refused."));
    EXPECT_EQ(app.foods.foodTable().rowNames().first(), QStringLiteral("Apple"));
}

TEST_F(ExchangeTest, NothingIsWrittenWhenTheFileCannotBeRead)
{
    importFile(dir.filePath(QStringLiteral("missing.csv")));
    const QString broken = dir.filePath(QStringLiteral("broken.csv"));
    writeAll(broken, QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\nApple,1,1,1,1,1,1\n\"Open,1\n"));
    importFile(broken);
    ASSERT_EQ(ui.messages.size(), 2U);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("The file missing.csv cannot be read."));
    EXPECT_EQ(ui.messages[1].text,
              QStringLiteral("The file broken.csv is not a valid CSV file: the quoted value that starts on line 3 is "
                             "not closed. Nothing was imported."));
    EXPECT_EQ(ui.messages[1].icon, Icon::Warning);
    EXPECT_EQ(readAll(tablePath()), tableBefore);
    EXPECT_EQ(app.foods.foodTable().count(), 2);
}

TEST_F(ExchangeTest, TheSummaryListsTheFirst20RefusedLinesAndSaysWhenThereAreMore)
{
    for (const int refused : {20, 21}) {
        QByteArray bytes("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\n");
        for (int i = 0; i < refused; ++i)
            bytes += "Pear,1,1,1,1,1\n";
        const QString path = dir.filePath(QStringLiteral("pears.csv"));
        writeAll(path, bytes);
        ui.messages.clear();
        importFile(path);
        ASSERT_EQ(ui.messages.size(), 1U);
        QStringList expected{QStringLiteral("0 food items added, 0 updated, 0 already present and skipped, %1 lines "
                                            "refused.")
                                 .arg(refused),
                             QString()};
        for (int line = 2; line <= 21; ++line)
            expected.append(QStringLiteral("Line %1: a value is missing.").arg(line));
        if (refused > 20)
            expected.append(QStringLiteral("(only the first 20 refused lines are listed)"));
        EXPECT_EQ(ui.messages[0].text, expected.join(u'\n')) << refused;
    }
}

TEST_F(ExchangeTest, ReimportedFoodsWithOtherValuesAreUpdatedOnlyWhenTheUserSaysYes)
{
    // Bread is on the personal list; the file has new values for Bread and
    // Feast, and one new food.
    const std::vector<FoodItem> items = {makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}, true),
                                         makeItem(QStringLiteral("Feast"), {1800, 200, 60, 50, 900, 100})};
    const QString path = dir.filePath(QStringLiteral("again.csv"));
    writeAll(path, QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\n"
                              "Bread,81,15,3,1,150,0\n"
                              "FEAST,60,2,3,4,5,6\n"
                              "Fig,17,1,1,1,1,1\n"));
    const std::vector<std::pair<std::optional<Button>, QString>> answers = {
        {std::nullopt, QStringLiteral("1 food item added, 0 updated, 2 already present and skipped, 0 lines refused.")},
        {Button::Yes, QStringLiteral("1 food item added, 2 updated, 0 already present and skipped, 0 lines refused.")},
    };
    for (const auto& [answer, summary] : answers) {
        writeAll(tablePath(), tableBytes(items));
        app.foods.foodTable().assign(items);
        ui.messages.clear();
        if (answer)
            ui.answers.push_back(*answer);
        importFile(path);
        ASSERT_EQ(ui.messages.size(), 2U);
        Message question = Message::typed(QStringLiteral("2 food items of again.csv are already present with other "
                                                         "values. Update their values? (Their places on the "
                                                         "personal list are kept.)"),
                                          Icon::Confirmation, Button::Yes | Button::No, GeneralHelpContext);
        question.defaultButton = Button::No;
        EXPECT_EQ(ui.messages[0], question);
        EXPECT_EQ(ui.messages[1].text, summary);
        const FoodTable& table = app.foods.foodTable();
        ASSERT_EQ(table.rowNames(), (QStringList{QStringLiteral("Bread"), QStringLiteral("Feast"),
                                                 QStringLiteral("Fig")}));
        EXPECT_EQ(table.item(0).nutrient(Nutrient::Calories), answer ? 81 : 80);
        EXPECT_EQ(table.item(1).nutrient(Nutrient::Cholesterol), answer ? 6 : 100);
        EXPECT_EQ(table.item(1).name(), QStringLiteral("Feast"));
        EXPECT_TRUE(table.item(0).onPersonalList());
        EXPECT_EQ(readAll(tablePath()), table.toBytes());
    }
    EXPECT_EQ(csvmsg::updateQuestion(1, QStringLiteral("f.csv")),
              QStringLiteral("1 food item of f.csv is already present with other values. Update its values? (Its "
                             "place on the personal list is kept.)"));
}

TEST_F(ExchangeTest, AFileOver64MBIsRefusedBeforeItIsRead)
{
    const QString path = dir.filePath(QStringLiteral("huge.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(64 * 1024 * 1024 + 1));  // sparse: no disk space taken
    file.close();
    importFile(path);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("The file huge.csv is larger than 64 MB. Nothing was imported."));
    EXPECT_TRUE(ui.importProgress.empty());
    EXPECT_EQ(readAll(tablePath()), tableBefore);
}

TEST_F(ExchangeTest, TheImportShowsItsProgressAndCancelAddsNothing)
{
    QByteArray bytes("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\n");
    for (int i = 0; i < 1500; ++i)
        bytes += QStringLiteral("A food with a long name %1,500.25,20.5,30.5,40.5,50,6\n")
                     .arg(i, 4, 10, QLatin1Char('0'))
                     .toUtf8();
    ASSERT_GT(bytes.size(), 64 * 1024);
    const QString path = dir.filePath(QStringLiteral("many.csv"));
    writeAll(path, bytes);

    ui.cancelImportAt = 64 * 1024;
    importFile(path);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readAll(tablePath()), tableBefore);
    EXPECT_EQ(app.foods.foodTable().count(), 2);

    ui.cancelImportAt.reset();
    importFile(path);
    ASSERT_EQ(ui.importProgress.size(), 2U);
    for (const ProgressRecord& shown : ui.importProgress) {
        EXPECT_EQ(shown.caption, QStringLiteral("Import Food Items / Reading many.csv"));
        EXPECT_EQ(shown.maximum, bytes.size());
        EXPECT_TRUE(shown.ended);
    }
    EXPECT_EQ(ui.importProgress[0].values, std::vector<int>{64 * 1024});
    EXPECT_EQ(ui.importProgress[1].values, (std::vector<int>{64 * 1024, static_cast<int>(bytes.size())}));
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("1500 food items added, 0 updated, 0 already present and skipped, 0 lines refused."));
    EXPECT_EQ(app.foods.foodTable().count(), 1502);
}

TEST_F(ExchangeTest, ImportIsRefusedWhileThePersonalListIsShownAndCancelDoesNothing)
{
    app.program.execute(Command::ImportFoodItemsCsv);  // the dialog is cancelled
    EXPECT_EQ(ui.openRequests.size(), 1U);
    EXPECT_TRUE(ui.messages.empty());

    app.foods.foodTable().showPersonalList(true);
    app.program.execute(Command::ImportFoodItemsCsv);
    EXPECT_EQ(ui.openRequests.size(), 1U);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, csvmsg::PersonalListShown);
    EXPECT_EQ(readAll(tablePath()), tableBefore);
}

TEST_F(ExchangeTest, ExportsTheFoodTableTheWeekAndTheWeightLog)
{
    // Two and a half Feasts for Sunday breakfast, one Bread for Monday's snack.
    app.foods.setServingsText(QStringLiteral("2.5"));
    app.foods.selectFoodRow(1);
    app.menu.dropOnMealList({DragSource::FoodList, 1});
    app.menu.endDrag(DragSource::FoodList);
    app.menu.dayPageChange(1);
    app.menu.mealTabChange(3);
    app.foods.setServingsText(QStringLiteral("1"));
    app.menu.dropOnMealList({DragSource::FoodList, 0});
    app.menu.endDrag(DragSource::FoodList);
    app.weight.log().setCell(DateColumn, 1, QStringLiteral("1/5/2026"));
    // Weights as the user's locale types them; text that is no number stays.
    app.weight.log().setCell(PlanColumn, 1, QStringLiteral(" 80") + app.weight.log().locale().decimalPoint() +
                                                QStringLiteral("5"));
    app.weight.log().newRow();
    app.weight.log().setCell(DateColumn, 2, QStringLiteral("1/12/2026"));
    app.weight.log().setCell(ActualColumn, 2, QStringLiteral("79,5 kg"));

    const QString foods = dir.filePath(QStringLiteral("foods.csv"));
    const QString menu = dir.filePath(QStringLiteral("menu.csv"));
    const QString weight = dir.filePath(QStringLiteral("weight.csv"));
    ui.saveAnswers = {foods, menu, weight};
    app.program.execute(Command::ExportFoodItemsCsv);
    app.program.execute(Command::ExportMenuCsv);
    app.program.execute(Command::ExportWeightLogCsv);
    // Each export says where its file went.
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("The file was written to:\n") + QDir::toNativeSeparators(foods),
                                       QStringLiteral("The file was written to:\n") + QDir::toNativeSeparators(menu),
                                       QStringLiteral("The file was written to:\n") + QDir::toNativeSeparators(weight)}));

    EXPECT_EQ(readAll(foods).toStdString(), std::string("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\r\n"
                                         "Bread,80,15,3,1,150,0\r\n"
                                         "Feast,1800,200,60,50,900,100\r\n"));
    EXPECT_EQ(readAll(menu).toStdString(), std::string("Day,Meal,Food,Servings,Calories,Carbo,Protein,Fat,Sodium,Chol\r\n"
                                        "Sunday,Breakfast,Feast,2.5,4500,500.0,150.0,125.0,2250.0,250\r\n"
                                        "Sunday,Day total,,,4500,500.0,150.0,125.0,2250.0,250\r\n"
                                        "Monday,Snack,Bread,1.0,80,15.0,3.0,1.0,150.0,0\r\n"
                                        "Monday,Day total,,,80,15.0,3.0,1.0,150.0,0\r\n"
                                        "Tuesday,Day total,,,0,0.0,0.0,0.0,0.0,0\r\n"
                                        "Wednesday,Day total,,,0,0.0,0.0,0.0,0.0,0\r\n"
                                        "Thursday,Day total,,,0,0.0,0.0,0.0,0.0,0\r\n"
                                        "Friday,Day total,,,0,0.0,0.0,0.0,0.0,0\r\n"
                                        "Saturday,Day total,,,0,0.0,0.0,0.0,0.0,0\r\n"));
    EXPECT_EQ(readAll(weight).toStdString(), std::string("Date,Plan,Actual\r\n1/5/2026,80.5,\r\n1/12/2026,,\"79,5 kg\"\r\n"));
}

TEST_F(ExchangeTest, AFailedExportSaysSoAndLeavesNoFile)
{
    const QString path = dir.filePath(QStringLiteral("no such folder/foods.csv"));
    ui.saveAnswers = {path};
    app.program.execute(Command::ExportFoodItemsCsv);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("The file foods.csv could not be written."));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace

namespace {

TEST_F(ExchangeTest, RowsWhoseCaloriesDisagreeWithTheirSplitAreAddedOnlyWhenTheUserSaysYes)
{
    // A decimal comma under a header with an extra column: every value one off.
    const QString path = dir.filePath(QStringLiteral("shifted.csv"));
    writeAll(path, QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium,Chol,Note\n"
                              "Apple pie X,1,5,2,3,4,5,6\n"
                              "Plum,30,7.5,0.5,0.2,0,0,\n"
                              "Feast,1,2,3,4,5,6,\n"));
    Message question = Message::typed(
        QStringLiteral("2 lines of shifted.csv give calories that disagree with their carbohydrate, protein and fat "
                       "(4, 4 and 9 calories a gram): their values may be one column off (lines 2, 4). Add them "
                       "anyway?"),
        Icon::Confirmation, Button::Yes | Button::No, GeneralHelpContext);
    question.defaultButton = Button::No;
    for (const Button answer : {Button::No, Button::Yes}) {
        writeAll(tablePath(), tableBefore);
        app.foods.foodTable().assign({makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}),
                                      makeItem(QStringLiteral("Feast"), {1800, 200, 60, 50, 900, 100})});
        ui.messages.clear();
        ui.answers = {answer, Button::Yes};
        importFile(path);
        ASSERT_EQ(ui.messages.size(), answer == Button::Yes ? 3U : 2U);
        EXPECT_EQ(ui.messages[0], question);
        EXPECT_EQ(ui.messages.back().text,
                  answer == Button::Yes
                      ? QStringLiteral("2 food items added, 1 updated, 0 already present and skipped, 0 lines refused.")
                      : QStringLiteral("1 food item added, 0 updated, 2 already present and skipped, 0 lines refused."));
        EXPECT_EQ(app.foods.foodTable().rowNames().contains(QStringLiteral("Apple pie X")), answer == Button::Yes);
        const FoodTable& table = app.foods.foodTable();
        EXPECT_EQ(table.item(table.findSameName(QStringLiteral("Feast"))).nutrient(Nutrient::Calories),
                  answer == Button::Yes ? 1 : 1800);
    }
}

TEST_F(ExchangeTest, AFileNotUtf8AddsNothingAlsoWhenTheTableFillsBeforeTheBadLine)
{
    std::vector<FoodItem> items;
    for (int i = 0; i < MaxFoodItems - 1; ++i)
        items.push_back(makeItem(QStringLiteral("Food %1").arg(i), {17, 1, 1, 1, 0, 0}));
    app.foods.foodTable().assign(items);
    writeAll(tablePath(), tableBytes(items));
    const QString path = dir.filePath(QStringLiteral("latin1.csv"));
    writeAll(path, QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\n"
                              "Plum,30,7.5,0.5,0.2,0,0\n"
                              "Pear,100,25,0.6,0.2,2,0\n"
                              "Cr\xe8me,1e-400,0,0,0,0,0\n"));
    importFile(path);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("The file latin1.csv is not UTF-8 text. Nothing was imported."));
    EXPECT_EQ(app.foods.foodTable().count(), MaxFoodItems - 1);
}

} // namespace
