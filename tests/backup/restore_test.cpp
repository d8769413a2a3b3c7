// Where "Restore from Backup..." puts files and what it keeps: every file it
// replaces is backed up first, the user's files go back only inside the home
// folder, links are written through, and a restore that cannot place a file
// changes nothing.

#include "backupapp.h"

#include "backup/backupset.h"
#include "backup/restorefiles.h"

#include <sys/stat.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// The files of a backup: a data file's name, or a user's file's place, with its bytes.
std::map<QString, QByteArray> held(const QString& archive)
{
    std::map<QString, QByteArray> all;
    for (const BackupFile& file : readBackupArchive(readAll(archive)).contents.files)
        all[file.originalPath.isEmpty() ? file.entry : file.originalPath] = file.bytes;
    return all;
}

TEST_F(BackupTest, TheBackupBeforeARestoreHoldsEveryFileItReplacesWhateverTheSettingsRemember)
{
    loadUserFiles();
    const QString archive = doc(QStringLiteral("b.zip"));
    backUp(archive);
    // A row more in log.wgt, then another weight file: the settings forget log.wgt.
    writeAll(doc(QStringLiteral("log.wgt")), sampleWeights() + writeWeightImage({{46014.0, real6(176), real6(0)}}));
    writeAll(doc(QStringLiteral("2026.wgt")), sampleWeights());
    ui.openAnswers = {doc(QStringLiteral("2026.wgt"))};
    program.execute(Command::LoadWeightFile);
    std::map<QString, QByteArray> now;
    for (const QString& file : {path(FoodTableFileName), path(CurrentMenuFileName), path(ActivityFileName),
                                doc(QStringLiteral("log.wgt")), doc(QStringLiteral("week.mnu")), doc(QStringLiteral("bread.rcp"))})
        now[file.startsWith(documents) ? file : QFileInfo(file).fileName()] = readAll(file);
    ui.messages.clear();

    restore(archive);
    EXPECT_EQ(readAll(doc(QStringLiteral("log.wgt"))), sampleWeights());
    const QString keptAs = QDir(backups()).filePath(QStringLiteral("before restore 2026-12-08 093000.zip"));
    EXPECT_EQ(texts().last(), backupmsg::restored(keptAs));
    EXPECT_EQ(held(keptAs), now);  // and not 2026.wgt, which the restore leaves alone
    restore(archive);  // again in the same second: the first backup stays
    EXPECT_EQ(texts().last(), backupmsg::restored(QDir(backups()).filePath(
                                  QStringLiteral("before restore 2026-12-08 093000 (2).zip"))));
    EXPECT_EQ(held(keptAs), now);
}

TEST_F(BackupTest, HostileArchivesPutTheUsersFilesOnlyInsideTheHomeFolder)
{
    QTemporaryDir outside;
    const QString home = dir.path();
    QTemporaryDir besideHome(home + QStringLiteral("-XXXXXX"));  // its name begins with the home's
    const QString dated = doc(QStringLiteral("Tolvane restored 2026-12-08"));
    const auto in = [](const QString& folder, const char* name) { return QDir(folder).filePath(QLatin1String(name)); };
    const auto link = [](const QString& target, const QString& at) { ASSERT_TRUE(QFile::link(target, at)); };
    writeAll(in(outside.path(), "c.mnu"), "theirs");
    writeAll(in(home, "j.mnu"), sampleMenu(QStringLiteral("Old")));
    writeAll(in(home, "notes.txt"), "notes");
    ASSERT_TRUE(QDir(home).mkpath(QStringLiteral(".config")) && QDir(home).mkpath(QStringLiteral("f.mnu")) &&
                QDir(home).mkpath(QStringLiteral("sub/.x")));
    writeAll(in(home, "sub/k.mnu"), sampleMenu(QStringLiteral("Older")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(in(home, "g.mnu")).constData(), 0600), 0);
    link(outside.path(), in(home, "out"));
    link(in(outside.path(), "c.mnu"), in(home, "c.mnu"));
    link(in(home, ".config/e.mnu"), in(home, "e.mnu"));
    link(in(home, "notes.txt"), in(home, "i.mnu"));
    link(in(home, "sub/k.mnu"), in(home, "k.mnu"));
    link(in(home, "l.mnu"), in(home, "l.mnu"));
    struct Case {
        QString path, place;  // where the file was, as the manifest says, and where it goes
        const char* why;      // why not back, or nothing
    };
    const std::vector<Case> cases = {
        {in(outside.path(), "a.mnu"), in(dated, "a.mnu"), "outside your home folder"},
        {in(home, "out/b.mnu"), in(dated, "b.mnu"), "outside your home folder"},
        {in(home, "c.mnu"), in(dated, "c.mnu"), "outside your home folder"},
        {in(home, ".config/d.mnu"), in(dated, "d.mnu"), "in a hidden folder"},
        {in(home, "e.mnu"), in(dated, "e.mnu"), "in a hidden folder"},
        {in(home, "f.mnu"), in(dated, "f.mnu"), "not a file the restore can replace"},
        {in(home, "g.mnu"), in(dated, "g.mnu"), "not a file the restore can replace"},
        {in(home, "gone/h.mnu"), in(dated, "h.mnu"), "in a folder that is gone"},
        {in(home, "i.mnu"), in(dated, "i.mnu"), "not a file the restore can replace"},
        {in(home, "l.mnu"), in(dated, "l.mnu"), "not a file the restore can replace"},
        {in(outside.path(), "gone/a.mnu"), in(dated, "a (2).mnu"), "in a folder that is gone"},
        {in(besideHome.path(), "m.mnu"), in(dated, "m.mnu"), "outside your home folder"},
        {in(home, "sub/.x/n.mnu"), in(dated, "n.mnu"), "in a hidden folder"},
        {in(home, "j.mnu"), in(home, "j.mnu"), nullptr},
        {in(home, "k.mnu"), in(home, "sub/k.mnu"), nullptr},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QByteArray bytes = sampleMenu(QStringLiteral("Pear"), 60 + ++n);
        const QByteArray old = readAll(c.place);
        const QString archive = doc(QStringLiteral("h%1.zip").arg(n));
        writeAll(archive, backupOf({{QStringLiteral("files/1-x.mnu"), QStringLiteral("menu file"), c.path, bytes}}));
        ui.messages.clear();
        restore(archive);
        ASSERT_EQ(texts().size(), 2);
        const QString keptAs = QDir(backups()).filePath(QStringLiteral("before restore 2026-12-08 093000.zip"));
        EXPECT_TRUE(texts()[0].contains(
            c.why ? QStringLiteral(", to %1 (not back to %2, which is %3)\n\nIt replaces no file. Restore it?")
                        .arg(c.place, c.path, QLatin1String(c.why))
                  : QStringLiteral(", back to %1\n\nIt replaces:\n\n%1\n\n").arg(c.place)))
            << texts()[0].toStdString();
        EXPECT_EQ(texts()[1], c.why ? backupmsg::restored({}, {}, dated) : backupmsg::restored(keptAs));
        EXPECT_EQ(readAll(c.place), bytes);
        if (!c.why) {
            EXPECT_EQ(held(keptAs).at(c.place), old);
        }
        QFile::remove(keptAs);
    }
    // Two files of one backup for one place, or with one name: none is lost.
    std::vector<Listed> entries;
    const QStringList from = {in(home, "j.mnu"), in(home, "j.mnu"), in(home, "gone/p.mnu"), in(home, "lost/p.mnu")};
    const QStringList to = {in(home, "j.mnu"), in(dated, "j.mnu"), in(dated, "p.mnu"), in(dated, "p (2).mnu")};
    for (int i = 0; i < 4; ++i)
        entries.push_back({QStringLiteral("files/%1-x.mnu").arg(i + 1), QStringLiteral("menu file"), from[i],
                           sampleMenu(QStringLiteral("Plum"), 80 + i)});
    writeAll(doc(QStringLiteral("two.zip")), backupOf(entries));
    restore(doc(QStringLiteral("two.zip")));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(readAll(to[i]), entries[i].bytes) << to[i].toStdString();
    // Nothing written outside the home folder nor into a hidden folder; links and folders stay.
    EXPECT_EQ(filesOf(outside.path()), (std::map<QString, QByteArray>{{QStringLiteral("c.mnu"), "theirs"}}));
    EXPECT_TRUE(QDir(in(home, ".config")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QFileInfo(in(home, "k.mnu")).isSymLink());
    EXPECT_TRUE(QFileInfo(in(home, "f.mnu")).isDir());
}

TEST_F(BackupTest, ARestoreWritesThroughALinkAndStopsAtAFolderInTheWay)
{
    // The food table kept in another folder behind a link.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString real = path(QStringLiteral("real/foods.dbt"));
    ASSERT_TRUE(QFile::rename(path(FoodTableFileName), real) && QFile::link(real, path(FoodTableFileName)));
    const QByteArray foodsNow = readAll(real);
    const QString archive = doc(QStringLiteral("b.zip"));
    backUp(archive);
    addFoodItem(QStringLiteral("Zucchini"));
    const auto mine = QFile::ReadOwner | QFile::WriteOwner;  // a file made private stays private
    ASSERT_TRUE(QFile::setPermissions(real, mine));
    restore(archive);
    EXPECT_TRUE(QFileInfo(path(FoodTableFileName)).isSymLink());
    EXPECT_EQ(readAll(real), foodsNow);
    EXPECT_EQ(QFile::permissions(real) & ~QFileDevice::Permissions(0x0f00), mine);  // not the "user" bits

    // A folder where the activity table belongs: named, and nothing changes.
    addFoodItem(QStringLiteral("Zucchini"));
    ASSERT_TRUE(QFile::remove(path(ActivityFileName)) && QDir(dir.path()).mkdir(ActivityFileName));
    const auto before = files();
    const auto kept = filesOf(backups());
    ui.messages.clear();
    restore(archive);
    EXPECT_EQ(texts(), QStringList{backupmsg::inTheWay(path(ActivityFileName))});
    // The same when the folder comes after the question: nothing staged stays.
    const PlaceOutcome placed = placeFiles(dir.path(), {{real, "new"}, {path(ActivityFileName), "new"}});
    EXPECT_EQ(placed.result, PlaceResult::InTheWay);
    EXPECT_EQ(placed.file, path(ActivityFileName));
    EXPECT_TRUE(files() == before && filesOf(backups()) == kept);
    EXPECT_EQ(filesOf(path(QStringLiteral("real"))).size(), 1u);
}

TEST_F(BackupTest, UnsavedWeightRowsAreSavedFirstOrTheRestoreWaits)
{
    loadUserFiles();
    const QString archive = doc(QStringLiteral("b.zip"));
    backUp(archive);
    WeightLog& grid = app.weight.log();
    grid.editCell(ActualColumn, 1, QStringLiteral("999"));
    const auto before = filesOf(documents);
    const auto kept = filesOf(backups());
    ui.messages.clear();
    ui.openAnswers = {archive};
    ui.answers = {Button::Yes, Button::Cancel};
    program.execute(Command::RestoreFromBackup);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, backupmsg::unsavedWeights(doc(QStringLiteral("log.wgt"))));
    EXPECT_EQ(ui.messages[1].buttons, Button::Yes | Button::No | only(Button::Cancel));
    EXPECT_TRUE(filesOf(documents) == before && filesOf(backups()) == kept && grid.unsaved());

    // Saved first, the typed weight is in the backup of the replaced files.
    ui.openAnswers = {archive};
    ui.answers = {Button::Yes, Button::Yes};
    program.execute(Command::RestoreFromBackup);
    const QString keptAs = QDir(backups()).filePath(QStringLiteral("before restore 2026-12-08 093000.zip"));
    EXPECT_EQ(texts().last(), backupmsg::restored(keptAs));
    EXPECT_EQ(readWeightImage(held(keptAs).at(doc(QStringLiteral("log.wgt")))).records.at(0).actual, real6(999));
    EXPECT_EQ(readAll(doc(QStringLiteral("log.wgt"))), sampleWeights());
    EXPECT_FALSE(grid.unsaved());
}

} // namespace
