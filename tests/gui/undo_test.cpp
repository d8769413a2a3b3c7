// Undo and redo on Qt's undo stack: every kind of change taken back leaves
// every file of the data folder and every value the pages show as before it,
// byte for byte, and made again as after it; the menu items name the change.

#include "activity/activityfile.h"
#include "activity/activitytexts.h"
#include "activity/activityweekfile.h"
#include "app/app.h"
#include "food/foodtableio.h"
#include "menu/menufile.h"
#include "menu/menustore.h"
#include "shell/undohistory.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QStringList panelTexts(const PanelTexts& panel)
{
    QStringList texts(panel.values.begin(), panel.values.end());
    texts << panel.carbohydratePercent << panel.proteinPercent << panel.fatPercent
          << QString::number(panel.fatRed) << QString::number(static_cast<double>(panel.shares.carbohydrate), 'g', 17)
          << QString::number(static_cast<double>(panel.shares.fat), 'g', 17);
    return texts;
}

// Everything a change can touch: the files and what the pages show.
struct Seen {
    std::map<QString, QByteArray> files;
    QStringList shown;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* out)
{
    for (const auto& [name, bytes] : seen.files)
        *out << name.toStdString() << " " << bytes.size() << " bytes " << qHash(bytes) << "\n";
    *out << seen.shown.join(QStringLiteral("|")).toStdString();
}

ActivityRecord activity(const QString& name, long double perHour)
{
    ActivityRecord record;
    record.setName(name);
    record.setCaloriesPerHour(perHour);
    return record;
}

class UndoTest : public ::testing::Test {
public:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    std::unique_ptr<App> app;
    std::unique_ptr<UndoHistory> history;

    void SetUp() override
    {
        writeAll(dir.filePath(FoodTableFileName),
                 tableBytes({makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}),
                             makeItem(QStringLiteral("Banana"), {89, 23, 1.1L, 0.3L, 1, 0}),
                             makeItem(QStringLiteral("Cheese"), {110, 0.4L, 7, 9, 180, 30})}));
        writeAll(dir.filePath(ActivityFileName),
                 activityImage({activity(QStringLiteral("Cycling"), 400), activity(QStringLiteral("Walking"), 300)}));
        writeAll(dir.filePath(ActivityWeekFileName), activityWeekImage(ActivityWeek{}));
        app = std::make_unique<App>(ui, settings, dir.path());
        history = std::make_unique<UndoHistory>(app->program);
        ASSERT_TRUE(app->program.formCreate().ok);
        app->program.formActivate();
        ui.messages.clear();
    }

    MenuPlanner& menu() { return app->menu; }
    Program& program() { return app->program; }

    void drop(int foodRow, const QString& servings = QStringLiteral("1"))
    {
        app->foods.setServingsText(servings);
        menu().dropOnMealList({DragSource::FoodList, foodRow});
    }

    Seen seen() const
    {
        Seen seen;
        for (const QFileInfo& file : QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden))
            if (file.fileName() != QStringLiteral(".tolvane.lock"))
                seen.files[file.fileName()] = readAll(file.filePath());
        const MenuPlanner& planner = app->menu;
        // The Food Item panel follows the selected row, which no change keeps.
        seen.shown << planner.mealList() << panelTexts(planner.menuPanel()) << planner.menuCalories()
                   << app->foods.foodTable().rowNames();
        seen.shown << app->recipes.ingredientLines() << panelTexts(app->recipes.panel())
                   << app->recipes.instructions() << app->recipes.recipeServingsText();
        const WeightLog& log = app->weight.log();
        for (int r = 0; r < log.rowCount(); ++r)
            for (int c = 0; c < WeightColumnCount; ++c)
                seen.shown << log.cell(c, r);
        seen.shown << log.fileName();
        for (const DayActivityLine& line : app->activity.dayLines())
            seen.shown << line.name << line.minutes << line.calories;
        return seen;
    }
};

struct ChangeCase {
    const char* kind;
    std::function<void(UndoTest&)> before;  // sets the scene, not a change to take back
    std::function<void(UndoTest&)> change;
    QString named;                          // "U&ndo" names it so
};

class UndoEveryChange : public UndoTest, public ::testing::WithParamInterface<ChangeCase> {};

// A food item dialog that the user fills in with `name` and presses OK.
std::vector<FoodItemAttempt> named(const QString& name, const QString& calories = QStringLiteral("100"))
{
    return {{{{FoodItemForm::Name, name}, {FoodItemForm::Calories, calories}, {FoodItemForm::Carbo, QStringLiteral("10")}}}};
}

const ChangeCase Cases[] = {
    {"AddEntry", nullptr, [](UndoTest& t) { t.drop(1, QStringLiteral("2.5")); },
     QStringLiteral("Add Banana to Sunday Breakfast")},
    {"RemoveEntry",
     [](UndoTest& t) {
         t.drop(0);
         t.drop(1);
         t.drop(2);
     },
     [](UndoTest& t) { t.menu().dropOnTrash({DragSource::MealList, 1}); },
     QStringLiteral("Remove Banana from Sunday Breakfast")},
    {"ChangeServings",
     [](UndoTest& t) {
         t.drop(0);
         t.drop(1);
     },
     [](UndoTest& t) {
         t.menu().mealListClick(1);
         t.app->foods.setServingsText(QStringLiteral("3"));
         t.program().execute(Command::ChangeServings);
     },
     QStringLiteral("Change Servings of Banana in Sunday Breakfast")},
    {"PasteDay",
     [](UndoTest& t) {
         t.drop(2);
         t.program().execute(Command::CopyDay);
         t.menu().dayPageChange(3);
         t.drop(0);
     },
     [](UndoTest& t) {
         t.ui.answers.push_back(Button::Yes);
         t.program().execute(Command::PasteDay);
     },
     QStringLiteral("Paste Day")},
    {"PasteDayInto",
     [](UndoTest& t) {
         t.drop(2);
         t.program().execute(Command::CopyDay);
         t.menu().dayPageChange(4);
         t.drop(1);
     },
     [](UndoTest& t) {
         t.ui.severalAnswers.push_back(std::vector<int>{1, 4, 6});
         t.ui.answers.push_back(Button::Yes);
         t.program().execute(Command::PasteDayInto);
     },
     QStringLiteral("Paste Day Into")},
    {"LoadMenu",
     [](UndoTest& t) {
         MenuImage image;
         (void)image.week[5].append(makeItem(QStringLiteral("Pear"), {57, 15, 0.4L, 0.1L, 1, 0}), 2);
         writeAll(t.dir.filePath(QStringLiteral("other.mnu")), writeMenuImage(image));
         t.drop(0);
     },
     [](UndoTest& t) {
         t.ui.answers.push_back(Button::No);
         t.ui.openAnswers.push_back(QStringLiteral("other.mnu"));
         t.program().execute(Command::LoadMenu);
     },
     QStringLiteral("Load Menu")},
    {"AddFoodItem", nullptr,
     [](UndoTest& t) {
         t.ui.foodItemAnswers.push_back(named(QStringLiteral("Bagel")));
         t.program().execute(Command::AddFoodItem);
     },
     QStringLiteral("Add Food Item Bagel")},
    {"ModifyFoodItem", nullptr,
     [](UndoTest& t) {
         t.app->foods.foodListClick(2);
         t.ui.foodItemAnswers.push_back(named(QStringLiteral("Brie"), QStringLiteral("120")));
         t.program().execute(Command::ModifyFoodItem);
     },
     QStringLiteral("Modify Food Item Brie")},
    {"DeleteFoodItem", nullptr,
     [](UndoTest& t) {
         t.app->foods.foodListClick(1);
         t.ui.answers.push_back(Button::Ok);
         t.program().execute(Command::DeleteFoodItem);
     },
     QStringLiteral("Delete Food Item Banana")},
    {"ImportFoodItems",
     [](UndoTest& t) {
         writeAll(t.dir.filePath(QStringLiteral("more.csv")),
                  QByteArray("Name,Calories,Carbo,Protein,Fat,Sodium,Chol\nDate,282,75,2.5,0.4,2,0\n"));
     },
     [](UndoTest& t) {
         t.ui.openAnswers.push_back(t.dir.filePath(QStringLiteral("more.csv")));
         t.program().execute(Command::ImportFoodItemsCsv);
     },
     QStringLiteral("Import Food Items from CSV")},
    {"MergeOtherTable",
     [](UndoTest& t) {
         writeAll(t.dir.filePath(QStringLiteral("other.dbt")), tableBytes({makeItem(QStringLiteral("Kiwi"))}));
     },
     [](UndoTest& t) {
         t.ui.openAnswers.push_back(t.dir.filePath(QStringLiteral("other.dbt")));
         t.ui.answers.push_back(Button::Yes);
         t.ui.foodItemAnswers.push_back({FoodItemAttempt{}});
         t.program().execute(Command::MergeOtherTable);
     },
     QStringLiteral("Merge Other FOODITEM.DBT")},
    {"AddRecipeToFoodItems", [](UndoTest& t) { t.app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, 0}); },
     [](UndoTest& t) {
         t.ui.foodItemAnswers.push_back({{{{FoodItemForm::Name, QStringLiteral("Apple Pie")}}}});
         t.program().execute(Command::AddRecipeToFoodItems);
     },
     QStringLiteral("Add Recipe Apple Pie to Food Items")},
    {"AddIngredient", nullptr,
     [](UndoTest& t) {
         t.app->recipes.setFoodServingsText(QStringLiteral("2"));
         t.app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, 2});
     },
     QStringLiteral("Add Cheese to Recipe")},
    {"RemoveIngredient",
     [](UndoTest& t) {
         t.app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, 0});
         t.app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, 1});
     },
     [](UndoTest& t) {
         t.app->recipes.ingredientListClick(0);
         t.app->recipes.deleteSelectedIngredient();
     },
     QStringLiteral("Remove Apple from Recipe")},
    {"ChangeIngredientServings",
     [](UndoTest& t) {
         t.app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, 0});
         t.app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, 1});
     },
     [](UndoTest& t) {
         t.app->recipes.ingredientListClick(1);
         t.app->recipes.setFoodServingsText(QStringLiteral("4"));
         t.program().execute(Command::ChangeIngredientServings);
     },
     QStringLiteral("Change Servings of Banana in Recipe")},
    {"ClearRecipe",
     [](UndoTest& t) {
         t.app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, 2});
         t.app->recipes.setInstructions(QStringLiteral("Slice."));
     },
     [](UndoTest& t) { t.program().execute(Command::ClearRecipe); }, QStringLiteral("Clear Recipe")},
    {"EditCell", nullptr, [](UndoTest& t) { t.app->weight.log().editCell(PlanColumn, 1, QStringLiteral("150")); },
     QStringLiteral("Edit Plan in Row 1")},
    {"NewRow", [](UndoTest& t) { t.app->weight.log().editCell(DateColumn, 1, QStringLiteral("1/2/26")); },
     [](UndoTest& t) { t.program().execute(Command::NewWeightRow); }, QStringLiteral("New Row")},
    {"ClearGrid",
     [](UndoTest& t) {
         WeightLog& log = t.app->weight.log();
         log.editCell(DateColumn, 1, QStringLiteral("1/2/26"));
         log.newRow();
         log.editCell(ActualColumn, 2, QStringLiteral("149"));
     },
     [](UndoTest& t) {
         t.ui.answers.push_back(Button::Ok);
         t.program().execute(Command::ClearWeightGrid);
     },
     QStringLiteral("Clear Grid")},
    {"CreatePlan",
     [](UndoTest& t) {
         using F = Calculators::Field;
         Calculators& calc = t.app->weight.calculators();
         calc.setText(F::CurrentWeight, QStringLiteral("150"));
         calc.setText(F::Age, QStringLiteral("40"));
         calc.setText(F::Height, QStringLiteral("65"));
         calc.setText(F::PlanCalories, QStringLiteral("1500"));
         calc.setText(F::GoalWeight, QStringLiteral("140"));
         t.app->weight.log().today = [] { return QDate(2026, 3, 1); };
     },
     [](UndoTest& t) { t.program().execute(Command::CreatePlan); }, QStringLiteral("Create Plan")},
    {"LoadWeightFile",
     [](UndoTest& t) {
         WeightRecord record{45000, {}, {}};
         storeReal6(150, record.plan.data());
         writeAll(t.dir.filePath(QStringLiteral("log.wgt")), writeWeightImage({record, record}));
         t.app->weight.log().editCell(ActualColumn, 1, QStringLiteral("151"));
     },
     [](UndoTest& t) {
         t.ui.openAnswers.push_back(t.dir.filePath(QStringLiteral("log.wgt")));
         t.program().execute(Command::LoadWeightFile);
     },
     QStringLiteral("Load File log.wgt")},
    {"AddToDay", [](UndoTest& t) { t.drop(0); },
     [](UndoTest& t) {
         t.app->activity.listClick(1);
         t.app->activity.durationChange(QStringLiteral("30"));
         t.program().execute(Command::AddToDay);
     },
     QStringLiteral("Add Walking to Sunday")},
    {"RemoveFromDay",
     [](UndoTest& t) {
         t.app->activity.listClick(0);
         t.app->activity.durationChange(QStringLiteral("20"));
         t.program().execute(Command::AddToDay);
         t.app->activity.listClick(1);
         t.program().execute(Command::AddToDay);
     },
     [](UndoTest& t) {
         t.app->activity.dayListClick(0);
         t.program().execute(Command::RemoveFromDay);
     },
     QStringLiteral("Remove Cycling from Sunday")},
};

TEST_P(UndoEveryChange, TakenBackAndMadeAgainByteForByte)
{
    const ChangeCase& c = GetParam();
    if (c.before)
        c.before(*this);
    // Typed texts of the scene are kept as a change of their own now.
    program().changes.settle();
    ui.messages.clear();
    const Seen before = seen();
    const int kept = history->stack().count();
    c.change(*this);
    const Seen after = seen();
    ASSERT_NE(before, after);
    ASSERT_EQ(history->stack().count(), kept + 1);
    EXPECT_EQ(program().caption(Command::Undo), QStringLiteral("U&ndo ") + c.named);
    EXPECT_TRUE(program().isEnabled(Command::Undo));

    program().execute(Command::Undo);
    EXPECT_EQ(seen(), before);
    EXPECT_EQ(program().caption(Command::Redo), QStringLiteral("Re&do ") + c.named);
    program().execute(Command::Redo);
    EXPECT_EQ(seen(), after);
    // Back once more: the change's other side holds after a round trip too.
    program().execute(Command::Undo);
    EXPECT_EQ(seen(), before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, UndoEveryChange, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<ChangeCase>& param) { return std::string(param.param.kind); });

TEST_F(UndoTest, AHundredChangesComeBackInOrderAndTheMenuItemsFollow)
{
    EXPECT_FALSE(program().isEnabled(Command::Undo));
    EXPECT_EQ(program().caption(Command::Undo), QStringLiteral("U&ndo"));
    const Seen start = seen();
    for (int i = 0; i < 120; ++i) {
        const int meal = i / Meal::Capacity;
        menu().dayPageChange(meal / MealsPerDay);
        menu().mealTabChange(meal % MealsPerDay);
        drop(i % 3);
    }
    ASSERT_EQ(history->stack().count(), 120);
    for (int i = 0; i < 120; ++i)
        program().execute(Command::Undo);
    EXPECT_FALSE(program().isEnabled(Command::Undo));
    EXPECT_EQ(seen().files, start.files);
    EXPECT_EQ(program().caption(Command::Redo), QStringLiteral("Re&do Add Apple to Sunday Breakfast"));
}

TEST_F(UndoTest, AnAmpersandInANameShowsInTheMenuItem)
{
    app->foods.foodListClick(0);
    ui.foodItemAnswers.push_back(named(QStringLiteral("Mac & Cheese")));
    program().execute(Command::AddFoodItem);
    EXPECT_EQ(program().caption(Command::Undo), QStringLiteral("U&ndo Add Food Item Mac && Cheese"));
}

TEST_F(UndoTest, TypedInstructionsAreTakenBackBeforeTheChangeBeforeThem)
{
    app->recipes.dropOnIngredientList({DragSource::RecipeFoodList, 0});
    app->recipes.setInstructions(QStringLiteral("Bake."));
    program().execute(Command::Undo);
    EXPECT_EQ(app->recipes.instructions(), QString());
    EXPECT_EQ(app->recipes.count(), 1);
    program().execute(Command::Undo);
    EXPECT_EQ(app->recipes.count(), 0);
}

TEST_F(UndoTest, TypedInstructionsKeepTheirPlaceBeforeALaterChangeElsewhere)
{
    app->recipes.setInstructions(QStringLiteral("Bake."));
    app->weight.log().editCell(PlanColumn, 1, QStringLiteral("150"));
    EXPECT_EQ(program().caption(Command::Undo), QStringLiteral("U&ndo Edit Plan in Row 1"));
    program().execute(Command::Undo);
    EXPECT_EQ(app->weight.log().cell(PlanColumn, 1), QString());
    EXPECT_EQ(app->recipes.instructions(), QStringLiteral("Bake."));
    program().execute(Command::Undo);
    EXPECT_EQ(app->recipes.instructions(), QString());
}

TEST_F(UndoTest, AnInvalidServingsTextChangesNothingAndSaysSo)
{
    drop(1);
    menu().mealListClick(0);
    app->foods.setServingsText(QStringLiteral("2x"));
    const Seen before = seen();
    program().execute(Command::ChangeServings);
    EXPECT_EQ(ui.messages, (std::vector<Message>{Message::typed(menumsg::InvalidServings, Icon::Information,
                                                                  only(Button::Ok), GeneralHelpContext)}));
    EXPECT_EQ(seen(), before);
    EXPECT_EQ(menu().takeFocusRequest(), FocusTarget::Servings);
}

} // namespace
