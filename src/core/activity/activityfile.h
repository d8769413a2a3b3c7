#pragma once
// The activity table file "activity.db": no header, consecutive 37-byte
// records, the same image in memory and on disk.
//
//   0  31  name (short string, at most 30 characters)
//  31   6  calories burned per hour, a stored real
//
// A record keeps its raw bytes, so the bytes after the name come back out
// exactly as they went in.

#include "storage/real6.h"
#include "storage/shortstring.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace tolvane {

constexpr int MaxActivities = 100;

struct ActivityRecord {
    static constexpr int Size = 37;
    static constexpr int NameCapacity = 30;
    static constexpr int CaloriesOffset = 31;

    std::array<std::uint8_t, Size> bytes{};

    QString name() const { return decodeShortString(bytes.data(), NameCapacity); }
    EncodeResult setName(const QString& name) { return encodeShortString(name, bytes.data(), NameCapacity); }
    long double caloriesPerHour() const { return real6ToLongDouble(bytes.data() + CaloriesOffset); }
    // Stores the value rounded to the stored format; false (unchanged) on overflow.
    bool setCaloriesPerHour(long double value) { return storeReal6(value, bytes.data() + CaloriesOffset); }

    bool operator==(const ActivityRecord&) const = default;
};

enum class ActivityFileProblem {
    None,
    Truncated,    // the file ends inside a record
    BadName,      // a record's name length is above 30: not an activity record
    TooMany,      // more records than the table holds
};

struct ActivityFileRead {
    std::vector<ActivityRecord> records;  // the good records before any problem, at most 100
    ActivityFileProblem problem = ActivityFileProblem::None;
    int problemRecord = -1;               // index of the record where reading stopped
};

// The most bytes a reader needs to look at: a full table and one record more,
// which tells a further activity from a record cut short.
constexpr qint64 ActivityFileReadLimit = qint64{MaxActivities + 1} * ActivityRecord::Size;

// Reads the records of a file image, stopping at the first problem.
ActivityFileRead readActivityImage(const QByteArray& bytes);

// The file image of records in the given order.
QByteArray activityImage(const std::vector<ActivityRecord>& records);

} // namespace tolvane
