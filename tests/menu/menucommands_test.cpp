// The week's files and the Menu commands: start-up load, Load, Save As, Copy,
// Paste, Clear Meal and Clear Menu, with the user's answers.

#include "plannerfixture.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {
const Message NoMenu =
    Message::typed(QStringLiteral("No current menu found."), Icon::Information, only(Button::Ok), 17);
} // namespace

TEST_F(PlannerTest, FirstStartHasNoCurrentMenu)
{
    planner.loadCurrentMenu();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], NoMenu);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(planner.image(), MenuImage{});

    planner.showCurrentMeal();
    EXPECT_EQ(readAll(menuPath()).size(), 30022);
}

TEST_F(PlannerTest, StartUpRestoresTheWeekAndActivationFollowsItsTabs)
{
    MenuImage image;
    image.currentDay = 2;
    image.currentMeal = 1;
    image.totalsView = 3;
    image.week[weekIndex(2, 1)].append(makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}), 2);
    writeAll(menuPath(), writeMenuImage(image));

    planner.loadCurrentMenu();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(planner.image(), image);
    EXPECT_EQ(program.currentDay(), 2);

    planner.showCurrentMeal();
    EXPECT_EQ(planner.shownDay(), 2);
    EXPECT_EQ(planner.shownMealIndex(), 1);
    EXPECT_EQ(planner.totalsTab(), AverageDayTotalsView);
    EXPECT_EQ(planner.comparison(), WeekTotalsView);
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 2.0)\tBread")}));
    EXPECT_EQ(planner.rdaDayLabel(), QStringLiteral("Tuesday"));
    EXPECT_EQ(planner.rdaMealLabel(), QStringLiteral("Lunch"));
    EXPECT_EQ(planner.menuCalories(), QStringLiteral("160"));
    EXPECT_EQ(planner.menuPanel().values[0], QStringLiteral("      23"));  // 160 / 7
    EXPECT_EQ(stored(), image);
}

TEST_F(PlannerTest, DamagedCurrentMenuIsKeptAsideAndTheWeekStartsEmpty)
{
    MenuImage image;
    image.currentDay = 4;
    QByteArray bytes = writeMenuImage(image);
    bytes[6 + 1072 * 9] = 11;  // Tuesday Lunch claims eleven entries
    writeAll(menuPath(), bytes);

    planner.loadCurrentMenu();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              Message::typed(QStringLiteral("The current menu file \"currmenu.db\" is damaged: Tuesday Lunch has more "
                                            "than 10 items or a negative count. It was kept as "
                                            "\"currmenu.db.damaged\" and the program starts with an empty menu."),
                             Icon::Warning, only(Button::Ok), 17));
    EXPECT_EQ(readAll(menuPath() + QStringLiteral(".damaged")), bytes);
    EXPECT_EQ(planner.image(), MenuImage{});

    planner.showCurrentMeal();
    EXPECT_EQ(stored(), MenuImage{});
}

TEST_F(PlannerTest, ShortCurrentMenuIsKeptAsideToo)
{
    writeAll(menuPath(), QByteArray(500, '\x01'));
    planner.loadCurrentMenu();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.contains(QStringLiteral("it is too short for a menu")));
    EXPECT_EQ(readAll(menuPath() + QStringLiteral(".damaged")).size(), 500);
    EXPECT_FALSE(QFile::exists(menuPath()));

    // A later damaged menu is kept beside the earlier one, which stays.
    writeAll(menuPath(), QByteArray(20, '\x02'));
    ui.messages.clear();
    planner.loadCurrentMenu();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.contains(QStringLiteral("It was kept as \"currmenu.db.damaged.2\"")));
    EXPECT_EQ(readAll(menuPath() + QStringLiteral(".damaged")), QByteArray(500, '\x01'));
    EXPECT_EQ(readAll(menuPath() + QStringLiteral(".damaged.2")), QByteArray(20, '\x02'));
}

TEST_F(PlannerTest, CopyMondayLunchPasteFridaySnack)
{
    planner.dayPageChange(1);
    planner.mealTabChange(1);
    dropFood(0, QStringLiteral("2"));
    dropFood(2, QStringLiteral("0.5"));
    const Meal mondayLunch = planner.meal(1, 1);
    program.execute(Command::CopyMeal);
    EXPECT_EQ(planner.clipboard(), mondayLunch);

    dropFood(1);  // a later change of Monday Lunch
    planner.dayPageChange(5);
    planner.mealTabChange(3);
    program.execute(Command::PasteMeal);
    EXPECT_EQ(planner.meal(5, 3), mondayLunch);
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 2.0)\tApple"), QStringLiteral("( 0.5)\tCheese")}));
    EXPECT_EQ(stored().week[weekIndex(5, 3)], mondayLunch);
    EXPECT_EQ(planner.meal(1, 1).count(), 3);
}

TEST_F(PlannerTest, PasteBeforeAnyCopyEmptiesTheMeal)
{
    dropFood(0);
    program.execute(Command::PasteMeal);
    EXPECT_EQ(planner.shownMeal().count(), 0);
    EXPECT_TRUE(planner.mealList().isEmpty());
    EXPECT_EQ(stored().week[0].count(), 0);
}

TEST_F(PlannerTest, ClearMealEmptiesOnlyTheShownMeal)
{
    dropFood(0);
    planner.mealTabChange(2);
    dropFood(1);
    program.execute(Command::ClearMeal);
    EXPECT_EQ(planner.meal(0, 2).count(), 0);
    EXPECT_EQ(planner.meal(0, 0).count(), 1);
    EXPECT_EQ(planner.menuPanel().carbohydratePercent, QStringLiteral("0%"));
    EXPECT_EQ(stored().week[2].count(), 0);
}

TEST_F(PlannerTest, ClearMenuAnsweredNoThenYes)
{
    dropFood(0);
    program.execute(Command::CopyMeal);
    planner.dayPageChange(3);
    dropFood(1);
    const MenuImage before = stored();

    ui.answers = {Button::No};
    program.execute(Command::ClearMenu);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Message::typed(QStringLiteral("Are you sure you want to clear the menu?"),
                                             Icon::Information, Button::Yes | Button::No, 17));
    EXPECT_EQ(planner.image(), before);
    EXPECT_EQ(stored(), before);

    ui.answers = {Button::Yes};
    program.execute(Command::ClearMenu);
    for (const Meal& meal : planner.week())
        EXPECT_EQ(meal.count(), 0);
    EXPECT_TRUE(planner.mealList().isEmpty());
    EXPECT_EQ(stored().week, Week{});

    program.execute(Command::PasteMeal);  // the clipboard survived
    EXPECT_EQ(names(planner.meal(3, 0)), QStringList({QStringLiteral("Apple")}));
}

TEST_F(PlannerTest, LoadAnsweredCancelDoesNothing)
{
    ui.answers = {Button::Cancel};
    program.execute(Command::LoadMenu);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Message::typed(QStringLiteral("Do you want to save the current menu?."),
                                             Icon::Information, Button::Yes | Button::No | only(Button::Cancel), 17));
    EXPECT_TRUE(ui.openRequests.empty());
    EXPECT_FALSE(QFile::exists(menuPath()));
}

TEST_F(PlannerTest, LoadAnsweredNoAndCancelledOnlyRedisplays)
{
    dropFood(0);
    const MenuImage before = planner.image();
    ui.answers = {Button::No};
    program.execute(Command::LoadMenu);
    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].filter, QStringLiteral("Menu File (*.mnu)"));
    EXPECT_EQ(ui.openRequests[0].defaultSuffix, QStringLiteral("mnu"));
    EXPECT_TRUE(ui.saveRequests.empty());
    EXPECT_EQ(planner.image(), before);
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 1.0)\tApple")}));
}

TEST_F(PlannerTest, SaveAsThenLoadGivesTheSameWeekWithoutMovingTheTabs)
{
    planner.dayPageChange(4);
    planner.mealTabChange(2);
    planner.totalsTabChange(DayTotalsView);
    dropFood(2, QStringLiteral("3"));
    const MenuImage saved = planner.image();

    // Names typed without their suffix; the new file is created only after
    // the question.
    ui.answers = {Button::Yes, Button::Yes};
    ui.saveAnswers = {QStringLiteral("week1")};
    ui.openAnswers = {QStringLiteral("week1")};
    program.execute(Command::LoadMenu);  // saves first, then loads what it saved
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1],
              Message::plain(QStringLiteral("week1.mnu\nThis file does not exist.\nDo you want to create it?"),
                             QStringLiteral("Save As"), Icon::Warning, Button::Yes | Button::No));
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("week1.mnu"))), writeMenuImage(saved));
    // Saving over it asks nothing; "No" to a new name writes nothing.
    ui.messages.clear();
    ui.saveAnswers = {QStringLiteral("week1.mnu"), QStringLiteral("week2")};
    ui.answers = {Button::No};
    program.execute(Command::SaveMenuAs);
    program.execute(Command::SaveMenuAs);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("week2.mnu"))));

    program.execute(Command::ClearMeal);
    planner.dayPageChange(0);
    planner.mealTabChange(0);
    planner.totalsTabChange(WeekTotalsView);
    ui.answers = {Button::No};
    ui.openAnswers = {dir.filePath(QStringLiteral("week1.mnu"))};
    program.execute(Command::LoadMenu);

    EXPECT_EQ(planner.week(), saved.week);
    EXPECT_EQ(program.currentDay(), 4);
    EXPECT_EQ(planner.currentMeal(), 2);
    EXPECT_EQ(planner.totalsView(), DayTotalsView);
    EXPECT_EQ(planner.shownDay(), 0);  // the visible tabs stay
    EXPECT_EQ(planner.shownMealIndex(), 0);
    EXPECT_EQ(planner.totalsTab(), WeekTotalsView);
    EXPECT_EQ(stored(), saved);
}

TEST_F(PlannerTest, LoadOfAFileThatCannotBeOpenedKeepsTheWeek)
{
    dropFood(1);
    const MenuImage before = planner.image();
    ui.answers = {Button::No};
    ui.openAnswers = {dir.filePath(QStringLiteral("gone.mnu"))};
    program.execute(Command::LoadMenu);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1], NoMenu);
    EXPECT_EQ(planner.image(), before);
    EXPECT_EQ(stored(), before);
}

TEST_F(PlannerTest, LoadRefusesADamagedFileAndChangesNothing)
{
    dropFood(1);
    const MenuImage before = planner.image();
    const QByteArray currentBytes = readAll(menuPath());
    writeAll(dir.filePath(QStringLiteral("short.mnu")), QByteArray(30021, '\0'));
    ui.answers = {Button::No};
    ui.openAnswers = {dir.filePath(QStringLiteral("short.mnu"))};
    program.execute(Command::LoadMenu);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1],
              Message::typed(QStringLiteral("The file \"short.mnu\" is not a menu file or is damaged: it is too short "
                                            "for a menu. The current menu is unchanged."),
                             Icon::Warning, only(Button::Ok), 17));
    EXPECT_EQ(planner.image(), before);
    EXPECT_EQ(readAll(menuPath()), currentBytes);

    QByteArray badDay = writeMenuImage(MenuImage{});
    badDay[0] = 7;
    writeAll(dir.filePath(QStringLiteral("day.mnu")), badDay);
    ui.answers = {Button::No};
    ui.openAnswers = {dir.filePath(QStringLiteral("day.mnu"))};
    program.execute(Command::LoadMenu);
    EXPECT_TRUE(ui.messages.back().text.contains(QStringLiteral("current day, meal or totals view is out of range")));
    EXPECT_EQ(planner.image(), before);
}

TEST_F(PlannerTest, FailedWritesWarnAndKeepTheWeek)
{
    dropFood(0);
    const MenuImage before = planner.image();
    ui.saveAnswers = {dir.filePath(QStringLiteral("no/such/folder/week.mnu"))};
    program.execute(Command::SaveMenuAs);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], createQuestion(QStringLiteral("week.mnu")));
    EXPECT_EQ(ui.messages[1], Message::typed(QStringLiteral("Could not create current menu file."), Icon::Warning,
                                             only(Button::Ok), 17));
    EXPECT_EQ(planner.image(), before);

    // A folder where "currmenu.db" should be: the save of the current menu warns.
    QFile::remove(menuPath());
    ASSERT_TRUE(QDir(dir.path()).mkdir(CurrentMenuFileName));
    dropFood(1);
    EXPECT_EQ(ui.messages.back().text, QStringLiteral("Could not create current menu file."));
    EXPECT_EQ(planner.shownMeal().count(), 2);
}

// The current menu file is written when the week or what it shows changes,
// not when a tab shows again what the file holds (each write waits for the
// disk twice): the start's loaded week is not written back either.
TEST_F(PlannerTest, TheCurrentMenuFileIsWrittenOnlyWhenItsBytesChange)
{
    const auto fileId = [&] {
        struct stat s {};
        return ::stat(QFile::encodeName(menuPath()).constData(), &s) == 0 ? s.st_ino : 0;
    };
    planner.dayPageChange(2);
    const auto written = fileId();
    ASSERT_NE(written, 0u);
    planner.dayPageChange(2);
    planner.mealTabChange(0);
    planner.loadCurrentMenu();
    planner.showCurrentMeal();
    EXPECT_EQ(fileId(), written);
    planner.mealTabChange(3);
    EXPECT_NE(fileId(), written);
    EXPECT_EQ(stored().currentMeal, 3);
    EXPECT_EQ(stored().currentDay, 2);
}

TEST_F(PlannerTest, TotalsTabAndSelectionFollowEachOther)
{
    planner.mealTabChange(1);
    dropFood(1, QStringLiteral("2"));  // Sunday Lunch: 160 calories
    planner.dayPageChange(1);
    dropFood(2);                       // Monday Lunch: 110 calories
    planner.dayPageChange(0);
    planner.mealTabChange(0);

    planner.totalsTabChange(AverageDayTotalsView);
    EXPECT_EQ(planner.comparison(), WeekTotalsView);
    EXPECT_EQ(stored().totalsView, AverageDayTotalsView);

    planner.comparisonClick(DayTotalsView);
    EXPECT_EQ(planner.totalsTab(), DayTotalsView);
    EXPECT_EQ(planner.totalsView(), DayTotalsView);
    EXPECT_EQ(planner.comparison(), DayTotalsView);
    EXPECT_EQ(planner.menuPanel().values[0], QStringLiteral("     160"));

    planner.comparisonClick(WeekTotalsView);
    EXPECT_EQ(planner.menuPanel().values[0], QStringLiteral("     270"));
    planner.totalsTabChange(MealTotalsView);
    EXPECT_EQ(planner.comparison(), MealTotalsView);
    EXPECT_EQ(planner.menuPanel().values[0], QString());  // Sunday Breakfast is empty
    EXPECT_EQ(planner.menuPanel().fatPercent, QStringLiteral("0%"));
    EXPECT_EQ(planner.menuCalories(), QStringLiteral("160"));
}
