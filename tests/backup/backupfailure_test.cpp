// Backups and restores on a full disk and in folders that cannot be written:
// the user is told, no file changes, nothing is left half written, and an
// older backup is never removed.

#include "backupapp.h"

#include "backup/restorefiles.h"
#include "restrictedrun.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

class BackupFailure : public BackupTest {
protected:
    // Every file of the data, documents and backups folders.
    std::map<QString, QByteArray> everything() const
    {
        std::map<QString, QByteArray> all;
        for (const QString& folder : {dir.path(), documents, backups()})
            for (const auto& [name, bytes] : filesOf(folder))
                all[QDir(folder).filePath(name)] = bytes;
        return all;
    }

    // The user's files loaded and backed up to "b.zip", then a food item added:
    // a restore has something to put back.
    QString backUpThenAddAFood()
    {
        loadUserFiles();
        const QString archive = doc(QStringLiteral("b.zip"));
        backUp(archive);
        addFoodItem(QStringLiteral("Zucchini"));
        ui.messages.clear();
        return archive;
    }

    ChildRun run(Restriction restriction, const QString& folder, const std::function<void()>& body,
                 const QStringList& writable = {})
    {
        return runRestricted(
            restriction, folder,
            [&] {
                body();
                return texts();
            },
            writable);
    }
};

TEST_F(BackupFailure, BackUpDataToAFullDiskOrAReadOnlyFolder)
{
    const QString archive = doc(QStringLiteral("b.zip"));
    writeAll(archive, "an older file");
    const auto before = everything();
    const ChildRun full = run(Restriction::FullDisk, dir.path(), [&] { backUp(archive); });
    EXPECT_TRUE(full.exited);
    EXPECT_EQ(full.messages, QStringList{backupmsg::cannotWrite(archive, true)});
    EXPECT_EQ(everything(), before);
    const ChildRun readOnly = run(Restriction::ReadOnlyFolder, dir.path(), [&] { backUp(archive); });
    EXPECT_TRUE(readOnly.exited);
    EXPECT_EQ(readOnly.messages, QStringList{backupmsg::cannotWrite(archive, false)});
    EXPECT_EQ(everything(), before);
}

TEST_F(BackupFailure, ARestoreThatCannotKeepTheCurrentFilesChangesNothing)
{
    const QString archive = backUpThenAddAFood();
    const auto before = everything();
    const ChildRun full = run(Restriction::FullDisk, dir.path(), [&] {
        restore(archive);
        EXPECT_EQ(foods.foodTable().count(), 4);
    });
    EXPECT_TRUE(full.exited);
    ASSERT_EQ(full.messages.size(), 2);
    EXPECT_EQ(full.messages[1], backupmsg::cannotKeepCurrent(backups()));
    EXPECT_EQ(everything(), before);
}

TEST_F(BackupFailure, NoRestoreWithoutABackupOfTheCurrentFiles)
{
    const QString archive = doc(QStringLiteral("b.zip"));
    backUp(archive);
    addFoodItem(QStringLiteral("Zucchini"));
    // A file where the backups folder belongs: the data folder itself is writable.
    ASSERT_TRUE(QDir(backups()).removeRecursively());
    writeAll(backups(), "not a folder");
    ui.messages.clear();
    const auto before = files();
    restore(archive);
    ASSERT_EQ(texts().size(), 2);
    EXPECT_EQ(texts()[1], backupmsg::cannotKeepCurrent(backups()));
    EXPECT_EQ(files(), before);
    EXPECT_EQ(foods.foodTable().count(), 4);
}

TEST_F(BackupFailure, ARestoreThatCannotStageItsFilesChangesNothing)
{
    const QString archive = backUpThenAddAFood();
    // A damaged file to copy aside and a folder where the recipe was: neither copy nor dated folder stays.
    writeAll(doc(QStringLiteral("log.wgt")), readAll(doc(QStringLiteral("log.wgt"))).left(10));
    ASSERT_TRUE(QFile::remove(doc(QStringLiteral("bread.rcp"))) && QDir(documents).mkdir(QStringLiteral("bread.rcp")));
    const auto before = everything();
    // The backups and documents folders take what they are given; the data folder takes nothing.
    const ChildRun readOnly = run(
        Restriction::ReadOnlyFolder, dir.path(),
        [&] {
            restore(archive);
            EXPECT_EQ(foods.foodTable().count(), 4);
        },
        {backups(), documents});
    EXPECT_TRUE(readOnly.exited);
    ASSERT_EQ(readOnly.messages.size(), 2);
    EXPECT_EQ(readOnly.messages[1], backupmsg::notPlaced(path(RestoreJournalName)));
    // Only the backup of the current files was added.
    auto after = everything();
    int added = 0;
    for (auto it = after.begin(); it != after.end();)
        if (it->first.contains(QStringLiteral("/before restore "))) {
            ++added;
            it = after.erase(it);
        } else {
            ++it;
        }
    EXPECT_EQ(added, 1);
    EXPECT_EQ(after, before);
    EXPECT_FALSE(QFileInfo::exists(doc(QStringLiteral("Tolvane restored 2026-12-08"))));
}

TEST_F(BackupFailure, AFailedAutomaticBackupIsToldOnceAndRemovesNoOlderOne)
{
    // Counts that keep only the newest: a new backup would replace the old one.
    ASSERT_TRUE(settings.open());
    settings.writeInt(DailyBackupsKey, 1);
    settings.writeInt(WeeklyBackupsKey, 0);
    ASSERT_TRUE(settings.close());
    const auto before = filesOf(backups());
    ASSERT_EQ(before.size(), 1u);
    clock = clock.addDays(40);
    const ChildRun full = run(Restriction::FullDisk, dir.path(), [&] { app.backups.automaticBackup(); });
    EXPECT_TRUE(full.exited);
    EXPECT_EQ(full.messages, QStringList{backupmsg::automaticFailed(backups())});
    EXPECT_EQ(filesOf(backups()), before);
    // The next start tries again, writes it, and only then removes the old one.
    app.backups.automaticBackup();
    EXPECT_EQ(automaticBackupTime(filesOf(backups()).begin()->first), clock);
    EXPECT_EQ(filesOf(backups()).size(), 1u);
}

TEST(RestoreFiles, AnInterruptedPlacingIsFinishedOrUndoneAtTheNextStart)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.db"));
    const QString b = dir.filePath(QStringLiteral("b.db"));
    const QString journal = dir.filePath(RestoreJournalName);
    const auto stage = [&](const QByteArray& state) {
        writeAll(a, "old a");
        writeAll(b, "old b");
        writeAll(stagedPath(a), "new a");
        writeAll(stagedPath(b), "new b");
        writeAll(journal, "{\"state\":\"" + state + "\",\"files\":[\"" + a.toUtf8() + "\",\"" + b.toUtf8() + "\"]}");
    };
    // Killed while staging: the old files stay, the staged ones go.
    stage("staging");
    EXPECT_EQ(finishInterruptedPlacing(dir.path()), QStringList{});
    EXPECT_EQ(readAll(a), "old a");
    EXPECT_EQ(readAll(b), "old b");
    // Killed after the journal said so, with one rename done: the other follows.
    stage("placing");
    ASSERT_TRUE(QFile::remove(a) && QFile::rename(stagedPath(a), a));
    EXPECT_EQ(finishInterruptedPlacing(dir.path()), QStringList{b});
    EXPECT_EQ(readAll(a), "new a");
    EXPECT_EQ(readAll(b), "new b");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("a.db"), QStringLiteral("b.db")}));
    // Nothing to do without a journal.
    EXPECT_EQ(finishInterruptedPlacing(dir.path()), QStringList{});
    EXPECT_EQ(placeFiles(dir.path(), {{a, "newer a"}, {b, "newer b"}}).result, PlaceResult::Placed);
    EXPECT_EQ(readAll(a), "newer a");
    EXPECT_EQ(readAll(b), "newer b");
    EXPECT_FALSE(QFile::exists(journal));
}

} // namespace
