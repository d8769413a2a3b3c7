#include "activity/activityweekfile.h"

#include <cstring>

namespace tolvane {

bool dayMinutesInRange(long double minutes)
{
    // The stored value is what counts: a tiny duration stores as 0.
    const long double stored = roundToReal6(minutes);
    return stored > 0 && stored <= MaxDayMinutes;
}

ActivityWeekRead readActivityWeekImage(const QByteArray& bytes)
{
    ActivityWeekRead read;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype offset = 0;
    const auto fail = [&](ActivityWeekProblem problem, int day, int entry) {
        read.week = {};
        read.problem = problem;
        read.day = day;
        read.entry = entry;
        return read;
    };
    for (int day = 0; day < 7; ++day) {
        if (size - offset < 2)
            return fail(ActivityWeekProblem::Truncated, day, -1);
        const int count = data[offset] | data[offset + 1] << 8;
        offset += 2;
        if (count > MaxDayActivities)
            return fail(ActivityWeekProblem::CountOutOfRange, day, -1);
        DayActivities& list = read.week[static_cast<std::size_t>(day)];
        for (int entry = 0; entry < count; ++entry) {
            if (size - offset < DayActivity::Size)
                return fail(ActivityWeekProblem::Truncated, day, entry);
            if (data[offset] > ActivityRecord::NameCapacity)
                return fail(ActivityWeekProblem::BadName, day, entry);
            DayActivity activity;
            std::memcpy(activity.activity.bytes.data(), data + offset, ActivityRecord::Size);
            std::memcpy(activity.minutes.data(), data + offset + DayActivity::MinutesOffset, 6);
            if (!dayMinutesInRange(activity.minutesValue()))
                return fail(ActivityWeekProblem::BadMinutes, day, entry);
            list.push_back(activity);
            offset += DayActivity::Size;
        }
    }
    if (offset != size)
        return fail(ActivityWeekProblem::TrailingBytes, 6, -1);
    return read;
}

QByteArray activityWeekImage(const ActivityWeek& week)
{
    QByteArray bytes;
    for (const DayActivities& list : week) {
        const auto count = static_cast<std::uint16_t>(list.size());
        bytes.append(static_cast<char>(count & 0xff));
        bytes.append(static_cast<char>(count >> 8));
        for (const DayActivity& activity : list) {
            bytes.append(reinterpret_cast<const char*>(activity.activity.bytes.data()), ActivityRecord::Size);
            bytes.append(reinterpret_cast<const char*>(activity.minutes.data()), 6);
        }
    }
    return bytes;
}

} // namespace tolvane
