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
#include <QObject>
#include <QString>
#include <functional>
#include <future>
#include <optional>
#include <vector>

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
    // Waits for an automatic backup still being written.
    ~Backups();

    void backUpData();
    void restoreFromBackup();
    // At start: writes a backup to the backups folder when the last is older
    // than a day, then removes those the counts no longer keep.
    void automaticBackup();
    // The same in two halves, so that the window goes on while the archive is
    // compressed and written in the background: the start collects the files
    // (as they are now) and hands them to a thread; the finish, run from the
    // event loop when the thread is done or at the main window's close, waits
    // for it, then tells a failure or removes the old backups. An archive is
    // written aside and renamed whole: a kill leaves no partial one.
    void startAutomaticBackup();
    void finishAutomaticBackup();
    bool automaticBackupRunning() const { return running_.has_value(); }

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
    static std::optional<SaveResult> write(const QString& path, const CollectedBackup& collected);
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
    struct RunningBackup {
        QString name;                   // in the backups folder
        std::vector<QDateTime> made;    // the automatic backups before it
        QStringList names;
        QDateTime time;
        std::future<bool> written;
    };
    std::optional<RunningBackup> running_;
    // Lives in the main thread: the writing thread posts its end to it.
    QObject notifier_;
};

} // namespace tolvane
