// "activityweek.db" as the start-up loads it; a week that loads is written
// and loaded again and must come back the same. A refused file is moved
// aside: the copies are removed so that a long run does not fill the folder.

#include "fuzzapp.h"

#include "activity/activitytexts.h"

#include <QDir>
#include <QFile>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    ActivityPlanner& activity = f.app.activity;
    f.write(ActivityWeekFileName, fuzz::input(data, size));
    activity.loadDays();
    for (const DayActivities& day : activity.days().week())
        if (day.size() > MaxDayActivities)
            std::abort();
    const QByteArray first = activityWeekImage(activity.days().week());
    // A file that loads (it stays in its place) holds nothing the week does not.
    if (QFile::exists(f.path(ActivityWeekFileName)) && first != fuzz::input(data, size))
        fuzz::roundTripFailed("activities of the days, bytes");
    if (!activity.saveDays())
        std::abort();
    activity.loadDays();
    if (activityWeekImage(activity.days().week()) != first)
        fuzz::roundTripFailed("activities of the days");
    QDir folder(f.dir.path());
    for (const QString& kept : folder.entryList({ActivityWeekFileName + QStringLiteral(".damaged*")}, QDir::Files))
        folder.remove(kept);
    f.forget();
    return 0;
}
