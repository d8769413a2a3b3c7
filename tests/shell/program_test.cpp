// The main window's behaviour: start-up order, settings, page enabling, close.

#include "food/foodtableio.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class ProgramTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    QString settingsPath = dir.filePath(QStringLiteral("config/Tolvane.conf"));
    SettingsStore settings{settingsPath};
    Program program{ui, settings, dir.path()};
    FoodList foods{program, ui};
    QStringList events;

    void SetUp() override
    {
        writeAll(dir.filePath(FoodTableFileName), tableBytes(numberedItems(3)));
        auto log = [this](const char* name) { return [this, name] { events.append(QString::fromLatin1(name)); }; };
        program.hooks.loadCurrentMenu = log("menu");
        program.hooks.loadActivityTable = log("activity");
        program.hooks.refreshFoodPanel = log("panel");
        program.hooks.clearDragState = log("drag");
        program.hooks.resetRecipe = log("recipe");
        program.hooks.resetWeightPage = log("weight");
        program.hooks.showCurrentMeal = log("meal");
        program.hooks.openTutor = log("tutor");
        program.hooks.saveWeightFile = [this] {
            events.append(QStringLiteral("saveWeight"));
            return weightSaveGoesOn;
        };
        program.hooks.saveActivityTable = log("saveActivity");
    }

    bool weightSaveGoesOn = true;

    QVariant stored(const QString& key) const { return QSettings(settingsPath, QSettings::NativeFormat).value(key); }
};

} // namespace

TEST_F(ProgramTest, StartsInTheGivenOrderAndSelectsTheFirstFood)
{
    ASSERT_TRUE(program.formCreate().ok);
    EXPECT_EQ(events, QStringList({QStringLiteral("menu"), QStringLiteral("activity"), QStringLiteral("panel"),
                                   QStringLiteral("drag"), QStringLiteral("recipe"), QStringLiteral("weight")}));
    EXPECT_EQ(foods.foodTable().count(), 3);
    EXPECT_EQ(foods.selectedFoodRow(), 0);
    EXPECT_FALSE(foods.foodTable().personalListShown());
    EXPECT_EQ(program.currentPage(), MenuPlannerPageIndex);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProgramTest, FirstStartUsesAndWritesTheDefaultPositionAndOpensTheTutorOnce)
{
    ASSERT_TRUE(program.formCreate().ok);
    EXPECT_EQ(program.windowTop(), 10);
    EXPECT_EQ(program.windowLeft(), 25);
    EXPECT_EQ(stored(QStringLiteral("Top")).toInt(), 10);
    EXPECT_EQ(stored(QStringLiteral("Left")).toInt(), 25);
    EXPECT_TRUE(program.firstRun());

    program.formActivate();
    program.formActivate();
    EXPECT_EQ(events.count(QStringLiteral("tutor")), 1);
    EXPECT_EQ(events.count(QStringLiteral("meal")), 2);
}

TEST_F(ProgramTest, LaterStartReadsThePositionAndReplacesWhatIsUnreadable)
{
    {
        QSettings s(settingsPath, QSettings::NativeFormat);
        s.setValue(QStringLiteral("Top"), 200);
        s.setValue(QStringLiteral("Left"), QStringLiteral("far left"));
    }
    ASSERT_TRUE(program.formCreate().ok);
    EXPECT_EQ(program.windowTop(), 200);
    EXPECT_EQ(program.windowLeft(), 25);
    EXPECT_EQ(stored(QStringLiteral("Left")).toInt(), 25);
    EXPECT_FALSE(program.firstRun());
    program.formActivate();
    EXPECT_EQ(events.count(QStringLiteral("tutor")), 0);
}

TEST_F(ProgramTest, ResizeWritesThePositionAtOnce)
{
    ASSERT_TRUE(program.formCreate().ok);
    program.formResize(123, 456);
    EXPECT_EQ(stored(QStringLiteral("Top")).toInt(), 123);
    EXPECT_EQ(stored(QStringLiteral("Left")).toInt(), 456);
    // The same place again writes nothing: a change made meanwhile stays.
    QSettings(settingsPath, QSettings::NativeFormat).setValue(QStringLiteral("Top"), 7);
    program.formResize(123, 456);
    EXPECT_EQ(stored(QStringLiteral("Top")).toInt(), 7);
    program.formResize(124, 456);
    EXPECT_EQ(stored(QStringLiteral("Top")).toInt(), 124);
    // Closing does not touch it.
    program.formCloseQuery();
    program.formClose();
    EXPECT_EQ(stored(QStringLiteral("Top")).toInt(), 124);
}

TEST_F(ProgramTest, APlaceOffTheScreenIsShownInsideItAndKeptStored)
{
    {
        QSettings s(settingsPath, QSettings::NativeFormat);
        s.setValue(QStringLiteral("Top"), 900);
        s.setValue(QStringLiteral("Left"), 2000);
    }
    ASSERT_TRUE(program.formCreate().ok);
    const QSize frame(640, 480);
    // A place that fits is kept as it is.
    EXPECT_EQ(program.startPosition(frame, QRect(0, 0, 3840, 2160)), QPoint(2000, 900));
    // Off to the right and below: moved in just far enough.
    const QRect screen(0, 30, 1024, 738);
    EXPECT_EQ(program.startPosition(frame, screen), QPoint(1024 - 640, 30 + 738 - 480));
    // Shown there, the window keeps the stored place for the next run...
    program.formResize(30 + 738 - 480, 1024 - 640);
    EXPECT_EQ(stored(QStringLiteral("Top")).toInt(), 900);
    EXPECT_EQ(stored(QStringLiteral("Left")).toInt(), 2000);
    // ...until the user moves it and it is minimised or restored elsewhere.
    program.formResize(40, 50);
    EXPECT_EQ(stored(QStringLiteral("Top")).toInt(), 40);
    EXPECT_EQ(stored(QStringLiteral("Left")).toInt(), 50);

    // A window larger than the free area (twice the size at a scale of 2)
    // keeps its top left corner on the screen.
    EXPECT_EQ(program.startPosition(QSize(1280, 960), screen), QPoint(0, 30));
    EXPECT_EQ(program.startPosition(QSize(100, 100), QRect(-1280, -200, 1280, 1024)), QPoint(-100, 40));
}

TEST_F(ProgramTest, UnwritableSettingsEndTheStartWithAFailureStatus)
{
    // The settings file's folder is a plain file: nothing can be stored.
    writeAll(dir.filePath(QStringLiteral("config")), "not a folder");
    const StartResult result = program.formCreate();
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.exitStatus, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Message({QStringLiteral("There is a problem writing to the registry. Exit"),
                                       QStringLiteral("Registry Error"), Icon::None, only(Button::Ok), 0}));
}

TEST_F(ProgramTest, DamagedFoodTableEndsTheStartBeforeAnythingElseLoads)
{
    writeAll(dir.filePath(FoodTableFileName), QByteArray(150, 'q'));
    const StartResult result = program.formCreate();
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(QFile::exists(settingsPath));
}

TEST_F(ProgramTest, EachPageEnablesItsOwnMenus)
{
    ASSERT_TRUE(program.formCreate().ok);
    // As started: the planner's menus only.
    EXPECT_TRUE(program.isMenuEnabled(TopMenu::FoodItem));
    EXPECT_TRUE(program.isMenuEnabled(TopMenu::Menu));
    EXPECT_FALSE(program.isMenuEnabled(TopMenu::Recipe));
    EXPECT_FALSE(program.isMenuEnabled(TopMenu::Weight));
    EXPECT_FALSE(program.isMenuEnabled(TopMenu::Activity));

    struct Row {
        int page;
        bool food, menu, recipe, weight, activity;
    };
    const Row table[] = {
        {RecipesPageIndex, false, false, true, false, false},   {WeightPageIndex, false, false, false, true, false},
        {RdaPageIndex, false, false, false, false, false},      {CalculatorsPageIndex, false, false, false, false, false},
        {ActivityPlannerPageIndex, false, false, false, false, true}, {MenuPlannerPageIndex, true, true, false, false, false},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.page);
        program.pageControlChange(row.page);
        EXPECT_EQ(program.isMenuEnabled(TopMenu::FoodItem), row.food);
        EXPECT_EQ(program.isMenuEnabled(TopMenu::Menu), row.menu);
        EXPECT_EQ(program.isMenuEnabled(TopMenu::Recipe), row.recipe);
        EXPECT_EQ(program.isMenuEnabled(TopMenu::Weight), row.weight);
        EXPECT_EQ(program.isMenuEnabled(TopMenu::Activity), row.activity);
        EXPECT_TRUE(program.isMenuEnabled(TopMenu::Main));
        EXPECT_TRUE(program.isMenuEnabled(TopMenu::Print));
        EXPECT_TRUE(program.isMenuEnabled(TopMenu::Help));
    }
}

TEST_F(ProgramTest, PlannerToolButtonsWorkOnlyOnThePlannerPage)
{
    ASSERT_TRUE(program.formCreate().ok);
    // Buttons whose commands exist report their page state; the exit button always works.
    program.setHandler(Command::CopyMeal, [] {});
    program.setHandler(Command::PrintMenu, [] {});
    program.pageControlChange(RecipesPageIndex);
    EXPECT_FALSE(program.isToolButtonEnabled(Command::CopyMeal));
    EXPECT_TRUE(program.isToolButtonEnabled(Command::PrintMenu));
    EXPECT_TRUE(program.isToolButtonEnabled(Command::Exit));

    foods.selectFoodRow(2);
    program.pageControlChange(MenuPlannerPageIndex);
    EXPECT_TRUE(program.isToolButtonEnabled(Command::CopyMeal));
    EXPECT_EQ(foods.selectedFoodRow(), 0);

    int planners = 0;
    for (const auto& b : toolButtons())
        planners += isPlannerToolButton(b.command) ? 1 : 0;
    EXPECT_EQ(planners, 9);
}

TEST_F(ProgramTest, CloseAsksAboutUnsavedWeightDataOnce)
{
    ASSERT_TRUE(program.formCreate().ok);
    program.setWeightChanged(true);
    ui.answers.push_back(Button::No);
    EXPECT_TRUE(program.formCloseQuery());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Message({QStringLiteral("Do you want to save the weight data?"),
                                       QStringLiteral("Information"), Icon::Information,
                                       Button::Yes | Button::No | only(Button::Cancel), 11}));
    EXPECT_EQ(events.count(QStringLiteral("saveWeight")), 0);
    EXPECT_TRUE(program.closing());

    ui.answers.push_back(Button::Yes);
    program.setActivityChanged(true);
    EXPECT_TRUE(program.formCloseQuery());
    EXPECT_EQ(events.count(QStringLiteral("saveWeight")), 1);
    EXPECT_EQ(events.count(QStringLiteral("saveActivity")), 1);
}

TEST_F(ProgramTest, CancelAtTheWeightQuestionOrItsSaveKeepsTheProgramOpen)
{
    ASSERT_TRUE(program.formCreate().ok);
    program.setWeightChanged(true);
    program.setActivityChanged(true);
    // Cancel: nothing saved, nothing closing; the food item panel still follows.
    ui.answers = {Button::Cancel};
    program.closeClick();
    EXPECT_FALSE(program.formCloseQuery());
    EXPECT_FALSE(program.closing());
    EXPECT_EQ(events.count(QStringLiteral("saveWeight")), 0);
    EXPECT_EQ(events.count(QStringLiteral("saveActivity")), 0);
    // Yes, then no file chosen: still open, asked again at the next close.
    weightSaveGoesOn = false;
    ui.answers = {Button::Yes};
    EXPECT_FALSE(program.formCloseQuery());
    EXPECT_EQ(events.count(QStringLiteral("saveWeight")), 1);
    EXPECT_EQ(events.count(QStringLiteral("saveActivity")), 0);
    EXPECT_FALSE(program.closing());
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(ProgramTest, ExitAndAboutAreLiveFromTheStartOtherCommandsWaitForTheirHandlers)
{
    ASSERT_TRUE(program.formCreate().ok);
    EXPECT_TRUE(program.isEnabled(Command::Exit));
    EXPECT_TRUE(program.isEnabled(Command::About));
    EXPECT_FALSE(program.isEnabled(Command::RemoveFromPersonalList));
    program.execute(Command::About);
    EXPECT_EQ(ui.aboutShown, 1);
    program.execute(Command::Exit);
    EXPECT_TRUE(program.closing());
    EXPECT_EQ(ui.closeRequests, 1);
}

TEST_F(ProgramTest, InsertPutsTheItemInPlaceWritesTheFileAndSelectsIt)
{
    ASSERT_TRUE(program.formCreate().ok);
    events.clear();
    const int row = foods.insertFoodItem(makeItem(QStringLiteral("Item 0001a")), QString());
    EXPECT_EQ(row, 2);
    EXPECT_EQ(foods.selectedFoodRow(), 2);
    EXPECT_EQ(events, QStringList{QStringLiteral("panel")});
    const QByteArray bytes = readAll(dir.filePath(FoodTableFileName));
    ASSERT_EQ(bytes.size(), 4 * 101);
    EXPECT_EQ(bytes.mid(2 * 101, 101), tableBytes({makeItem(QStringLiteral("Item 0001a"))}));
}
