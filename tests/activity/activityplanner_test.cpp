// The calories burned, the calorie balance, the "&Activity" commands and the
// Add Activity dialog's rules.

#include "activityfixture.h"

namespace tolvane::test {
namespace {

class BalanceTest : public ActivityTest {
protected:
    void SetUp() override
    {
        writeActivities({activityRecord(QStringLiteral("Cycling"), 25), activityRecord(QStringLiteral("Golf"), 27),
                         activityRecord(QStringLiteral("Walking"), 300)});
        start();
        eatFeast();
    }
};

TEST_F(BalanceTest, CaloriesBurnedAndBalanceOfTheShownDay)
{
    EXPECT_EQ(activity.menuCaloriesText(), QStringLiteral("1800"));
    activity.listClick(2);
    activity.durationChange(QStringLiteral("45"));
    EXPECT_EQ(activity.caloriesBurnedText(), QStringLiteral("225"));
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("1575"));
    // The initial duration is an hour.
    activity.durationChange(QStringLiteral("60"));
    EXPECT_EQ(activity.caloriesBurnedText(), QStringLiteral("300"));
}

TEST_F(BalanceTest, HalvesGoToTheEvenNeighbour)
{
    activity.durationChange(QStringLiteral("30"));
    activity.listClick(0);  // 25 an hour: 12.5
    EXPECT_EQ(activity.caloriesBurnedText(), QStringLiteral("12"));
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("1788"));  // 1787.5
    activity.listClick(1);  // 27 an hour: 13.5
    EXPECT_EQ(activity.caloriesBurnedText(), QStringLiteral("14"));
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("1786"));  // 1786.5
    // The balance uses the unrounded menu calories: 1.5 servings are 2700.
    eatFeast(QStringLiteral("0.5"));
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("2686"));  // 2700 - 13.5
}

TEST_F(BalanceTest, DurationIsReadStrictlyAndResultsEmptyWithoutANumberOrSelection)
{
    EXPECT_EQ(activity.durationText(), QStringLiteral("60"));
    EXPECT_EQ(activity.caloriesBurnedText(), QString());  // nothing selected yet
    activity.listClick(2);
    activity.durationChange(QStringLiteral(" 45 "));
    EXPECT_EQ(activity.caloriesBurnedText(), QStringLiteral("225"));
    for (const char* bad : {"", "45 min", "4 5", "abc", "-"}) {
        activity.durationChange(QString::fromLatin1(bad));
        EXPECT_EQ(activity.caloriesBurnedText(), QString()) << bad;
        EXPECT_EQ(activity.calorieBalanceText(), QString()) << bad;
    }
    activity.durationChange(QStringLiteral("1e1"));
    EXPECT_EQ(activity.caloriesBurnedText(), QStringLiteral("50"));
}

TEST_F(BalanceTest, BalanceFollowsTheShownDay)
{
    activity.listClick(2);
    EXPECT_EQ(activity.dayLabel(), QStringLiteral("Sunday"));
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("1500"));
    app.menu.dayPageChange(3);
    EXPECT_EQ(activity.dayLabel(), QStringLiteral("Wednesday"));
    EXPECT_EQ(activity.menuCaloriesText(), QStringLiteral("0"));
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("-300"));
}

TEST_F(ActivityTest, DayLabelUntilTheFirstActivation)
{
    EXPECT_EQ(activity.dayLabel(), QStringLiteral("Day Showing"));
    start();
    EXPECT_EQ(activity.dayLabel(), QStringLiteral("Sunday"));
}

TEST_F(ActivityTest, SpinControlStepsTheDurationBetweenZeroAndTwoHours)
{
    activity.stepDuration(1);
    EXPECT_EQ(activity.durationText(), QStringLiteral("61"));
    activity.durationChange(QStringLiteral("119"));
    activity.stepDuration(1);
    activity.stepDuration(1);
    EXPECT_EQ(activity.durationText(), QStringLiteral("120"));
    // A text that is not one of its positions: it goes on from where it was.
    activity.durationChange(QStringLiteral("abc"));
    activity.stepDuration(-1);
    EXPECT_EQ(activity.durationText(), QStringLiteral("119"));
    activity.durationChange(QStringLiteral("0"));
    activity.stepDuration(-1);
    EXPECT_EQ(activity.durationText(), QStringLiteral("0"));
}

TEST_F(ActivityTest, AddActivityRefusesBadEntriesAndKeepsTheDialogOpen)
{
    start();
    ui.messages.clear();
    ui.activityAnswers.push_back({ActivityAttempt{QStringLiteral("Walking"), QStringLiteral("lots"), true},
                                  ActivityAttempt{std::nullopt, QString(), true},
                                  ActivityAttempt{std::nullopt, QStringLiteral("1e40"), true},
                                  ActivityAttempt{QStringLiteral("Skiing \u96ea"), QStringLiteral(" 300 "), true},
                                  ActivityAttempt{QStringLiteral("Walking"), std::nullopt, true}});
    app.program.execute(Command::AddActivity);
    const auto error = [](const QString& text) { return Message::typed(text, Icon::Error, only(Button::Ok), 0); };
    EXPECT_EQ(ui.messages,
              (std::vector<Message>{error(QStringLiteral("The calorie field is not numeric.")),
                                    error(QStringLiteral("The calorie field is not numeric.")),
                                    error(activitymsg::OutOfRange), error(activitymsg::NameNotStorable)}));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.activityFocusAfterRefusal,
              (std::vector<ActivityForm::Field>{ActivityForm::Calories, ActivityForm::Calories,
                                                ActivityForm::Calories, ActivityForm::Name}));
    EXPECT_EQ(activity.names(), QStringList{QStringLiteral("Walking")});
    EXPECT_EQ(activity.record(0).caloriesPerHour(), 300.0L);
    EXPECT_TRUE(app.program.activityChanged());
}

TEST_F(ActivityTest, DialogKeepsItsTextsAndCancelChangesNothing)
{
    start();
    ui.activityAnswers.push_back({ActivityAttempt{QStringLiteral("Tennis"), QStringLiteral("abc"), true},
                                  ActivityAttempt{std::nullopt, std::nullopt, false}});
    app.program.execute(Command::AddActivity);
    EXPECT_EQ(activity.count(), 0);
    EXPECT_FALSE(app.program.activityChanged());
    app.program.execute(Command::AddActivity);  // cancelled at once
    ASSERT_EQ(ui.activityShown.size(), 2u);
    EXPECT_EQ(ui.activityShown[1].nameText, QStringLiteral("Tennis"));
    EXPECT_EQ(ui.activityShown[1].caloriesText, QStringLiteral("abc"));
    EXPECT_EQ(activity.count(), 0);
}

TEST_F(ActivityTest, AddedActivitiesGoToTheirSortedRowsAndTheSelectionStays)
{
    start();
    addThroughDialog(QStringLiteral("Walking"), QStringLiteral("300"));
    activity.listClick(0);
    addThroughDialog(QString(35, QLatin1Char('A')), QStringLiteral("100"));
    addThroughDialog(QStringLiteral("walking"), QStringLiteral("290"));  // duplicates are allowed
    EXPECT_EQ(activity.names(),
              (QStringList{QString(30, QLatin1Char('A')), QStringLiteral("Walking"), QStringLiteral("walking")}));
    EXPECT_EQ(activity.selectedRow(), 1);
    EXPECT_EQ(activity.caloriesBurnedText(), QStringLiteral("300"));
}

TEST_F(ActivityTest, HundredthActivityIsTheLastTheDialogOpensFor)
{
    std::vector<ActivityRecord> records;
    for (int i = 0; i < 99; ++i)
        records.push_back(activityRecord(QStringLiteral("A%1").arg(i, 2, 10, QLatin1Char('0')), 100));
    writeActivities(records);
    start();
    ui.messages.clear();
    addThroughDialog(QStringLiteral("Z"), QStringLiteral("1"));
    EXPECT_EQ(activity.count(), 100);
    addThroughDialog(QStringLiteral("Zz"), QStringLiteral("1"));
    EXPECT_EQ(activity.count(), 100);
    EXPECT_EQ(ui.activityShown.size(), 1u);
    EXPECT_EQ(ui.messages,
              std::vector<Message>{Message::typed(QStringLiteral("There are already 100 activities, buffer full."),
                                                  Icon::Information, only(Button::Ok), GeneralHelpContext)});
}

TEST_F(ActivityTest, DeleteAsksForTheSelectedActivity)
{
    writeActivities({activityRecord(QStringLiteral("Cycling"), 25), activityRecord(QStringLiteral("Walking"), 300)});
    start();
    ui.messages.clear();
    app.program.execute(Command::DeleteActivity);
    const auto info = [](const QString& text, Buttons buttons) {
        return Message::typed(text, Icon::Information, buttons, GeneralHelpContext);
    };
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], info(QStringLiteral("No item selected."), only(Button::Ok)));

    activity.listClick(1);
    ui.answers.push_back(Button::No);
    app.program.execute(Command::DeleteActivity);
    EXPECT_EQ(ui.messages.back(),
              info(QStringLiteral("Are you sure you want to delete - Walking"), Button::Yes | Button::No));
    EXPECT_EQ(activity.count(), 2);
    EXPECT_FALSE(app.program.activityChanged());

    ui.answers.push_back(Button::Yes);
    app.program.execute(Command::DeleteActivity);
    EXPECT_EQ(activity.names(), QStringList{QStringLiteral("Cycling")});
    EXPECT_EQ(activity.selectedRow(), -1);
    EXPECT_EQ(activity.caloriesBurnedText(), QString());
    EXPECT_EQ(activity.calorieBalanceText(), QString());
    EXPECT_TRUE(app.program.activityChanged());
}

TEST_F(ActivityTest, ActivityMenuIsLiveOnlyOnItsPage)
{
    start();
    EXPECT_TRUE(app.program.isEnabled(Command::AddActivity));
    EXPECT_TRUE(app.program.isEnabled(Command::DeleteActivity));
    EXPECT_FALSE(app.program.isMenuEnabled(TopMenu::Activity));
    app.program.pageControlChange(ActivityPlannerPageIndex);
    EXPECT_TRUE(app.program.isMenuEnabled(TopMenu::Activity));
    app.program.pageControlChange(MenuPlannerPageIndex);
    EXPECT_FALSE(app.program.isMenuEnabled(TopMenu::Activity));
}

} // namespace
} // namespace tolvane::test
