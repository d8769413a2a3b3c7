#pragma once
// "Back Up Data...", "Restore from Backup..." and the automatic backup at
// start. The program remembers the user's files it loads and saves (in the
// settings) so that a backup can take them along.
//
// Settings, group "Backups": Automatic (1, or 0 for none), Daily (7) and
// Weekly (4) automatic backups kept, and the remembered WeightFile, MenuFiles
// and RecipeFiles.

#include "backup/backupset.h"
#include "shell/program.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace tolvane {

class MenuPlanner;
class SettingsStore;
class WeightLog;

inline const QString AutomaticBackupsKey = QStringLiteral("Backups/Automatic");
inline const QString DailyBackupsKey = QStringLiteral("Backups/Daily");
inline const QString WeeklyBackupsKey = QStringLiteral("Backups/Weekly");

class Backups {
public:
    // Registers the two commands and the start-up steps with the program.
    Backups(Program& program, SettingsStore& settings, MenuPlanner& menu, WeightLog& weights);
    Backups(const Backups&) = delete;
    Backups& operator=(const Backups&) = delete;

    void backUpData();
    void restoreFromBackup();
    // At start: writes a backup to the backups folder when the last is older
    // than a day, then removes those the counts no longer keep.
    void automaticBackup();

    QString backupsFolder() const;
    KnownFiles knownFiles();

    // The clock, the user's documents and home folders; tests set their own.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    QString documentsFolder;
    QString homeFolder;

private:
    void remember(UserFile kind, const QString& path);
    CollectedBackup collect();
    // Writes a backup of the files now to `path`; the reason when it failed.
    std::optional<SaveResult> write(const QString& path, const CollectedBackup& collected);
    // Unsaved rows of the weight grid whose file the restore replaces are
    // saved first or let go, as the user says. False: no restore.
    bool saveUnsavedWeights(const RestorePlan& plan);
    struct Kept {
        QString archive;     // the backup of the replaced files; empty when none was needed
        QStringList copies;  // replaced files that do not load, copied beside themselves
    };
    // Backs up the files the restore replaces; nothing when it could not.
    std::optional<Kept> keepReplaced(const BackupContents& restoring, const RestorePlan& plan, const QString& keptAs);
    // `weekPlaced`: the restore put back the days' activities too.
    void reload(bool weekPlaced);
    void removeLeftovers();

    Program& program_;
    SettingsStore& settings_;
    MenuPlanner& menu_;
    WeightLog& weights_;
};

} // namespace tolvane
