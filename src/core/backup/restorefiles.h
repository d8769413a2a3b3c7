#pragma once
// Puts a set of files in place all together or not at all, also across a
// kill or a power cut.
//
// Each new file is first written whole and synced beside the file it replaces
// (".<name>.tolvane-restore"). Then a journal in the data folder
// ("restore.journal", itself replaced atomically) says that every file is
// staged: that moment decides. Before it, a kill leaves the old files, and
// the next start removes the staged ones; after it, the next start finishes
// the renames the kill cut short, so the new files are all in place. The
// data folder is the user's folder (it may hold other files and the backups
// folder), so it cannot be swapped for a staged one as a whole.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace tolvane {

inline const QString RestoreJournalName = QStringLiteral("restore.journal");
inline const QString StagedMark = QStringLiteral(".tolvane-restore");

struct FileToPlace {
    QString path;  // absolute
    QByteArray bytes;
};

enum class PlaceResult {
    Placed,
    InTheWay,     // something other than a file (a folder) is at a file's place: nothing changed
    NotStaged,    // a file could not be written beside its place: nothing changed
};

struct PlaceOutcome {
    PlaceResult result = PlaceResult::Placed;
    QString file;  // the file that could not be placed
};

// Places every file; `dataFolder` keeps the journal. Each place is the file
// itself, not a symbolic link to it: a link would be replaced.
PlaceOutcome placeFiles(const QString& dataFolder, const std::vector<FileToPlace>& files);

// At start: finishes a placing that reached its journal, or removes what one
// that did not reach it staged. Returns the files it put in place.
QStringList finishInterruptedPlacing(const QString& dataFolder);

// The staged name of `path`.
QString stagedPath(const QString& path);

} // namespace tolvane
