#pragma once
// The folder the program keeps its data files in when the user names one
// (or asks for the user's own data folder). A folder the program creates
// starts with the starter files: a food item table, an activity table and an
// empty week.

#include <QString>
#include <QStringList>

namespace tolvane {

// The starter files, as the build embeds them (a Qt resource folder).
inline const QString StarterFolder = QStringLiteral(":/starter");
inline const QStringList StarterFiles = {QStringLiteral("fooditem.dbt"), QStringLiteral("activity.db"),
                                         QStringLiteral("currmenu.db")};

struct DataFolder {
    bool ok = false;
    bool created = false;  // the folder did not exist and was made (and seeded)
    QString error;         // why it cannot be used, for the terminal
};

// Makes `folder` ready: creates it when missing and then copies in every
// starter file from `starterFolder`. A folder that exists is used as it is:
// no file in it is written or replaced.
DataFolder prepareDataFolder(const QString& folder, const QString& starterFolder = StarterFolder);

} // namespace tolvane
