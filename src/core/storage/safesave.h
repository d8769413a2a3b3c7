#pragma once
// Replaces a file as a whole: the bytes go to a temporary file beside it, which
// is synced and renamed over the old one only when every byte was written, and
// the folder is synced after the rename so that the new name survives a power
// cut. A crash, a kill or a full disk leaves the previous file as it was.
//
// The temporary file is named ".<name>.tolvane-XXXXXX" (six letters or
// digits), a name nothing else uses, so that one left behind by a kill between
// the write and the rename can be recognised and removed: those of the data
// files at the next start, those of the user's own files (menus, recipes,
// weight logs, CSV files, backups) at the next save into their folder. A save holds an
// advisory lock (flock) on its temporary file until the rename, so a clean-up
// passes over the temporary files of saves still in progress.
//
// A path that is a symbolic link, or a chain of them, is saved where the last
// link points. A file that is there but cannot be read or written (a folder
// of that name, a file without permissions) is never replaced: it may hold
// data the program could not load.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tolvane {

enum class SaveResult {
    Saved,
    CannotCreate,   // the temporary file could not be created (read-only folder, ...)
    WriteFailed,    // a write was cut short or the final rename failed; old file kept
};

SaveResult saveFileAtomically(const QString& path, const QByteArray& bytes);

// Where a save of `path` writes: the end of its chain of symbolic links.
QString finalSaveTarget(const QString& path);

// Suffixes of the files the user names; the leftovers of their saves are
// removed by the next save into their folder.
inline const QStringList UserFileSuffixes = {QStringLiteral("rcp"), QStringLiteral("wgt"), QStringLiteral("mnu"),
                                             QStringLiteral("csv"), QStringLiteral("zip")};

// True when `entry` (a name without folder) is a temporary file that a save of
// `fileName` can have left behind.
bool isSaveLeftover(const QString& entry, const QString& fileName);

// Removes the leftover temporary files of these files of `folder`. Returns the
// names removed. Only what a save can have left is removed: a regular file of
// this user with its write permission, not a symbolic link nor a read-only
// file, and not one a save in progress holds.
QStringList removeSaveLeftovers(const QString& folder, const QStringList& fileNames);

// The same for the leftovers in `folder` of every file whose suffix is one of
// `suffixes`.
QStringList removeSaveLeftoversBySuffix(const QString& folder, const QStringList& suffixes);

inline const QString DamagedSuffix = QStringLiteral(".damaged");

// Keeps a file that could not be read whole beside it, as "<name>.damaged",
// or "<name>.damaged.2", ".3", ... where that name is taken: an earlier copy
// is never replaced. With `move` the file itself goes aside (else a copy).
// Returns the name of the copy without its folder, or an empty text when
// none could be made.
QString keepDamagedFile(const QString& path, bool move);

// For tests that watch a save's syncs: called in place of fsync(2) with each
// descriptor a save syncs (the written file, then its folder), returning as
// fsync does. Null, as the program leaves it, calls fsync.
using SyncCall = int (*)(int fd);
void setSyncCallForTesting(SyncCall call);

} // namespace tolvane
