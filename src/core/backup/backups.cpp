#include "backup/backups.h"

#include "backup/backupschedule.h"
#include "backup/backuptexts.h"
#include "backup/restorefiles.h"
#include "menu/menuplanner.h"
#include "shell/filechoice.h"
#include "shell/preferences.h"
#include "shell/settingsstore.h"
#include "storage/safesave.h"
#include "weight/weightlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace tolvane {

namespace {

const QString WeightFileKey = QStringLiteral("Backups/WeightFile");
const QString MenuFilesKey = QStringLiteral("Backups/MenuFiles");
const QString RecipeFilesKey = QStringLiteral("Backups/RecipeFiles");
// "Version 5.04" -> "5.04"
QString programVersion() { return VersionText.section(u' ', -1); }

Message warning(const QString& text) { return Message::typed(text, Icon::Warning, only(Button::Ok), BackupHelpContext); }

Message information(const QString& text)
{
    return Message::typed(text, Icon::Information, only(Button::Ok), BackupHelpContext);
}

const QString& keyOf(UserFile kind)
{
    switch (kind) {
    case UserFile::Menu: return MenuFilesKey;
    case UserFile::Recipe: return RecipeFilesKey;
    case UserFile::Weight: break;
    }
    return WeightFileKey;
}

// `name` in `folder`, or "name (2).zip", ... when a file has that name: an
// earlier backup is never replaced.
QString unusedName(const QString& folder, const QString& name)
{
    const QFileInfo info(name);
    QString path = QDir(folder).filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(
            QStringLiteral("%1 (%2).%3").arg(info.completeBaseName(), QString::number(n), info.suffix()));
    return path;
}

// True when the restore puts a file where the weight grid's file is.
bool gridFileReplaced(const RestorePlan& plan, const WeightLog& weights)
{
    if (weights.fileName().isEmpty())
        return false;
    const QString grid = resolvedPlace(weights.fileName());
    return !grid.isEmpty() && std::any_of(plan.targets.begin(), plan.targets.end(),
                                          [&grid](const RestoreTarget& t) { return t.place == grid; });
}

} // namespace

Backups::Backups(Program& program, SettingsStore& settings, MenuPlanner& menu, WeightLog& weights)
    : program_(program), settings_(settings), menu_(menu), weights_(weights)
{
    documentsFolder = Preferences::userDocumentsFolder();
    homeFolder = QDir::homePath();
    program_.setHandler(Command::BackUpData, [this] { backUpData(); });
    program_.setHandler(Command::RestoreFromBackup, [this] { restoreFromBackup(); });
    program_.hooks.beforeLoad = [this] { finishInterruptedPlacing(program_.workDir()); };
    program_.hooks.started = [this] { startAutomaticBackup(); };
    program_.hooks.closing = [this] { finishAutomaticBackup(); };
    program_.hooks.userFileUsed = [this](UserFile kind, const QString& path) { remember(kind, path); };
}

Backups::~Backups()
{
    if (running_)
        running_->written.wait();
}

QString Backups::backupsFolder() const { return QDir(program_.workDir()).filePath(BackupsFolderName); }


void Backups::remember(UserFile kind, const QString& path)
{
    if (!settings_.open())
        return;
    const QString key = keyOf(kind);
    QStringList paths = settings_.readTexts(key);
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    paths.removeAll(absolute);
    paths.prepend(absolute);
    settings_.writeTexts(key, paths.mid(0, kind == UserFile::Weight ? 1 : MaxKnownFiles));
    settings_.close();
}

KnownFiles Backups::knownFiles()
{
    KnownFiles known;
    if (!settings_.open())
        return known;
    known.weight = settings_.readTexts(WeightFileKey);
    known.menus = settings_.readTexts(MenuFilesKey);
    known.recipes = settings_.readTexts(RecipeFilesKey);
    settings_.close();
    return known;
}

CollectedBackup Backups::collect()
{
    return collectBackup(program_.workDir(), knownFiles(), programVersion(), now());
}

std::optional<SaveResult> Backups::write(const QString& path, const CollectedBackup& collected)
{
    const QByteArray bytes = writeBackupArchive(collected.contents);
    if (bytes.isEmpty())
        return SaveResult::WriteFailed;
    const SaveResult result = saveFileAtomically(path, bytes);
    return result == SaveResult::Saved ? std::nullopt : std::optional<SaveResult>(result);
}

void Backups::backUpData()
{
    UserInterface& ui = program_.ui();
    const QString name = backupmsg::defaultName(now().date().toString(Qt::ISODate));
    const std::optional<QString> chosen = ui.saveFile({BackUpTitle, BackupFilter, BackupSuffix, documentsFolder, name});
    if (!chosen)
        return;
    const QString path = QDir(documentsFolder).filePath(withDefaultSuffix(*chosen, BackupSuffix));
    // Only an archive may go into the data folder: its own files are never written over.
    const QFileInfo target(finalSaveTarget(path));
    if (QFileInfo(target.absolutePath()).canonicalFilePath() == QFileInfo(program_.workDir()).canonicalFilePath() &&
        target.suffix().compare(BackupSuffix, Qt::CaseInsensitive) != 0) {
        ui.showMessage(warning(backupmsg::ownDataFile(QDir::toNativeSeparators(path))));
        return;
    }
    const CollectedBackup collected = collect();
    if (collected.contents.files.empty()) {
        ui.showMessage(warning(backupmsg::NothingToBackUp));
        return;
    }
    ui.setBusy(true);
    const std::optional<SaveResult> failed = write(path, collected);
    ui.setBusy(false);
    if (failed)
        ui.showMessage(warning(backupmsg::cannotWrite(path, *failed == SaveResult::WriteFailed)));
    else
        ui.showMessage(information(backupmsg::written(QDir::toNativeSeparators(path),
                                                      static_cast<int>(collected.contents.files.size()),
                                                      collected.skipped)));
}

void Backups::restoreFromBackup()
{
    UserInterface& ui = program_.ui();
    const std::optional<QString> chosen =
        chooseFileToOpen(ui, {RestoreTitle, BackupFilter, BackupSuffix, documentsFolder});
    if (!chosen)
        return;
    const QString path = QDir(documentsFolder).filePath(*chosen);
    QFile file(path);
    // One byte more than any backup tells a file that is too large.
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(MaxArchiveBytes + 1) : QByteArray();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        ui.showMessage(warning(backupmsg::cannotRead(path)));
        return;
    }
    file.close();
    const BackupRead read = readBackupArchive(bytes);
    if (read.problem != ArchiveProblem::None) {
        ui.showMessage(warning(backupmsg::refused(QDir::toNativeSeparators(path), problemText(read))));
        return;
    }

    const BackupContents& contents = read.contents;
    const QDateTime time = now();
    const RestoreFolders folders{program_.workDir(), homeFolder,
                                 QDir(documentsFolder).filePath(restoredFolderName(time.date()))};
    const RestorePlan plan = planRestore(contents, folders);
    if (!plan.blocked.isEmpty()) {
        ui.showMessage(warning(backupmsg::inTheWay(QDir::toNativeSeparators(plan.blocked))));
        return;
    }
    const QString keptAs = unusedName(backupsFolder(), beforeRestoreName(time));
    QStringList replaced;
    for (const QString& place : plan.replaced())
        replaced.append(QDir::toNativeSeparators(place));
    const QString question = backupmsg::restoreQuestion(
        QDir::toNativeSeparators(path), QLocale().toString(contents.created.toLocalTime(), QLocale::ShortFormat),
        contents.version, describeBackup(contents, plan), replaced, QDir::toNativeSeparators(keptAs));
    if (ui.showMessage(Message::typed(question, Icon::Confirmation, Button::Yes | Button::No, BackupHelpContext)) !=
            Button::Yes ||
        !saveUnsavedWeights(plan))
        return;

    ui.setBusy(true);
    // The files replaced first, so that a restore can itself be undone.
    const std::optional<Kept> kept = keepReplaced(contents, plan, keptAs);
    if (!kept) {
        ui.setBusy(false);
        return;
    }
    std::vector<FileToPlace> files;
    for (std::size_t i = 0; i < contents.files.size(); ++i)
        files.push_back({plan.targets[i].place, contents.files[i].bytes});
    const bool madeFolder = plan.usesRestoredFolder() && !QFileInfo(folders.restored).isDir();
    const PlaceOutcome placed = madeFolder && !QDir().mkpath(folders.restored)
                               ? PlaceOutcome{PlaceResult::NotStaged, folders.restored}
                               : placeFiles(program_.workDir(), files);
    ui.setBusy(false);
    if (placed.result != PlaceResult::Placed) {
        if (madeFolder)
            QDir().rmdir(folders.restored);
        for (const QString& copy : kept->copies)
            QFile::remove(QDir::fromNativeSeparators(copy));
        const QString failed = QDir::toNativeSeparators(placed.file);
        ui.showMessage(warning(placed.result == PlaceResult::InTheWay ? backupmsg::inTheWay(failed)
                                                                      : backupmsg::notPlaced(failed)));
        return;
    }
    reload(std::any_of(contents.files.begin(), contents.files.end(),
                       [](const BackupFile& f) { return f.kind == BackupKind::DaysActivities; }));
    // A weight file shown in the grid is shown as restored: a later save of
    // the grid would otherwise write the old rows over it.
    if (program_.hooks.userFileRestored && gridFileReplaced(plan, weights_))
        program_.hooks.userFileRestored(UserFile::Weight, weights_.fileName());
    ui.showMessage(information(backupmsg::restored(
        kept->archive.isEmpty() ? QString() : QDir::toNativeSeparators(kept->archive), kept->copies,
        plan.usesRestoredFolder() ? QDir::toNativeSeparators(folders.restored) : QString())));
}

bool Backups::saveUnsavedWeights(const RestorePlan& plan)
{
    if (!weights_.unsaved() || !gridFileReplaced(plan, weights_))
        return true;
    const Button answer = program_.ui().showMessage(
        Message::typed(backupmsg::unsavedWeights(QDir::toNativeSeparators(weights_.fileName())), Icon::Confirmation,
                       Button::Yes | Button::No | only(Button::Cancel), BackupHelpContext));
    if (answer == Button::Yes)
        return weights_.saveweightfile(weights_.fileName());
    return answer == Button::No;
}

std::optional<Backups::Kept> Backups::keepReplaced(const BackupContents& restoring, const RestorePlan& plan,
                                                   const QString& keptAs)
{
    UserInterface& ui = program_.ui();
    const CollectedBackup current = collectReplaced(restoring, plan, programVersion(), now());
    Kept kept;
    // A file that does not load cannot go into a backup: a copy of it stays.
    for (const QString& file : current.skipped) {
        const QString copy = keepDamagedFile(file, false);
        if (copy.isEmpty()) {
            ui.showMessage(warning(backupmsg::cannotKeepFile(QDir::toNativeSeparators(file))));
            return std::nullopt;
        }
        kept.copies.append(QDir::toNativeSeparators(QDir(QFileInfo(file).absolutePath()).filePath(copy)));
    }
    if (current.contents.files.empty())
        return kept;
    if (!QDir().mkpath(backupsFolder()) || write(keptAs, current)) {
        ui.showMessage(warning(backupmsg::cannotKeepCurrent(QDir::toNativeSeparators(backupsFolder()))));
        return std::nullopt;
    }
    kept.archive = keptAs;
    return kept;
}

void Backups::reload(bool weekPlaced)
{
    // The files came from elsewhere: the kept changes no longer fit them.
    program_.changes.forget();
    // The same steps as a start: the data files, then what shows them.
    ProgramHooks& hooks = program_.hooks;
    if (hooks.loadFoodTable)
        hooks.loadFoodTable();
    if (hooks.loadCurrentMenu)
        hooks.loadCurrentMenu();
    if (hooks.loadActivityTable)
        hooks.loadActivityTable();
    // An older backup without the days' lists leaves them as they are, with
    // any change not yet written.
    if (weekPlaced && hooks.loadActivityWeek)
        hooks.loadActivityWeek();
    if (hooks.resetFoodList)
        hooks.resetFoodList();
    if (hooks.refreshFoodPanel)
        hooks.refreshFoodPanel();
    // The restored day and meal, shown even when they are the ones shown now.
    menu_.showCurrentMeal();
    menu_.mealDisplay(menu_.currentDay(), menu_.currentMeal());
}

void Backups::removeLeftovers()
{
    // A backup killed before its rename leaves its temporary beside it.
    removeSaveLeftoversBySuffix(backupsFolder(), {QStringLiteral("zip")});
}

void Backups::automaticBackup()
{
    startAutomaticBackup();
    finishAutomaticBackup();
}

void Backups::startAutomaticBackup()
{
    if (running_)
        return;
    removeLeftovers();
    const Preferences& preferences = program_.preferences();
    if (preferences.number(AutomaticBackupsKey, 1, 0, 1) == 0)
        return;
    const QString folder = backupsFolder();
    RunningBackup job;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.zip")}, QDir::Files)) {
        if (const auto time = automaticBackupTime(name)) {
            job.made.push_back(*time);
            job.names.append(name);
        }
    }
    job.time = now();
    if (!automaticBackupDue(job.made, job.time))
        return;
    CollectedBackup collected = collect();
    if (collected.contents.files.empty())
        return;
    if (!QDir().mkpath(folder)) {
        program_.ui().showMessage(warning(backupmsg::automaticFailed(QDir::toNativeSeparators(folder))));
        return;
    }
    job.name = automaticBackupName(job.time);
    const QString path = QDir(folder).filePath(job.name);
    job.written = std::async(std::launch::async, [this, path, collected = std::move(collected)] {
        const bool written = !write(path, collected);
        QMetaObject::invokeMethod(
            &notifier_,
            [this] {
                if (running_ && running_->written.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
                    finishAutomaticBackup();
            },
            Qt::QueuedConnection);
        return written;
    });
    running_ = std::move(job);
}

void Backups::finishAutomaticBackup()
{
    if (!running_)
        return;
    RunningBackup job = std::move(*running_);
    running_.reset();
    const QString folder = backupsFolder();
    if (!job.written.get()) {
        program_.ui().showMessage(warning(backupmsg::automaticFailed(QDir::toNativeSeparators(folder))));
        return;
    }
    // Only after a good new backup does an old one go.
    job.made.push_back(*automaticBackupTime(job.name));
    job.names.append(job.name);
    const Preferences& preferences = program_.preferences();
    const std::vector<QDateTime> keep =
        backupsToKeep(job.made, preferences.number(DailyBackupsKey, DefaultDailyBackups, 0, MaxKeptBackups),
                      preferences.number(WeeklyBackupsKey, DefaultWeeklyBackups, 0, MaxKeptBackups), job.time);
    // The new backup stays whatever the counts say (both 0 keep no other).
    const QDir dir(folder);
    for (qsizetype i = 0; i < job.names.size(); ++i)
        if (job.names[i] != job.name &&
            std::find(keep.begin(), keep.end(), job.made[static_cast<std::size_t>(i)]) == keep.end())
            QFile::remove(dir.filePath(job.names[i]));
}

} // namespace tolvane
