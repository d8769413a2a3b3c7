#pragma once
// The folder the program keeps its data files in. A folder the program
// creates starts with the starter files: a food item table, an activity table
// and an empty week. The folder is locked for the run before anything in it
// is read or written; a folder that cannot be locked is not used.

#include "shell/folderlock.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace tolvane {

// The starter files, as the build embeds them (a Qt resource folder).
inline const QString StarterFolder = QStringLiteral(":/starter");
inline const QStringList StarterFiles = {QStringLiteral("fooditem.dbt"), QStringLiteral("activity.db"),
                                         QStringLiteral("currmenu.db")};
// Lies in a folder while its starter files are being copied in, so that a
// copy cut short (a full disk) is completed at the next start.
inline const QString SeedingMarkName = QStringLiteral(".tolvane-seeding");

enum class Seeding { WhenNew, Never };

struct DataFolder {
    bool ok = false;
    bool created = false;      // the folder did not exist and was made (and seeded)
    bool alreadyOpen = false;  // another run holds the folder: nothing in it was touched
    QString error;             // why it cannot be used, for the terminal
    std::shared_ptr<DataFolderLock> lock;  // held for the run
};

// Makes `folder` ready: creates it when missing, locks it, and copies in every
// starter file from `starterFolder` into a folder it created (or one whose
// seeding was cut short: the missing files are added). A folder that exists
// is used as it is: no file in it is written or replaced.
DataFolder prepareDataFolder(const QString& folder, const QString& starterFolder = StarterFolder,
                             Seeding seeding = Seeding::WhenNew);

// The user's own data folder: "Tolvane" in $XDG_DATA_HOME, or in
// ~/.local/share where that is unset, empty or not an absolute path (the XDG
// base directory rules ignore a relative one).
QString userDataFolder();

} // namespace tolvane
