#pragma once
// Where a restore puts each file of a backup. A data file goes to the data
// folder. One of the user's files goes back where it was only when that place
// is inside the user's home folder (not in a hidden folder of it, not through
// a symbolic link out of it) and holds a file the restore can replace or
// nothing; any other goes into a folder of its own in the documents folder
// ("Tolvane restored 2026-12-08") under a name nothing there has yet. A file
// behind symbolic links is written where the last link points, as a save
// does, so the links stay.

#include "backup/backuparchive.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace tolvane {

struct RestoreFolders {
    QString data;
    QString home;      // the user's home folder
    QString restored;  // for the user's files that cannot go back
};

// "Tolvane restored 2026-12-08"
QString restoredFolderName(const QDate& date);

// Why one of the user's files does not go back to its place.
enum class PlaceProblem { None, FolderGone, OutsideHome, Hidden, NotAFile, Taken };

struct RestoreTarget {
    QString place;     // the file written: absolute, links followed to their end
    QString wanted;    // where it was: its original place, or its place in the data folder
    PlaceProblem moved = PlaceProblem::None;  // why it goes to the restored folder instead
    bool replaces = false;  // a file is there now
};

struct RestorePlan {
    std::vector<RestoreTarget> targets;  // one for each file of the backup, in its order
    // A data file's place where something other than a file is (a folder):
    // nothing can be restored.
    QString blocked;

    // The files there now that the restore replaces.
    QStringList replaced() const;
    bool usesRestoredFolder() const;
};

RestorePlan planRestore(const BackupContents& contents, const RestoreFolders& folders);

// Where a save of `path` writes, with the links of its folder resolved too;
// empty when its links loop or its folder is gone.
QString resolvedPlace(const QString& path);

// True when `path` can be replaced by a restore: a regular file the user may
// read, or nothing at all.
bool replaceableByRestore(const QString& path);

// "outside your home folder", ... : why a file does not go back.
QString placeProblemText(PlaceProblem problem);

} // namespace tolvane
