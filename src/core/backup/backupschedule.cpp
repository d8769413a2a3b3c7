#include "backup/backupschedule.h"

#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace tolvane {

namespace {
const QString TimePattern = QStringLiteral("yyyy-MM-dd HHmmss");
const QString AutoPrefix = QStringLiteral("auto ");
const QString Suffix = QStringLiteral(".zip");
} // namespace

QString automaticBackupName(const QDateTime& time)
{
    return AutoPrefix + time.toLocalTime().toString(TimePattern) + Suffix;
}

std::optional<QDateTime> automaticBackupTime(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^auto (\d{4}-\d{2}-\d{2} \d{6})\.zip$)"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const QDateTime time = QDateTime::fromString(match.captured(1), TimePattern);
    return time.isValid() ? std::optional<QDateTime>(time) : std::nullopt;
}

QString beforeRestoreName(const QDateTime& time)
{
    return QStringLiteral("before restore ") + time.toLocalTime().toString(TimePattern) + Suffix;
}

bool automaticBackupDue(const std::vector<QDateTime>& made, const QDateTime& now)
{
    // A backup dated after now (made while the clock ran ahead) is not
    // recent: counted as recent it would stop every backup until its date.
    return std::none_of(made.begin(), made.end(), [&now](const QDateTime& t) {
        const qint64 age = t.secsTo(now);
        return age >= 0 && age < AutomaticBackupInterval;
    });
}

std::vector<QDateTime> backupsToKeep(std::vector<QDateTime> made, int daily, int weekly, const QDateTime& now)
{
    std::sort(made.begin(), made.end(), std::greater<>());
    std::vector<QDateTime> keep;
    // Dated ahead of the clock: which day it stands for is not known, so it
    // stays and takes no place of the counted ones.
    if (now.isValid()) {
        const auto past = std::find_if(made.begin(), made.end(), [&now](const QDateTime& t) { return t <= now; });
        keep.assign(made.begin(), past);
        made.erase(made.begin(), past);
    }
    std::set<QDate> days;
    std::set<std::pair<int, int>> weeks;
    std::set<std::pair<int, int>> dailyWeeks;  // weeks that a daily backup already stands for
    for (const QDateTime& time : made) {
        const QDate day = time.date();
        int year = 0;
        const int weekNumber = day.weekNumber(&year);
        const std::pair<int, int> yearWeek{year, weekNumber};
        if (static_cast<int>(days.size()) < daily) {
            if (days.insert(day).second) {
                keep.push_back(time);
                dailyWeeks.insert(yearWeek);
            }
            continue;
        }
        if (days.count(day) || dailyWeeks.count(yearWeek))
            continue;
        if (static_cast<int>(weeks.size()) < weekly && weeks.insert(yearWeek).second)
            keep.push_back(time);
    }
    return keep;
}

} // namespace tolvane
