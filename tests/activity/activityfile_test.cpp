// The activity table file: records byte for byte, and what the reader makes
// of files that are cut short, overlong or not activity records at all.

#include "storage/activityfile.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text)); }

// "Walking", 300 calories per hour: length 7, the name, 23 unused bytes, then
// 300 = 1.171875 x 2^8 as a stored real (exponent 129 + 8, fraction 11/64).
const QByteArray WalkingRecord = hex("0757616c6b696e67"
                                     "0000000000000000000000000000000000000000000000"
                                     "890000000016");
// "Cycling", 25 calories per hour: 25 = 1.5625 x 2^4.
const QByteArray CyclingRecord = hex("074379636c696e67"
                                     "0000000000000000000000000000000000000000000000"
                                     "850000000048");

ActivityRecord makeRecord(const QString& name, long double calories)
{
    ActivityRecord record;
    EXPECT_EQ(record.setName(name), EncodeResult::Ok);
    EXPECT_TRUE(record.setCaloriesPerHour(calories));
    return record;
}

TEST(ActivityFile, RecordsAreWrittenByteForByteInListOrder)
{
    ASSERT_EQ(WalkingRecord.size(), ActivityRecord::Size);
    EXPECT_EQ(activityImage({makeRecord(QStringLiteral("Cycling"), 25), makeRecord(QStringLiteral("Walking"), 300)}),
              CyclingRecord + WalkingRecord);
    EXPECT_TRUE(activityImage({}).isEmpty());
}

TEST(ActivityFile, ReadingGivesBackNamesValuesAndUnusedBytes)
{
    QByteArray walking = WalkingRecord;
    walking[20] = '\x5a';  // a byte after the name that the program never uses
    const ActivityFileRead read = readActivityImage(CyclingRecord + walking);
    EXPECT_EQ(read.problem, ActivityFileProblem::None);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0].name(), QStringLiteral("Cycling"));
    EXPECT_EQ(read.records[0].caloriesPerHour(), 25.0L);
    EXPECT_EQ(read.records[1].name(), QStringLiteral("Walking"));
    EXPECT_EQ(read.records[1].caloriesPerHour(), 300.0L);
    EXPECT_EQ(activityImage(read.records), CyclingRecord + walking);
}

TEST(ActivityFile, ReaderStopsAtTheFirstProblem)
{
    {
        const ActivityFileRead read = readActivityImage(WalkingRecord + CyclingRecord.left(36));
        EXPECT_EQ(read.problem, ActivityFileProblem::Truncated);
        EXPECT_EQ(read.problemRecord, 1);
        EXPECT_EQ(read.records.size(), 1u);
    }
    {
        const ActivityFileRead read = readActivityImage(hex("07"));
        EXPECT_EQ(read.problem, ActivityFileProblem::Truncated);
        EXPECT_TRUE(read.records.empty());
    }
    {
        QByteArray bad = CyclingRecord;
        bad[0] = '\x1f';  // 31 characters do not fit the name
        const ActivityFileRead read = readActivityImage(WalkingRecord + bad + WalkingRecord);
        EXPECT_EQ(read.problem, ActivityFileProblem::BadName);
        EXPECT_EQ(read.problemRecord, 1);
        EXPECT_EQ(read.records.size(), 1u);
    }
    {
        QByteArray full;
        for (int i = 0; i < MaxActivities; ++i)
            full += WalkingRecord;
        EXPECT_EQ(readActivityImage(full).problem, ActivityFileProblem::None);
        EXPECT_EQ(readActivityImage(full).records.size(), 100u);
        const ActivityFileRead over = readActivityImage(full + hex("00"));
        EXPECT_EQ(over.problem, ActivityFileProblem::TooMany);
        EXPECT_EQ(over.records.size(), 100u);
        EXPECT_EQ(ActivityFileReadLimit, full.size() + 1);
    }
    EXPECT_EQ(readActivityImage({}).problem, ActivityFileProblem::None);
}

TEST(ActivityFile, ValuesAreKeptAsTheStoredRealHoldsThem)
{
    ActivityRecord record;
    ASSERT_TRUE(record.setCaloriesPerHour(0.1L));
    EXPECT_EQ(record.caloriesPerHour(), roundToReal6(0.1L));
    EXPECT_FALSE(record.setCaloriesPerHour(1e40L));
    EXPECT_EQ(record.caloriesPerHour(), roundToReal6(0.1L));
    EXPECT_EQ(record.setName(QString(31, QLatin1Char('x'))), EncodeResult::TooLong);
}

} // namespace
} // namespace tolvane
