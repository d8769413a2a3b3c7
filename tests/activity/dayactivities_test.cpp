// The day's list of activities: what adding refuses, the sum that replaces
// the calories burned, one list per day, and the file that keeps the week.

#include "activity/activityweekfile.h"
#include "activityfixture.h"

#include <QFile>

namespace tolvane::test {
namespace {

class DayListTest : public ActivityTest {
protected:
    void SetUp() override
    {
        writeActivities(
            {activityRecord(QStringLiteral("Cycling"), 25), activityRecord(QStringLiteral("Walking"), 300)});
    }
    void startEating()
    {
        start();
        eatFeast();
        ui.messages.clear();
    }
    QString weekPath() const { return dir.filePath(ActivityWeekFileName); }
    void add(int row, const QString& minutes)
    {
        activity.listClick(row);
        activity.durationChange(minutes);
        app.program.execute(Command::AddToDay);
    }
    Message information(const QString& text) const
    {
        return Message::typed(text, Icon::Information, only(Button::Ok), GeneralHelpContext);
    }
    Message warning(const QString& text) const
    {
        return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
    }
};

TEST_F(DayListTest, TheDaysListReplacesTheCaloriesBurnedUntilItIsEmptyAgain)
{
    startEating();
    add(1, QStringLiteral("45"));
    add(0, QStringLiteral("30"));
    EXPECT_EQ(activity.dayLines(), (std::vector<DayActivityLine>{{QStringLiteral("Walking"), QStringLiteral("45"),
                                                                  QStringLiteral("225")},
                                                                 {QStringLiteral("Cycling"), QStringLiteral("30"),
                                                                  QStringLiteral("12")}}));
    EXPECT_EQ(activity.caloriesBurnedText(), QStringLiteral("12"));   // the selected activity, 12.5
    EXPECT_EQ(activity.activityCaloriesText(), QStringLiteral("238")); // 237.5 to the even neighbour
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("1562"));  // 1562.5 likewise
    EXPECT_EQ(activity.dayRow(), 1);  // the line just added

    // A duration that does not read empties the calories burned, not the sum.
    activity.durationChange(QStringLiteral("x"));
    EXPECT_EQ(activity.caloriesBurnedText(), QString());
    EXPECT_EQ(activity.activityCaloriesText(), QStringLiteral("238"));

    for (int row : {0, 0}) {
        activity.dayListClick(row);
        app.program.execute(Command::RemoveFromDay);
    }
    EXPECT_TRUE(activity.dayActivities().empty());
    EXPECT_EQ(ui.messages, std::vector<Message>{});
    // Exactly as with no list: the selected activity over the duration.
    activity.durationChange(QStringLiteral("30"));
    EXPECT_EQ(activity.activityCaloriesText(), QStringLiteral("12"));
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("1788"));
    activity.listClick(-1);
    EXPECT_EQ(activity.activityCaloriesText(), QString());
    EXPECT_EQ(activity.calorieBalanceText(), QString());
}

TEST_F(DayListTest, RemovingSelectsTheLineThatTookItsPlace)
{
    startEating();
    for (const char* minutes : {"10", "20", "30"})
        add(1, QString::fromLatin1(minutes));
    activity.dayListClick(1);
    app.program.execute(Command::RemoveFromDay);
    EXPECT_EQ(activity.dayRow(), 1);
    EXPECT_EQ(activity.dayLines().at(1).minutes, QStringLiteral("30"));
    app.program.execute(Command::RemoveFromDay);
    EXPECT_EQ(activity.dayRow(), 0);  // the last line went: the one above it
    app.program.execute(Command::RemoveFromDay);
    EXPECT_EQ(activity.dayRow(), -1);
    app.program.execute(Command::RemoveFromDay);
    EXPECT_EQ(ui.messages, std::vector<Message>{information(QStringLiteral("No item selected."))});
}

TEST_F(DayListTest, WhatAddingRefusesChangesNothing)
{
    startEating();
    app.program.execute(Command::AddToDay);  // no activity selected
    for (const char* bad : {"", "0", "-5", "1441", "abc", "1e-60"})
        add(1, QString::fromLatin1(bad));
    const Message badMinutes =
        information(QStringLiteral("The duration must be a number of minutes above 0 and at most 1440."));
    EXPECT_EQ(ui.messages, (std::vector<Message>{information(QStringLiteral("No item selected.")), badMinutes,
                                                 badMinutes, badMinutes, badMinutes, badMinutes, badMinutes}));
    EXPECT_TRUE(activity.dayActivities().empty());
    EXPECT_FALSE(QFile::exists(weekPath()));

    for (int i = 0; i < MaxDayActivities; ++i)
        add(0, QStringLiteral("1440"));
    ui.messages.clear();
    add(1, QStringLiteral("1"));
    EXPECT_EQ(ui.messages, std::vector<Message>{information(QStringLiteral("The day already has 20 activities."))});
    EXPECT_EQ(activity.dayActivities().size(), 20u);
    EXPECT_EQ(activity.activityCaloriesText(), QStringLiteral("12000"));  // 20 x 24 hours x 25
}

TEST_F(DayListTest, EachDayIsSavedAtOnceAndKeptWhenTheTableChanges)
{
    startEating();
    add(1, QStringLiteral("45"));
    app.menu.dayPageChange(3);
    EXPECT_EQ(activity.dayLabel(), QStringLiteral("Wednesday"));
    EXPECT_TRUE(activity.dayLines().empty());
    EXPECT_EQ(activity.dayRow(), -1);  // Sunday's selection is not Wednesday's
    EXPECT_EQ(activity.activityCaloriesText(), QStringLiteral("225"));  // the selected activity again
    add(0, QStringLiteral("30"));
    EXPECT_EQ(readAll(weekPath()), activityWeekImage(activity.days().week()));
    EXPECT_EQ(activity.days().day(0).size(), 1u);
    EXPECT_EQ(activity.days().day(3).size(), 1u);

    // Walking leaves the table; Sunday keeps it as it was done.
    activity.listClick(1);
    ui.answers = {Button::Yes};
    app.program.execute(Command::DeleteActivity);
    app.menu.dayPageChange(0);
    EXPECT_EQ(activity.dayRow(), -1);  // Wednesday's selection is not Sunday's
    EXPECT_EQ(activity.dayLines().at(0).calories, QStringLiteral("225"));
    EXPECT_EQ(activity.calorieBalanceText(), QStringLiteral("1575"));

    // The next start finds the week as it was.
    const QByteArray saved = readAll(weekPath());
    ScriptedUi ui2;
    App again(ui2, settings, dir.path());
    ASSERT_TRUE(again.program.formCreate().ok);
    EXPECT_EQ(again.activity.days().week(), activity.days().week());
    EXPECT_EQ(readAll(weekPath()), saved);
}

TEST_F(DayListTest, ADamagedFileIsKeptAsideAndTheDaysStartEmpty)
{
    struct Case {
        QByteArray bytes;
        const char* problem;
    };
    QByteArray cut = QByteArray::fromHex("0100") + QByteArray(10, '\0');
    QByteArray tooMany = QByteArray(4, '\0') + QByteArray::fromHex("1500");
    const std::vector<Case> cases = {{cut, "it ends inside Sunday's activities"},
                                     {tooMany, "Tuesday has more than 20 activities"},
                                     {QByteArray(15, '\0'), "it goes on after Saturday"}};
    for (const Case& c : cases) {
        QTemporaryDir folder;
        writeAll(folder.filePath(ActivityWeekFileName), c.bytes);
        ScriptedUi user;
        SettingsStore store{folder.filePath(QStringLiteral("Tolvane.conf"))};
        App program(user, store, folder.path());
        ASSERT_TRUE(program.program.formCreate().ok);
        const QString text = QStringLiteral("The activities of the days in activityweek.db are damaged: %1. The days "
                                            "start without activities. The whole file is kept as "
                                            "activityweek.db.damaged.")
                                 .arg(QString::fromLatin1(c.problem));
        EXPECT_TRUE(std::count(user.messages.begin(), user.messages.end(), warning(text)) == 1) << c.problem;
        EXPECT_EQ(readAll(folder.filePath(QStringLiteral("activityweek.db.damaged"))), c.bytes);
        EXPECT_FALSE(QFile::exists(folder.filePath(ActivityWeekFileName)));
        EXPECT_EQ(program.activity.days().week(), ActivityWeek{});
    }
    // No file: an empty week and not a word about it.
    start();
    EXPECT_EQ(activityMessages(), std::vector<Message>{});
    EXPECT_EQ(activity.days().week(), ActivityWeek{});
}

TEST_F(DayListTest, AFileThatCannotBeWrittenIsToldOnceKeptInMemoryAndOfferedAtClose)
{
    // A folder in the file's place can be neither read nor replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(ActivityWeekFileName));
    startEating();
    ui.messages.clear();
    add(1, QStringLiteral("45"));
    add(1, QStringLiteral("15"));
    EXPECT_EQ(ui.messages, std::vector<Message>{});  // said once, at start-up
    EXPECT_EQ(activity.activityCaloriesText(), QStringLiteral("300"));
    app.program.hooks.loadActivityTable();  // as a restore does: the unwritten lists stay
    EXPECT_EQ(activity.days().day(0).size(), 2u);
    ui.answers = {Button::Discard};
    EXPECT_TRUE(app.program.formCloseQuery());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.contains(QStringLiteral("The activities of the days")))
        << qPrintable(ui.messages[0].text);

    // The next change that can be written is.
    ASSERT_TRUE(QDir(dir.path()).rmdir(ActivityWeekFileName));
    activity.dayListClick(0);
    app.program.execute(Command::RemoveFromDay);
    EXPECT_FALSE(activity.days().unsaved());
    EXPECT_EQ(readAll(weekPath()), activityWeekImage(activity.days().week()));
}

} // namespace
} // namespace tolvane::test
