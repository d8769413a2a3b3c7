// "Back Up Data...", "Restore from Backup..." and the automatic backups,
// through the program's own commands and start-up.

#include "backupapp.h"

#include "backup/backuparchive.h"
#include "backup/backupschedule.h"
#include "backup/backupset.h"
#include "backup/restorefiles.h"
#include "shell/settingsstore.h"

#include <QLocale>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QStringList DataFiles = {FoodTableFileName, CurrentMenuFileName, ActivityFileName, ActivityWeekFileName,
                               UsdaLinksFileName};

TEST_F(BackupTest, BackUpChangeEverythingRestoreGivesBackEveryFileAndShowsIt)
{
    loadUserFiles();
    app.menu.dayPageChange(2);  // the current menu's day
    addToDay(QStringLiteral("45"));
    const QStringList userFiles = {doc(QStringLiteral("week.mnu")), doc(QStringLiteral("bread.rcp")),
                                   doc(QStringLiteral("log.wgt"))};
    std::map<QString, QByteArray> before;
    for (const QString& name : DataFiles)
        before[path(name)] = readAll(path(name));
    for (const QString& file : userFiles)
        before[file] = readAll(file);

    const QString archive = doc(QStringLiteral("b.zip"));
    backUp(archive);
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].suggestedName, QStringLiteral("Tolvane backup 2026-12-08.zip"));
    EXPECT_EQ(ui.saveRequests[0].initialDirectory, documents);
    EXPECT_EQ(texts(), QStringList{backupmsg::written(archive, 8, {})});

    // Change everything: foods, the week and its day, activities, the user's files.
    addFoodItem(QStringLiteral("Zucchini"));
    app.activity.dayListClick(0);
    program.execute(Command::RemoveFromDay);
    app.menu.dayPageChange(5);
    ui.answers = {Button::Yes};
    program.execute(Command::ClearMenu);
    addActivity(QStringLiteral("Cycling"), QStringLiteral("400"));
    ASSERT_TRUE(app.activity.saveActivityTable());
    writeAll(path(UsdaLinksFileName), usdaLinksText({}));
    for (const QString& file : userFiles)
        writeAll(file, readAll(file).left(10));
    for (const auto& [file, bytes] : before)
        ASSERT_NE(readAll(file), bytes) << file.toStdString();
    const QByteArray changedFoods = readAll(path(FoodTableFileName));
    WeightLog& grid = app.weight.log();
    const QString restoredActual = grid.cell(ActualColumn, 1);
    grid.editCell(ActualColumn, 1, QStringLiteral("999"));  // typed, not saved
    ui.messages.clear();

    ui.openAnswers = {archive};
    ui.answers = {Button::Yes, Button::No};  // restore, and let the typed weight go
    program.execute(Command::RestoreFromBackup);
    for (const auto& [file, bytes] : before)
        EXPECT_EQ(readAll(file), bytes) << file.toStdString();
    // Shown without a restart: the foods, the restored day and its meal, the activities.
    EXPECT_EQ(foods.foodTable().count(), 3);
    EXPECT_EQ(app.menu.currentDay(), 2);
    EXPECT_EQ(app.menu.shownDay(), 2);
    EXPECT_EQ(app.menu.shownMealIndex(), 1);
    EXPECT_EQ(app.menu.mealList(), QStringList{mealLine(QStringLiteral("Pear"), 2)});
    EXPECT_EQ(app.activity.names(), QStringList{QStringLiteral("Walking")});
    EXPECT_FALSE(program.activityChanged());
    EXPECT_EQ(app.activity.dayLines(), (std::vector<DayActivityLine>{
                                           {QStringLiteral("Walking"), QStringLiteral("45"), QStringLiteral("225")}}));
    // The weight file of the grid is shown as restored, so a save of the grid
    // cannot write the old rows over it.
    EXPECT_EQ(grid.cell(ActualColumn, 1), restoredActual);
    EXPECT_FALSE(grid.unsaved());
    EXPECT_EQ(grid.fileName(), doc(QStringLiteral("log.wgt")));

    // The question listed each file and each file it replaces, and the files
    // replaced were kept first.
    ASSERT_EQ(ui.messages.size(), 3u);
    const QString created = QLocale().toString(QDateTime(QDate(2026, 12, 8), QTime(9, 30)), QLocale::ShortFormat);
    const QString keptAs = QDir(backups()).filePath(QStringLiteral("before restore 2026-12-08 093000.zip"));
    const BackupContents restored = readBackupArchive(readAll(archive)).contents;
    EXPECT_EQ(ui.messages[0].text,
              backupmsg::restoreQuestion(archive, created, QStringLiteral("5.04"),
                                         describeBackup(restored, planRestore(restored, {dir.path(), dir.path(), {}})),
                                         {path(FoodTableFileName), path(CurrentMenuFileName), path(ActivityFileName),
                                          path(ActivityWeekFileName), path(UsdaLinksFileName), doc(QStringLiteral("log.wgt")),
                                          doc(QStringLiteral("week.mnu")), doc(QStringLiteral("bread.rcp"))},
                                         keptAs));
    EXPECT_EQ(ui.messages[0].buttons, Button::Yes | Button::No);
    EXPECT_EQ(ui.messages[1].text, backupmsg::unsavedWeights(doc(QStringLiteral("log.wgt"))));
    // The user's files cut short above do not load: no backup can hold them.
    EXPECT_EQ(ui.messages[2].text,
              backupmsg::restored(keptAs, {doc(QStringLiteral("log.wgt.damaged")), doc(QStringLiteral("week.mnu.damaged")),
                                           doc(QStringLiteral("bread.rcp.damaged"))}));
    for (const QString& file : userFiles)
        EXPECT_EQ(readAll(file + QStringLiteral(".damaged")), before[file].left(10));
    const BackupRead kept = readBackupArchive(readAll(keptAs));
    ASSERT_EQ(kept.problem, ArchiveProblem::None);
    EXPECT_EQ(kept.contents.files[0].bytes, changedFoods);
}

TEST_F(BackupTest, ABackupWithoutTheDaysActivitiesLeavesThemAsTheyAre)
{
    // A folder in the file's place: the day's list holds a change not yet written.
    ASSERT_TRUE(QDir(dir.path()).mkdir(ActivityWeekFileName));
    addToDay(QStringLiteral("45"));
    const std::vector<DayActivityLine> lines = app.activity.dayLines();
    ASSERT_EQ(lines.size(), 1u);
    // As every backup was written before the days had their lists.
    const QString older = doc(QStringLiteral("older.zip"));
    writeAll(older, backupOf({{FoodTableFileName, QStringLiteral("food item table"), QString(),
                               tableBytes(numberedItems(5))},
                              {ActivityFileName, QStringLiteral("activity table"), QString(), sampleActivities(2)}}));
    restore(older);
    EXPECT_EQ(texts().last(),
              backupmsg::restored(QDir(backups()).filePath(QStringLiteral("before restore 2026-12-08 093000.zip"))));
    EXPECT_EQ(foods.foodTable().count(), 5);
    EXPECT_EQ(app.activity.count(), 2);
    EXPECT_EQ(app.activity.dayLines(), lines);

    // A file the days' reader refuses stays out of a backup and is named.
    ASSERT_TRUE(QDir(dir.path()).rmdir(ActivityWeekFileName));
    ASSERT_TRUE(app.activity.saveDays());
    writeAll(path(ActivityWeekFileName), readAll(path(ActivityWeekFileName)).chopped(1));
    const CollectedBackup collected = collectBackup(dir.path(), {}, QStringLiteral("5.04"), clock);
    EXPECT_EQ(collected.skipped, QStringList{path(ActivityWeekFileName)});
    EXPECT_EQ(collected.contents.files.size(), 3u);
}

TEST_F(BackupTest, TheTwoCommandsFollowTheCsvCommandsAfterASeparator)
{
    const std::vector<MenuEntry>& main = mainMenu().front().entries;
    ASSERT_GE(main.size(), 12U);
    EXPECT_TRUE(main[9].separator);
    EXPECT_EQ(main[10].caption, QStringLiteral("&Back Up Data..."));
    EXPECT_EQ(main[11].caption, QStringLiteral("&Restore from Backup..."));
    EXPECT_TRUE(program.isEnabled(Command::BackUpData));
    EXPECT_TRUE(program.isEnabled(Command::RestoreFromBackup));
}

TEST_F(BackupTest, TheQuestionSaysWhatEachFileHolds)
{
    loadUserFiles();
    addToDay(QStringLiteral("45"));
    addToDay(QStringLiteral("30"));
    app.menu.dayPageChange(4);
    addToDay(QStringLiteral("10"));
    const BackupContents contents = collectBackup(dir.path(), app.backups.knownFiles(), QStringLiteral("5.04"), clock).contents;
    QStringList lines = describeBackup(contents, planRestore(contents, {dir.path(), dir.path(), documents}));
    // The dates depend on the files and the locale: the rest is fixed.
    for (QString& line : lines)
        line.replace(QRegularExpression(QStringLiteral(" of [^)]*\\)")), QStringLiteral(")"));
    EXPECT_EQ(lines, QStringList({
                         QStringLiteral("fooditem.dbt (food item table): 3 food items"),
                         QStringLiteral("currmenu.db (current menu): the week's totals 120 calories, 50.0 g "
                                        "carbohydrate, 0.0 g protein, 0.0 g fat, 0.0 mg sodium, 0.0 mg cholesterol"),
                         QStringLiteral("activity.db (activity table): 1 activities"),
                         QStringLiteral("activityweek.db (activity week): 3 activities on 2 days"),
                         QStringLiteral("foodlinks.tsv (USDA links): 1 food items from USDA"),
                         QStringLiteral("log.wgt (weight file), back to ") + doc(QStringLiteral("log.wgt")),
                         QStringLiteral("week.mnu (menu file): the week's totals 120 calories, 50.0 g carbohydrate, "
                                        "0.0 g protein, 0.0 g fat, 0.0 mg sodium, 0.0 mg cholesterol, back to ") +
                             doc(QStringLiteral("week.mnu")),
                         QStringLiteral("bread.rcp (recipe file), back to ") + doc(QStringLiteral("bread.rcp")),
                     }));
}

TEST_F(BackupTest, ARefusedArchiveOrANoChangesNothing)
{
    loadUserFiles();
    const QString archive = doc(QStringLiteral("b.zip"));
    backUp(archive);
    addFoodItem(QStringLiteral("Zucchini"));
    const auto data = files();
    const auto kept = filesOf(backups());
    ui.messages.clear();

    restore(archive, Button::No);
    const QString cut = doc(QStringLiteral("cut.zip"));
    writeAll(cut, readAll(archive).left(300));
    restore(cut);
    const QString foreign = doc(QStringLiteral("foreign.zip"));
    writeAll(foreign, zip({{QStringLiteral("photo.jpg"), "jpeg"}}));
    restore(foreign);
    restore(doc(QStringLiteral("missing.zip")));

    EXPECT_EQ(files(), data);
    EXPECT_EQ(filesOf(backups()), kept);
    EXPECT_EQ(foods.foodTable().count(), 4);
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0].buttons, Button::Yes | Button::No);
    EXPECT_EQ(ui.messages[1].text,
              backupmsg::refused(cut, QStringLiteral("The file is not a complete zip archive.")));
    EXPECT_EQ(ui.messages[2].text,
              QStringLiteral("\"%1\" cannot be restored. It is not a backup of this program: it has no list of files "
                             "(manifest.json) written by Tolvane. Nothing was changed.")
                  .arg(foreign));
    EXPECT_EQ(ui.messages[3].text, backupmsg::cannotRead(doc(QStringLiteral("missing.zip"))));
    EXPECT_EQ(ui.messages[3].helpContext, BackupHelpContext);
}

TEST_F(BackupTest, TheUsersFilesAreRememberedNewestFirst)
{
    loadUserFiles();
    for (int i = 0; i < 12; ++i) {
        ui.saveAnswers = {doc(QStringLiteral("w%1.mnu").arg(i))};
        ui.answers = {Button::Yes};  // create it
        program.execute(Command::SaveMenuAs);
    }
    const KnownFiles known = app.backups.knownFiles();
    EXPECT_EQ(known.weight, QStringList{doc(QStringLiteral("log.wgt"))});
    EXPECT_EQ(known.recipes, QStringList{doc(QStringLiteral("bread.rcp"))});
    ASSERT_EQ(known.menus.size(), MaxKnownFiles);
    EXPECT_EQ(known.menus.front(), doc(QStringLiteral("w11.mnu")));
    EXPECT_EQ(known.menus.back(), doc(QStringLiteral("w2.mnu")));
    // A file refused at load is not remembered.
    writeAll(doc(QStringLiteral("bad.wgt")), "xyz");
    ui.openAnswers = {doc(QStringLiteral("bad.wgt"))};
    program.execute(Command::LoadWeightFile);
    EXPECT_EQ(app.backups.knownFiles().weight, QStringList{doc(QStringLiteral("log.wgt"))});
}

// --- Automatic backups.

QStringList automaticBackups(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("auto *.zip")}, QDir::Files, QDir::Name);
}

// The window shows before the last weight file is loaded and the automatic
// backup written: both follow once it is on the screen, the archive in the
// background, and the window's close waits for the whole archive.
TEST_F(BackupTest, TheWeightFileAndTheBackupFollowTheShownWindow)
{
    loadUserFiles();
    class WindowUi : public ScriptedUi {
    public:
        std::vector<std::function<void()>> waiting;
        void whenMainWindowShown(std::function<void()> action) override { waiting.push_back(std::move(action)); }
    } nextUi;
    clock = clock.addDays(1);
    App next(nextUi, settings, dir.path());
    next.backups.now = [this] { return clock; };
    ASSERT_TRUE(next.program.formCreate().ok);
    EXPECT_EQ(next.weight.log().fileName(), QString());
    EXPECT_EQ(automaticBackups(backups()).size(), 1);
    ASSERT_EQ(nextUi.waiting.size(), 1u);
    nextUi.waiting.front()();
    EXPECT_EQ(next.weight.log().fileName(), doc(QStringLiteral("log.wgt")));
    EXPECT_EQ(next.weight.log().cell(PlanColumn, 2).replace(u',', u'.'), QStringLiteral(" 178.0"));  // either decimal sign
    EXPECT_TRUE(next.backups.automaticBackupRunning());
    next.program.formClose();
    EXPECT_FALSE(next.backups.automaticBackupRunning());
    const QString written = QDir(backups()).filePath(automaticBackupName(clock));
    const BackupRead read = readBackupArchive(readAll(written));
    ASSERT_EQ(read.problem, ArchiveProblem::None) << written.toStdString();
    EXPECT_TRUE(std::any_of(read.contents.files.begin(), read.contents.files.end(), [](const BackupFile& f) {
        return f.kind == BackupKind::WeightFile && f.bytes == sampleWeights();
    }));
    EXPECT_EQ(nextUi.texts(), QStringList());
}

TEST_F(BackupTest, TheStartWritesOneADayAndKeepsSevenDailyAndFourWeekly)
{
    EXPECT_EQ(automaticBackups(backups()), QStringList{QStringLiteral("auto 2026-12-08 093000.zip")});
    // A backup killed before its rename leaves its temporary: the next start
    // removes it, and nothing else of the folder.
    const QString killed = QDir(backups()).filePath(QStringLiteral(".auto 2026-12-08 093000.zip.tolvane-aZ09xQ"));
    const QString users = QDir(backups()).filePath(QStringLiteral("notes.txt.tolvane-aZ09xQ"));
    writeAll(killed, "part of an archive");
    writeAll(users, "the user's");
    clock = clock.addSecs(AutomaticBackupInterval - 60);
    app.backups.automaticBackup();
    EXPECT_EQ(automaticBackups(backups()).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(killed));
    // One left by a start with its clock a year ahead neither stops the
    // backups nor goes.
    writeAll(QDir(backups()).filePath(QStringLiteral("auto 2027-12-08 093000.zip")), "ahead");
    EXPECT_TRUE(QFileInfo::exists(users));
    for (int day = 1; day <= 60; ++day) {
        clock = QDateTime(QDate(2026, 12, 8).addDays(day), QTime(9, 30));
        app.backups.automaticBackup();
    }
    // 60 days on (Saturday 6 February 2027): the last seven days, then the
    // newest of each of the four weeks before them.
    EXPECT_EQ(automaticBackups(backups()),
              QStringList({QStringLiteral("auto 2027-01-03 093000.zip"), QStringLiteral("auto 2027-01-10 093000.zip"),
                           QStringLiteral("auto 2027-01-17 093000.zip"), QStringLiteral("auto 2027-01-24 093000.zip"),
                           QStringLiteral("auto 2027-01-31 093000.zip"), QStringLiteral("auto 2027-02-01 093000.zip"),
                           QStringLiteral("auto 2027-02-02 093000.zip"), QStringLiteral("auto 2027-02-03 093000.zip"),
                           QStringLiteral("auto 2027-02-04 093000.zip"), QStringLiteral("auto 2027-02-05 093000.zip"),
                           QStringLiteral("auto 2027-02-06 093000.zip"), QStringLiteral("auto 2027-12-08 093000.zip")}));
    EXPECT_TRUE(texts().isEmpty());
    const QString newest = QDir(backups()).filePath(QStringLiteral("auto 2027-02-06 093000.zip"));
    const BackupRead read = readBackupArchive(readAll(newest));
    EXPECT_EQ(read.problem, ArchiveProblem::None);
}

TEST_F(BackupTest, SettingsTurnAutomaticBackupsOffOrChangeTheCounts)
{
    ASSERT_TRUE(settings.open());
    settings.writeInt(DailyBackupsKey, 2);
    settings.writeInt(WeeklyBackupsKey, 1);
    ASSERT_TRUE(settings.close());
    for (int day = 1; day <= 20; ++day) {
        clock = clock.addDays(1);
        app.backups.automaticBackup();
    }
    // Monday 28 and Sunday 27 December, and the Sunday of the week before.
    EXPECT_EQ(automaticBackups(backups()),
              QStringList({QStringLiteral("auto 2026-12-20 093000.zip"), QStringLiteral("auto 2026-12-27 093000.zip"),
                           QStringLiteral("auto 2026-12-28 093000.zip")}));
    ASSERT_TRUE(settings.open());
    settings.writeInt(AutomaticBackupsKey, 0);
    ASSERT_TRUE(settings.close());
    clock = clock.addDays(3);
    app.backups.automaticBackup();
    EXPECT_EQ(automaticBackups(backups()).size(), 3);

    // Counts of none keep only the backup just made; counts out of range are
    // the defaults.
    ASSERT_TRUE(settings.open());
    settings.writeInt(AutomaticBackupsKey, 1);
    settings.writeInt(DailyBackupsKey, 0);
    settings.writeInt(WeeklyBackupsKey, 0);
    ASSERT_TRUE(settings.close());
    clock = clock.addDays(1);
    app.backups.automaticBackup();
    EXPECT_EQ(automaticBackups(backups()), QStringList{QStringLiteral("auto 2027-01-01 093000.zip")});
    ASSERT_TRUE(settings.open());
    settings.writeInt(DailyBackupsKey, -1);
    settings.writeInt(WeeklyBackupsKey, 5000);
    ASSERT_TRUE(settings.close());
    for (int day = 1; day <= 3; ++day) {
        clock = clock.addDays(1);
        app.backups.automaticBackup();
    }
    EXPECT_EQ(automaticBackups(backups()).size(), 4);
}

TEST(BackupSchedule, WhichBackupsAreKept)
{
    const auto at = [](int y, int m, int d, int h = 9) { return QDateTime(QDate(y, m, d), QTime(h, 0)); };
    struct Case {
        const char* what;
        std::vector<QDateTime> made;
        int daily, weekly;
        std::vector<QDateTime> kept;
    };
    const std::vector<Case> cases = {
        {"fewer than the counts", {at(2026, 12, 1), at(2026, 12, 2)}, 7, 4, {at(2026, 12, 2), at(2026, 12, 1)}},
        {"two on one day: the newer", {at(2026, 12, 1, 8), at(2026, 12, 1, 20)}, 7, 4, {at(2026, 12, 1, 20)}},
        {"none kept daily", {at(2026, 12, 1), at(2026, 12, 2), at(2026, 12, 9)}, 0, 1, {at(2026, 12, 9)}},
        {"weekly: the newest of each week before the daily ones",
         {at(2026, 11, 16), at(2026, 11, 18), at(2026, 11, 23), at(2026, 11, 25), at(2026, 12, 1)},
         1, 1, {at(2026, 12, 1), at(2026, 11, 25)}},
        {"no counts", {at(2026, 12, 1)}, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(backupsToKeep(c.made, c.daily, c.weekly), c.kept);
    }
    EXPECT_TRUE(automaticBackupDue({}, at(2026, 12, 1)));
    EXPECT_FALSE(automaticBackupDue({at(2026, 12, 1)}, at(2026, 12, 1).addSecs(AutomaticBackupInterval - 1)));
    EXPECT_TRUE(automaticBackupDue({at(2026, 12, 1)}, at(2026, 12, 1).addSecs(AutomaticBackupInterval)));
    EXPECT_TRUE(automaticBackupDue({at(2026, 12, 5)}, at(2026, 12, 1)));  // made while the clock ran ahead
    EXPECT_EQ(backupsToKeep({at(2026, 12, 5), at(2026, 12, 1), at(2026, 11, 30), at(2027, 1, 1)}, 1, 0, at(2026, 12, 2)),
              (std::vector<QDateTime>{at(2027, 1, 1), at(2026, 12, 5), at(2026, 12, 1)}));
    EXPECT_EQ(automaticBackupTime(automaticBackupName(at(2026, 12, 1, 7))), at(2026, 12, 1, 7));
    EXPECT_EQ(automaticBackupTime(QStringLiteral("auto 2026-13-01 090000.zip")), std::nullopt);
    EXPECT_EQ(automaticBackupTime(QStringLiteral("before restore 2026-12-01 090000.zip")), std::nullopt);
}

} // namespace

namespace {

TEST_F(BackupTest, BackUpDataWritesNoFileOfTheDataFolderAndClearsKilledBackupsTemporaries)
{
    const auto before = files();
    for (const QString& target : {path(FoodTableFileName), path(QStringLiteral("notes.txt"))}) {
        ui.messages.clear();
        backUp(target);
        EXPECT_EQ(texts(), QStringList{backupmsg::ownDataFile(target)});
    }
    EXPECT_EQ(files(), before);

    // A backup killed before its rename left its temporary beside the archive:
    // the next backup into that folder removes it.
    const QString killed = doc(QStringLiteral(".out%2.zip.tolvane-aZ09xQ"));
    writeAll(killed, "part of an archive");
    ui.messages.clear();
    backUp(doc(QStringLiteral("out%2.zip")));
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_TRUE(ui.messages[0].text.startsWith(
        QStringLiteral("The backup \"%1\" holds ").arg(doc(QStringLiteral("out%2.zip")))));
    EXPECT_FALSE(QFileInfo::exists(killed));
}

} // namespace
