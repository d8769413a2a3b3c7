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
        EXPECT_EQ(activity.dayLabel(), QStringLiteral("Day Showing"));
        start();
        eatFeast();
    }
    // With no activity in the day's list, the activity calories field shows
    // the calories burned.
    void expectResults(const char* burned, const char* balance)
    {
        EXPECT_EQ(activity.caloriesBurnedText(), QString::fromLatin1(burned));
        EXPECT_EQ(activity.activityCaloriesText(), QString::fromLatin1(burned));
        EXPECT_EQ(activity.calorieBalanceText(), QString::fromLatin1(balance));
    }
};

TEST_F(BalanceTest, WorkedExamplesAndHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(activity.menuCaloriesText(), QStringLiteral("1800"));
    expectResults("", "");  // nothing selected
    activity.listClick(2);
    expectResults("300", "1500");  // the initial hour
    activity.durationChange(QStringLiteral("45"));
    expectResults("225", "1575");
    activity.durationChange(QStringLiteral("30"));
    activity.listClick(0);
    expectResults("12", "1788");  // 12.5 and 1787.5
    activity.listClick(1);
    expectResults("14", "1786");  // 13.5 and 1786.5
    eatFeast(QStringLiteral("0.5"));
    expectResults("14", "2686");  // the unrounded 13.5 from 2700
}

TEST_F(BalanceTest, DurationIsReadStrictly)
{
    activity.listClick(2);
    activity.durationChange(QStringLiteral(" 1e1 "));
    expectResults("50", "1750");
    for (const char* bad : {"", "45 min", "4 5", "-"}) {
        activity.durationChange(QString::fromLatin1(bad));
        expectResults("", "");
    }
}

TEST_F(BalanceTest, BalanceFollowsTheShownDay)
{
    activity.listClick(2);
    EXPECT_EQ(activity.dayLabel(), QStringLiteral("Sunday"));
    app.menu.dayPageChange(3);
    EXPECT_EQ(activity.dayLabel(), QStringLiteral("Wednesday"));
    EXPECT_EQ(activity.menuCaloriesText(), QStringLiteral("0"));
    expectResults("300", "-300");
}

TEST_F(ActivityTest, SpinControlStepsTheDurationBetweenZeroAndTwoHours)
{
    activity.stepDuration(1);
    EXPECT_EQ(activity.durationText(), QStringLiteral("61"));
    activity.durationChange(QStringLiteral("120"));
    activity.stepDuration(1);
    EXPECT_EQ(activity.durationText(), QStringLiteral("120"));
    activity.durationChange(QStringLiteral("abc"));  // goes on from where it was
    activity.stepDuration(-1);
    EXPECT_EQ(activity.durationText(), QStringLiteral("119"));
}

TEST_F(ActivityTest, AddActivityRefusesBadEntriesAndKeepsItsTexts)
{
    start();
    ui.messages.clear();
    ui.activityAnswers.push_back({ActivityAttempt{QStringLiteral("Walking"), QStringLiteral("lots")},
                                  ActivityAttempt{std::nullopt, QStringLiteral("1e40")},
                                  ActivityAttempt{QStringLiteral("Skiing \u96ea"), QStringLiteral(" 300 ")},
                                  ActivityAttempt{QStringLiteral("Walking"), std::nullopt, false}});
    app.program.execute(Command::AddActivity);
    const auto error = [](const QString& text) { return Message::typed(text, Icon::Error, only(Button::Ok), 0); };
    EXPECT_EQ(ui.messages, (std::vector<Message>{error(QStringLiteral("The calorie field is not numeric.")),
                                                 error(activitymsg::OutOfRange), error(activitymsg::NameNotStorable)}));
    EXPECT_EQ(ui.activityFocusAfterRefusal, (std::vector{ActivityForm::Calories, ActivityForm::Calories,
                                                         ActivityForm::Name}));
    EXPECT_EQ(activity.count(), 0);  // cancelled at last
    EXPECT_FALSE(app.program.activityChanged());

    ui.activityAnswers.push_back({ActivityAttempt{}});
    app.program.execute(Command::AddActivity);
    EXPECT_EQ(ui.activityShown[1].caloriesText, QStringLiteral(" 300 "));
    EXPECT_EQ(activity.names(), QStringList{QStringLiteral("Walking")});
    EXPECT_EQ(activity.record(0).caloriesPerHour(), 300.0L);
    EXPECT_TRUE(app.program.activityChanged());
}

TEST_F(ActivityTest, AddedActivitiesGoToTheirSortedRowsUpToAHundred)
{
    std::vector<ActivityRecord> records;
    for (int i = 0; i < 97; ++i)
        records.push_back(activityRecord(QStringLiteral("B%1").arg(i, 2, 10, QLatin1Char('0')), 100));
    writeActivities(records);
    start();
    activity.listClick(0);
    ui.messages.clear();
    addThroughDialog(QString(35, QLatin1Char('A')), QStringLiteral("100"));
    addThroughDialog(QStringLiteral("b00"), QStringLiteral("1"));  // duplicates are allowed
    addThroughDialog(QStringLiteral("Z"), QStringLiteral("1"));
    EXPECT_EQ(activity.names().mid(0, 3),
              (QStringList{QString(30, QLatin1Char('A')), QStringLiteral("B00"), QStringLiteral("b00")}));
    EXPECT_EQ(activity.selectedRow(), 1);  // still on "B00"
    addThroughDialog(QStringLiteral("Zz"), QStringLiteral("1"));
    EXPECT_EQ(activity.count(), 100);
    EXPECT_EQ(ui.activityShown.size(), 3u);
    EXPECT_EQ(ui.messages, std::vector<Message>{Message::typed(
                               QStringLiteral("There are already 100 activities, buffer full."), Icon::Information,
                               only(Button::Ok), GeneralHelpContext)});
}

TEST_F(ActivityTest, DeleteAsksForTheSelectedActivity)
{
    writeActivities({activityRecord(QStringLiteral("Cycling"), 25), activityRecord(QStringLiteral("Walking"), 300)});
    start();
    ui.messages.clear();
    app.program.execute(Command::DeleteActivity);
    activity.listClick(1);
    ui.answers = {Button::No, Button::Yes};
    app.program.execute(Command::DeleteActivity);
    EXPECT_EQ(activity.count(), 2);
    EXPECT_FALSE(app.program.activityChanged());
    app.program.execute(Command::DeleteActivity);
    const Message question = Message::typed(QStringLiteral("Are you sure you want to delete - Walking"),
                                            Icon::Information, Button::Yes | Button::No, GeneralHelpContext);
    EXPECT_EQ(ui.messages, (std::vector<Message>{Message::typed(QStringLiteral("No item selected."), Icon::Information,
                                                                only(Button::Ok), GeneralHelpContext),
                                                 question, question}));
    EXPECT_EQ(activity.names(), QStringList{QStringLiteral("Cycling")});
    EXPECT_EQ(activity.caloriesBurnedText(), QString());
    EXPECT_TRUE(app.program.activityChanged());
}

} // namespace
} // namespace tolvane::test
