#pragma once
// Replaces a file as a whole: the bytes go to a temporary file beside it, which
// is synced and renamed over the old one only when every byte was written, and
// the folder is synced after the rename so that the new name survives a power
// cut. A crash, a kill or a full disk leaves the previous file as it was.
//
// The temporary file is named ".<name>.tolvane-XXXXXX" (six letters or
// digits), a name nothing else uses, so that one left behind by a kill between
// the write and the rename can be recognised and removed at the next start.

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

// True when `entry` (a name without folder) is a temporary file that a save of
// `fileName` can have left behind.
bool isSaveLeftover(const QString& entry, const QString& fileName);

// Removes the leftover temporary files of these files of `folder`. Returns the
// names removed.
QStringList removeSaveLeftovers(const QString& folder, const QStringList& fileNames);

// For tests that watch a save's syncs: called in place of fsync(2) with each
// descriptor a save syncs (the written file, then its folder), returning as
// fsync does. Null, as the program leaves it, calls fsync.
using SyncCall = int (*)(int fd);
void setSyncCallForTesting(SyncCall call);

} // namespace tolvane
