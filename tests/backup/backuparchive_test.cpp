// The backup archive: what is written comes back the same and opens with an
// ordinary zip tool, and every kind of bad archive is refused with its reason.

#include "backupfixture.h"
#include "qstringprint.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString Folder = QStringLiteral("/home/user/Documents");

TEST(BackupArchive, WhatIsWrittenReadsBackTheSameAndUnzipListsIt)
{
    const BackupContents contents = sampleContents(Folder);
    const QByteArray bytes = writeBackupArchive(contents);
    ASSERT_FALSE(bytes.isEmpty());
    const BackupRead read = readBackupArchive(bytes);
    ASSERT_EQ(read.problem, ArchiveProblem::None) << problemText(read).toStdString();
    EXPECT_EQ(read.contents, contents);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("b.zip"));
    writeAll(file, bytes);
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-Z1"), file});
    ASSERT_TRUE(unzip.waitForFinished());
    EXPECT_EQ(unzip.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(unzip.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
              QStringList({QStringLiteral("manifest.json"), QStringLiteral("fooditem.dbt"), QStringLiteral("currmenu.db"),
                           QStringLiteral("activity.db"), QStringLiteral("activityweek.db"), QStringLiteral("foodlinks.tsv"),
                           QStringLiteral("files/1-week.mnu"),
                           QStringLiteral("files/2-bread.rcp"), QStringLiteral("files/3-log.wgt")}));
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, QStringLiteral("currmenu.db")});
    ASSERT_TRUE(unzip.waitForFinished());
    EXPECT_EQ(unzip.readAllStandardOutput(), sampleMenu());
}

TEST(BackupArchive, TheSmallestRealBackupsStayWithinThePackingLimit)
{
    // Empty week, table and recipes pack best of all real files.
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1796000000, Qt::UTC);
    BackupContents contents{QStringLiteral("5.04"), when, {}};
    contents.files.push_back({BackupKind::FoodTable, QStringLiteral("fooditem.dbt"), QString(), when, {}});
    contents.files.push_back(
        {BackupKind::CurrentMenu, QStringLiteral("currmenu.db"), QString(), when, writeMenuImage(MenuImage{})});
    for (int i = 1; i <= 10; ++i) {
        const QString n = QString::number(i);
        contents.files.push_back({BackupKind::MenuFile, QStringLiteral("files/%1-m.mnu").arg(n),
                                  Folder + QStringLiteral("/m%1.mnu").arg(n), when, writeMenuImage(MenuImage{})});
        contents.files.push_back({BackupKind::RecipeFile, QStringLiteral("files/r%1.rcp").arg(n),
                                  Folder + QStringLiteral("/r%1.rcp").arg(n), when, writeRecipeImage(RecipeImage{})});
    }
    const BackupRead read = readBackupArchive(writeBackupArchive(contents));
    EXPECT_EQ(read.problem, ArchiveProblem::None) << problemText(read).toStdString();
}

struct BadArchive {
    const char* what;
    std::function<QByteArray()> make;
    ArchiveProblem problem;
    QString entry;
};

QByteArray good() { return writeBackupArchive(sampleContents(Folder)); }

Listed food(const QByteArray& bytes = tableBytes(numberedItems(2)))
{
    return {QStringLiteral("fooditem.dbt"), QStringLiteral("food item table"), QString(), bytes};
}

TEST(BackupArchive, BadArchivesAreRefusedWithTheirReason)
{
    const QByteArray zeros(1900000, '\0');
    const std::vector<BadArchive> cases = {
        {"nothing", [] { return QByteArray(); }, ArchiveProblem::Damaged, {}},
        {"not a zip", [] { return QByteArray("just some text, no archive"); }, ArchiveProblem::Damaged, {}},
        {"cut short", [] { return good().left(good().size() / 2); }, ArchiveProblem::Damaged, {}},
        {"cut before its last bytes", [] { return good().chopped(10); }, ArchiveProblem::Damaged, {}},
        {"larger than any backup", [] { return QByteArray(MaxArchiveBytes + 1, 'x'); }, ArchiveProblem::TooLarge, {}},
        {"no manifest", [] { return zip({{QStringLiteral("notes.txt"), "hello"}}); }, ArchiveProblem::Foreign, {}},
        {"another program's manifest",
         [] { return zip({{ManifestEntry, manifest({}, QStringLiteral("Other"))}}); }, ArchiveProblem::Foreign, {}},
        {"manifest not JSON", [] { return zip({{ManifestEntry, "{files"}}); }, ArchiveProblem::BadManifest,
         ManifestEntry},
        {"a name that climbs out",
         [] { return zip({{ManifestEntry, manifest({})}, {QStringLiteral("../evil.mnu"), sampleMenu()}}); },
         ArchiveProblem::UnsafeName, QStringLiteral("../evil.mnu")},
        {"an absolute name",
         [] { return zip({{ManifestEntry, manifest({})}, {QStringLiteral("/etc/evil.mnu"), sampleMenu()}}); },
         ArchiveProblem::UnsafeName, QStringLiteral("/etc/evil.mnu")},
        {"a name the manifest does not list",
         [] { return zip({{ManifestEntry, manifest({})}, {QStringLiteral("extra.txt"), "x"}}); },
         ArchiveProblem::Unlisted, QStringLiteral("extra.txt")},
        {"a name twice",
         [] {
             const Listed f = food();
             return zip({{ManifestEntry, manifest({f})}, {f.entry, f.bytes}, {f.entry, f.bytes}});
         },
         ArchiveProblem::UnsafeName, QStringLiteral("fooditem.dbt")},
        {"a symbolic link",
         [] {
             return zip({{ManifestEntry, manifest({})},
                         {QStringLiteral("fooditem.dbt"), {}, AE_IFLNK, QStringLiteral("/etc/passwd")}});
         },
         ArchiveProblem::NotAFile, QStringLiteral("fooditem.dbt")},
        {"a folder",
         [] { return zip({{ManifestEntry, manifest({})}, {QStringLiteral("files"), {}, AE_IFDIR}}); },
         ArchiveProblem::NotAFile, QStringLiteral("files/")},
        {"too many entries",
         [] {
             std::vector<ZipEntry> many{{ManifestEntry, manifest({})}};
             for (int i = 0; i < MaxArchiveEntries; ++i)
                 many.push_back({QStringLiteral("files/%1.mnu").arg(i), "x"});
             return zip(many);
         },
         ArchiveProblem::TooManyEntries, {}},
        {"an entry that unpacks beyond any file (a bomb)",
         [] { return zip({{ManifestEntry, manifest({})}, {QStringLiteral("fooditem.dbt"), QByteArray(5000000, '\0')}}); },
         ArchiveProblem::EntryTooLarge, QStringLiteral("fooditem.dbt")},
        {"an archive packed beyond any real backup",
         [zeros] { return zip({{ManifestEntry, manifest({})}, {QStringLiteral("files/1-a.wgt"), zeros}}); },
         ArchiveProblem::EntryTooLarge, QStringLiteral("files/1-a.wgt")},
        {"a manifest beyond its size",
         [] { return zip({{ManifestEntry, QByteArray(MaxManifestBytes + 1, ' ')}}); }, ArchiveProblem::EntryTooLarge,
         ManifestEntry},
        {"a current menu larger than its format",
         [] {
             return backupOf({{QStringLiteral("currmenu.db"), QStringLiteral("current menu"), QString(),
                               sampleMenu() + QByteArray(1, '\0')}});
         },
         ArchiveProblem::EntryTooLarge, QStringLiteral("currmenu.db")},
        {"a food table larger than 2000 items",
         [] { return backupOf({food(tableBytes(numberedItems(2001)))}); }, ArchiveProblem::EntryTooLarge,
         QStringLiteral("fooditem.dbt")},
        {"a food table cut inside a record",
         [] { return backupOf({food(tableBytes(numberedItems(2)).chopped(1))}); }, ArchiveProblem::Refused,
         QStringLiteral("fooditem.dbt")},
        {"a menu with eleven entries in a meal",
         [] {
             QByteArray menu = sampleMenu();
             menu[6] = 11;
             return backupOf({{QStringLiteral("currmenu.db"), QStringLiteral("current menu"), QString(), menu}});
         },
         ArchiveProblem::Refused, QStringLiteral("currmenu.db")},
        {"the days' activities with 21 on Sunday",
         [] {
             QByteArray week = sampleWeek();
             week[0] = 21;
             return backupOf({{QStringLiteral("activityweek.db"), QStringLiteral("activity week"), QString(), week}});
         },
         ArchiveProblem::Refused, QStringLiteral("activityweek.db")},
        {"the days' activities beyond a full week",
         [] {
             return backupOf({{QStringLiteral("activityweek.db"), QStringLiteral("activity week"), QString(),
                               QByteArray(ActivityWeekFileMaxSize + 1, '\0')}});
         },
         ArchiveProblem::EntryTooLarge, QStringLiteral("activityweek.db")},
        {"USDA links without their header line",
         [] {
             return backupOf({{QStringLiteral("foodlinks.tsv"), QStringLiteral("USDA links"), QString(),
                               sampleLinks().mid(5)}});
         },
         ArchiveProblem::Refused, QStringLiteral("foodlinks.tsv")},
        {"a weight file with a partial record",
         [] {
             return backupOf({{QStringLiteral("files/1-a.wgt"), QStringLiteral("weight file"),
                               Folder + QStringLiteral("/a.wgt"), sampleWeights().chopped(3)}});
         },
         ArchiveProblem::Refused, QStringLiteral("files/1-a.wgt")},
        {"a user's file aimed at another kind of file",
         [] {
             return backupOf({{QStringLiteral("files/1-x.mnu"), QStringLiteral("menu file"),
                               QStringLiteral("/home/user/.bashrc"), sampleMenu()}});
         },
         ArchiveProblem::BadManifest, ManifestEntry},
        {"a user's file aimed through ..",
         [] {
             return backupOf({{QStringLiteral("files/1-x.mnu"), QStringLiteral("menu file"),
                               QStringLiteral("/home/user/../root/x.mnu"), sampleMenu()}});
         },
         ArchiveProblem::BadManifest, ManifestEntry},
        {"a data file under another name",
         [] {
             return backupOf({{QStringLiteral("files/1-fooditem.dbt"), QStringLiteral("food item table"), QString(),
                               tableBytes(numberedItems(2))}});
         },
         ArchiveProblem::BadManifest, ManifestEntry},
        {"a kind the program does not know",
         [] { return backupOf({{QStringLiteral("files/1-a.mnu"), QStringLiteral("photo"), Folder + QStringLiteral("/a.mnu"), "x"}}); },
         ArchiveProblem::BadManifest, ManifestEntry},
        {"a file the manifest lists but the archive lacks",
         [] { return zip({{ManifestEntry, manifest({food()})}}); }, ArchiveProblem::Damaged,
         QStringLiteral("fooditem.dbt")},
        {"a file whose bytes differ from the manifest",
         [] {
             const Listed f = food();
             return zip({{ManifestEntry, manifest({f})}, {f.entry, tableBytes(numberedItems(1))}});
         },
         ArchiveProblem::Damaged, QStringLiteral("fooditem.dbt")},
        {"a file of the listed size whose bytes differ",
         [] {
             const Listed f = food();
             const QByteArray other = QByteArray(f.bytes).replace("Item 0001", "Item 0009");
             return zip({{ManifestEntry, manifest({f})}, {f.entry, other}});
         },
         ArchiveProblem::Damaged, QStringLiteral("fooditem.dbt")},
    };
    for (const BadArchive& c : cases) {
        SCOPED_TRACE(c.what);
        const BackupRead read = readBackupArchive(c.make());
        EXPECT_EQ(read.problem, c.problem) << problemText(read).toStdString();
        EXPECT_EQ(read.entry, c.entry);
        EXPECT_TRUE(read.contents.files.empty());
    }
}

TEST(BackupArchive, EncryptedEntriesAreRefused)
{
    const QByteArray bytes = zip({{ManifestEntry, manifest({food()})}, {food().entry, food().bytes}},
                                 "zip:encryption=zipcrypt");
    const BackupRead read = readBackupArchive(bytes);
    EXPECT_EQ(read.problem, ArchiveProblem::Encrypted) << problemText(read).toStdString();
    EXPECT_EQ(read.entry, ManifestEntry);
}

TEST(BackupArchive, ProblemTextsNameTheEntry)
{
    EXPECT_EQ(problemText({{}, ArchiveProblem::UnsafeName, QStringLiteral("../x")}),
              QStringLiteral("It holds \"../x\", a name that is not one of a backup's files."));
    EXPECT_EQ(problemText({{}, ArchiveProblem::Foreign, {}}),
              QStringLiteral("It is not a backup of this program: it has no list of files (manifest.json) written "
                             "by Tolvane."));
    EXPECT_EQ(problemText({{}, ArchiveProblem::Damaged, {}}), QStringLiteral("The file is not a complete zip archive."));
}

} // namespace
