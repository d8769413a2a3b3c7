// The file of the week's day lists: bytes of a known week, and every way the
// reader refuses a file that is cut short, overlong or out of range.

#include "activity/activityweekfile.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text)); }

// The activity records (see the activity table's test) and minutes as stored
// reals: 45 = 1.40625 x 2^5, 30.5 = 1.90625 x 2^4, 1440 = 1.40625 x 2^10.
const QByteArray Walking = hex("0757616c6b696e67" "0000000000000000000000000000000000000000000000" "890000000016");
const QByteArray Cycling = hex("074379636c696e67" "0000000000000000000000000000000000000000000000" "850000000048");
const QByteArray Min45 = hex("860000000034");
const QByteArray Min30_5 = hex("850000000074");
const QByteArray Min1440 = hex("8b0000000034");
const QByteArray None = hex("0000");

DayActivity dayActivity(const QByteArray& record, long double minutes)
{
    DayActivity activity;
    std::copy(record.begin(), record.end(), activity.activity.bytes.begin());
    EXPECT_TRUE(storeReal6(minutes, activity.minutes.data()));
    return activity;
}

TEST(ActivityWeekFile, GoldenBytesAndRoundTrip)
{
    ActivityWeek week;
    week[0] = {dayActivity(Walking, 45)};
    week[3] = {dayActivity(Cycling, 30.5L), dayActivity(Walking, 1440)};
    const QByteArray golden = hex("0100") + Walking + Min45 + None + None + hex("0200") + Cycling + Min30_5 +
                              Walking + Min1440 + None + None + None;
    EXPECT_EQ(activityWeekImage(week), golden);
    EXPECT_EQ(activityWeekImage(ActivityWeek{}), QByteArray(14, '\0'));

    const ActivityWeekRead read = readActivityWeekImage(golden);
    ASSERT_EQ(read.problem, ActivityWeekProblem::None);
    EXPECT_EQ(read.week, week);
    EXPECT_EQ(read.week[3][1].activity.name(), QStringLiteral("Walking"));
    EXPECT_NEAR(static_cast<double>(read.week[3][0].calories()), 12.7083333, 1e-6);

    ActivityWeek full;
    for (DayActivities& list : full)
        list.assign(MaxDayActivities, dayActivity(Cycling, 1));
    const QByteArray fullImage = activityWeekImage(full);
    EXPECT_EQ(fullImage.size(), ActivityWeekFileMaxSize);
    EXPECT_EQ(readActivityWeekImage(fullImage).week, full);
}

TEST(ActivityWeekFile, ReaderRefusesTheWholeWeekAtTheFirstProblem)
{
    const QByteArray sunday = hex("0100") + Walking + Min45;
    const QByteArray restEmpty = None.repeated(6);
    QByteArray longName = Walking;
    longName[0] = '\x1f';
    QByteArray twentyOne = hex("1500");
    for (int i = 0; i < 21; ++i)
        twentyOne += Cycling + Min45;
    struct Case {
        const char* what;
        QByteArray bytes;
        ActivityWeekProblem problem;
        int day;
        int entry;
    };
    const std::vector<Case> cases = {
        {"empty", {}, ActivityWeekProblem::Truncated, 0, -1},
        {"Saturday's count cut", QByteArray(13, '\0'), ActivityWeekProblem::Truncated, 6, -1},
        {"an activity cut", hex("0100") + Walking + Min45.left(5), ActivityWeekProblem::Truncated, 0, 0},
        {"a second activity missing", hex("0200") + Walking + Min45 + restEmpty, ActivityWeekProblem::Truncated, 0, 1},
        {"21 activities", None + twentyOne + None.repeated(5), ActivityWeekProblem::CountOutOfRange, 1, -1},
        {"a count's high byte", None + None + hex("0001") + None.repeated(4), ActivityWeekProblem::CountOutOfRange, 2,
         -1},
        {"a name of 31", sunday + hex("0100") + longName + Min45 + None.repeated(5), ActivityWeekProblem::BadName, 1,
         0},
        {"0 minutes", hex("0100") + Walking + hex("000000000000") + restEmpty, ActivityWeekProblem::BadMinutes, 0, 0},
        {"1441 minutes", hex("0100") + Walking + hex("8b0000000234") + restEmpty, ActivityWeekProblem::BadMinutes, 0,
         0},
        {"-45 minutes", hex("0100") + Walking + hex("8600000000b4") + restEmpty, ActivityWeekProblem::BadMinutes, 0, 0},
        {"a byte after Saturday", sunday + restEmpty + hex("00"), ActivityWeekProblem::TrailingBytes, 6, -1},
    };
    for (const Case& c : cases) {
        const ActivityWeekRead read = readActivityWeekImage(c.bytes);
        EXPECT_EQ(read.problem, c.problem) << c.what;
        EXPECT_EQ(read.day, c.day) << c.what;
        EXPECT_EQ(read.entry, c.entry) << c.what;
        EXPECT_EQ(read.week, ActivityWeek{}) << c.what;  // nothing of a refused file is used
    }
    // The last minute of the day and the least storable part of one are taken.
    EXPECT_EQ(readActivityWeekImage(sunday + restEmpty).problem, ActivityWeekProblem::None);
    EXPECT_TRUE(dayMinutesInRange(MaxDayMinutes));
    EXPECT_TRUE(dayMinutesInRange(1e-30L));
    EXPECT_FALSE(dayMinutesInRange(1e-40L));  // stores as 0
    EXPECT_FALSE(dayMinutesInRange(1440.001L));
    EXPECT_FALSE(dayMinutesInRange(0));
}

} // namespace
} // namespace tolvane
