// "activity.db" as the start-up loads it; a table that loads is written and
// loaded again and must come back the same.

#include "fuzzapp.h"

#include "activity/activitytexts.h"

using namespace tolvane;

namespace {
QByteArray tableImage(const ActivityPlanner& activity)
{
    std::vector<ActivityRecord> records;
    for (int row = 0; row < activity.count(); ++row)
        records.push_back(activity.record(row));
    return activityImage(records);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    ActivityPlanner& activity = f.app.activity;
    f.write(ActivityFileName, fuzz::input(data, size));
    activity.loadActivityTable();
    if (activity.count() > MaxActivities)
        std::abort();
    const QByteArray first = tableImage(activity);
    if (!activity.saveActivityTable())
        std::abort();
    activity.loadActivityTable();
    if (tableImage(activity) != first)
        fuzz::roundTripFailed("activity table");
    f.forget();
    return 0;
}
