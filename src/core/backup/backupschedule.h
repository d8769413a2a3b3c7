#pragma once
// The automatic backups in the data folder's "backups" folder: their names,
// when the next one is due, and which of them to keep.

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace tolvane {

inline const QString BackupsFolderName = QStringLiteral("backups");
constexpr int DefaultDailyBackups = 7;
constexpr int DefaultWeeklyBackups = 4;
// More kept from the settings reads as the default.
constexpr int MaxKeptBackups = 1000;
constexpr qint64 AutomaticBackupInterval = 24 * 60 * 60;  // seconds

// "auto 2026-12-08 090124.zip", in local time.
QString automaticBackupName(const QDateTime& time);
// The time an automatic backup's name gives; nothing for any other name.
std::optional<QDateTime> automaticBackupTime(const QString& name);
// "before restore 2026-12-08 090124.zip": the files a restore replaced.
QString beforeRestoreName(const QDateTime& time);

// True when no automatic backup is younger than a day at `now` (one dated
// after `now` is not younger).
bool automaticBackupDue(const std::vector<QDateTime>& made, const QDateTime& now);

// Which of the automatic backups made at these times to keep: the newest of
// each of the last `daily` days that have one, and, older than those, the
// newest of each of the last `weekly` calendar weeks that have one and none
// of the daily ones. With a valid `now`, those dated after it are all kept
// and not counted.
std::vector<QDateTime> backupsToKeep(std::vector<QDateTime> made, int daily, int weekly,
                                     const QDateTime& now = QDateTime());

} // namespace tolvane
