#pragma once
// What goes into a backup and what a restore says of it: the data folder's
// files (the food table, the current menu, the activity table and the days'
// activities, each when it is there), and the user's own files the program
// remembers (the last weight file, the last menu files and recipes loaded or
// saved).

#include "backup/backuparchive.h"
#include "backup/restoreplaces.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace tolvane {

// The user's files a backup takes, newest first.
struct KnownFiles {
    QStringList weight;   // the last weight file (at most one)
    QStringList menus;
    QStringList recipes;
};
constexpr int MaxKnownFiles = 10;  // menus and recipes each

struct CollectedBackup {
    BackupContents contents;
    QStringList skipped;  // files left out: gone, unreadable, or not loadable as their kind
};

// Reads the files as they are on disk now. `now` is the backup's date.
CollectedBackup collectBackup(const QString& dataFolder, const KnownFiles& known, const QString& version,
                              const QDateTime& now);

// The files that a restore of `restoring` to the places of `plan` replaces,
// as they are on disk now; `skipped` names those that do not load as their
// kind (the backup cannot hold them).
CollectedBackup collectReplaced(const BackupContents& restoring, const RestorePlan& plan, const QString& version,
                                const QDateTime& now);

// One line for each file of the backup: its name, kind and date, with the
// number of foods of a food table, the week's totals of a menu, the number of
// activities of the table and of the days, and where one of the user's files
// goes: back to its place, or to the restored folder and why.
QStringList describeBackup(const BackupContents& contents, const RestorePlan& plan);

} // namespace tolvane
