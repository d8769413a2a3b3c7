// The data folder named on the command line: created and seeded when new,
// left alone when it exists.

#include "shell/datafolder.h"
#include "qstringprint.h"
#include "restrictedrun.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

TEST(DataFolder, ANewFolderIsCreatedWithTheStarterFiles)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("share/Tolvane"));
    const DataFolder prepared = prepareDataFolder(folder);
    EXPECT_TRUE(prepared.ok);
    EXPECT_TRUE(prepared.created);
    EXPECT_TRUE(prepared.error.isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("activity.db"), QStringLiteral("currmenu.db"),
                           QStringLiteral("fooditem.dbt")}));
    for (const QString& name : StarterFiles) {
        const QByteArray embedded = readAll(StarterFolder + u'/' + name);
        EXPECT_FALSE(embedded.isEmpty()) << name.toStdString();
        EXPECT_EQ(readAll(QDir(folder).filePath(name)), embedded) << name.toStdString();
    }
}

TEST(DataFolder, AFolderThatExistsIsLeftAsItIs)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(QStringLiteral("fooditem.dbt"));
    writeAll(table, QByteArray("mine"));
    const DataFolder prepared = prepareDataFolder(dir.path());
    EXPECT_TRUE(prepared.ok);
    EXPECT_FALSE(prepared.created);
    EXPECT_EQ(readAll(table), QByteArray("mine"));
    // No starter file is added to a folder the user already has.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("fooditem.dbt")});
}

TEST(DataFolder, OnlyTheStarterFilesThereAreCopied)
{
    QTemporaryDir starter;
    writeAll(starter.filePath(QStringLiteral("activity.db")), QByteArray("activities"));
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new"));
    const DataFolder prepared = prepareDataFolder(folder, starter.path());
    EXPECT_TRUE(prepared.ok);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("activity.db")});
    EXPECT_EQ(readAll(QDir(folder).filePath(QStringLiteral("activity.db"))), QByteArray("activities"));
}

TEST(DataFolder, AFileOrAnUncreatableFolderIsRefused)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    writeAll(file, QByteArray("x"));
    const DataFolder onFile = prepareDataFolder(file);
    EXPECT_FALSE(onFile.ok);
    EXPECT_EQ(onFile.error, file + QStringLiteral(" is not a folder."));

    const QString below = file + QStringLiteral("/inside");
    const DataFolder belowFile = prepareDataFolder(below);
    EXPECT_FALSE(belowFile.ok);
    EXPECT_EQ(belowFile.error, QStringLiteral("The folder %1 cannot be created.").arg(below));
    EXPECT_EQ(readAll(file), QByteArray("x"));
}

TEST(DataFolder, AStarterFileThatCannotBeWrittenFailsWithTheFilesName)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new"));
    const ChildRun run = runRestricted(Restriction::FullDisk, dir.path(), [&] {
        const DataFolder prepared = prepareDataFolder(folder);
        return QStringList{prepared.ok ? QStringLiteral("ok") : QStringLiteral("failed"), prepared.error};
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.messages, (QStringList{QStringLiteral("failed"),
                                         QStringLiteral("The file %1/fooditem.dbt cannot be written.").arg(folder)}));
    // Nothing cut short is left for the next start to take as the user's own:
    // only the mark that has the next start complete the seeding.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{SeedingMarkName});
}

} // namespace
