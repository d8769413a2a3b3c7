// The activity table file: records byte for byte, and where the reader stops
// in files that are cut short, overlong or not activity records at all.

#include "activity/activityfile.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text)); }

// Length 7, the name, 23 unused bytes, then the stored real:
// 300 = 1.171875 x 2^8 (exponent 129 + 8, fraction 11/64); 25 = 1.5625 x 2^4.
const QByteArray Walking = hex("0757616c6b696e67" "0000000000000000000000000000000000000000000000" "890000000016");
const QByteArray Cycling = hex("074379636c696e67" "0000000000000000000000000000000000000000000000" "850000000048");

TEST(ActivityFile, GoldenBytesAndRoundTrip)
{
    ActivityRecord cycling, walking;
    cycling.setName(QStringLiteral("Cycling"));
    cycling.setCaloriesPerHour(25);
    walking.setName(QStringLiteral("Walking"));
    walking.setCaloriesPerHour(300);
    EXPECT_EQ(activityImage({cycling, walking}), Cycling + Walking);

    QByteArray marked = Walking;
    marked[20] = '\x5a';  // an unused byte after the name comes back as it was
    const ActivityFileRead read = readActivityImage(Cycling + marked);
    EXPECT_EQ(read.problem, ActivityFileProblem::None);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[1].name(), QStringLiteral("Walking"));
    EXPECT_EQ(read.records[1].caloriesPerHour(), 300.0L);
    EXPECT_EQ(activityImage(read.records), Cycling + marked);
}

TEST(ActivityFile, ReaderStopsAtTheFirstProblem)
{
    const ActivityFileRead cut = readActivityImage(Walking + Cycling.left(36));
    EXPECT_EQ(cut.problem, ActivityFileProblem::Truncated);
    EXPECT_EQ(cut.records.size(), 1u);

    QByteArray bad = Cycling;
    bad[0] = '\x1f';  // 31 characters do not fit the name
    const ActivityFileRead notActivity = readActivityImage(Walking + bad + Walking);
    EXPECT_EQ(notActivity.problem, ActivityFileProblem::BadName);
    EXPECT_EQ(notActivity.problemRecord, 1);
    EXPECT_EQ(notActivity.records.size(), 1u);

    const QByteArray full = Walking.repeated(MaxActivities);
    EXPECT_EQ(readActivityImage(full).problem, ActivityFileProblem::None);
    const ActivityFileRead over = readActivityImage(full + Walking);
    EXPECT_EQ(over.problem, ActivityFileProblem::TooMany);
    EXPECT_EQ(over.records.size(), 100u);
    EXPECT_EQ(ActivityFileReadLimit, full.size() + Walking.size());
    // A piece of a record after a full table is a cut record, not a 101st.
    for (const QByteArray& piece : {hex("00"), Walking.left(36)}) {
        const ActivityFileRead cutAfterFull = readActivityImage(full + piece);
        EXPECT_EQ(cutAfterFull.problem, ActivityFileProblem::Truncated);
        EXPECT_EQ(cutAfterFull.problemRecord, 100);
        EXPECT_EQ(cutAfterFull.records.size(), 100u);
    }
}

} // namespace
} // namespace tolvane
