#pragma once
// The activities of each day of the week, "activityweek.db", beside the
// activity table. Little-endian, no header; the seven days from Sunday to
// Saturday, each:
//
//   0   2  count of the day's activities (0 to 20)
//   2   count x 43  the activities, in the order they were added:
//        0  31  name (short string, at most 30 characters)
//       31   6  calories burned per hour, a stored real
//       37   6  minutes, a stored real above 0 and at most 1440
//
// The first 37 bytes of an activity are a copy of its record in the activity
// table as it was when it was added, so a day keeps what was done even when
// the table changes later. An empty week is 14 bytes, a full one 6034.

#include "activity/activityfile.h"

#include <QByteArray>
#include <array>
#include <vector>

namespace tolvane {

constexpr int MaxDayActivities = 20;
constexpr int MaxDayMinutes = 1440;

struct DayActivity {
    static constexpr int Size = ActivityRecord::Size + 6;  // 43
    static constexpr int MinutesOffset = ActivityRecord::Size;

    ActivityRecord activity;
    Real6 minutes{};

    long double minutesValue() const { return real6ToLongDouble(minutes); }
    // The calories burned, unrounded, worked out as for the selected activity.
    long double calories() const { return activity.caloriesPerHour() * (minutesValue() * (1.0L / 60.0L)); }
    bool operator==(const DayActivity&) const = default;
};

using DayActivities = std::vector<DayActivity>;
using ActivityWeek = std::array<DayActivities, 7>;

// The largest file a full week makes; a reader needs to look at one byte more.
constexpr qint64 ActivityWeekFileMaxSize = 7 * (2 + qint64{MaxDayActivities} * DayActivity::Size);

enum class ActivityWeekProblem {
    None,
    Truncated,        // the file ends inside a count or an activity
    CountOutOfRange,  // a day's count above 20
    BadName,          // a name length above 30
    BadMinutes,       // minutes not above 0 and at most 1440
    TrailingBytes,    // bytes after Saturday's activities
};

struct ActivityWeekRead {
    ActivityWeek week{};  // meaningful only when problem is None
    ActivityWeekProblem problem = ActivityWeekProblem::None;
    int day = -1;         // where the problem is: the day (0 = Sunday) ...
    int entry = -1;       // ... and the activity in it (-1: its count)
};

// Reads a whole file image; any problem refuses the whole week.
ActivityWeekRead readActivityWeekImage(const QByteArray& bytes);

QByteArray activityWeekImage(const ActivityWeek& week);

// True when `minutes` can be a day's activity once stored.
bool dayMinutesInRange(long double minutes);

} // namespace tolvane
