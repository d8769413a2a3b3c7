// Replacing a file as a whole: the result, the permissions, the temporary
// file's recognisable name and the clean-up of leftovers.

#include "storage/safesave.h"
#include "restrictedrun.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class SafeSave : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

TEST_F(SafeSave, ReplacesTheFileKeepingItsPermissionsAndLeavesNothingElse)
{
    const QString file = path(QStringLiteral("data.db"));
    ASSERT_EQ(saveFileAtomically(file, "first"), SaveResult::Saved);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    ASSERT_EQ(saveFileAtomically(file, QByteArray(300000, 'z')), SaveResult::Saved);
    EXPECT_EQ(readAll(file), QByteArray(300000, 'z'));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("data.db")});
}

TEST_F(SafeSave, WhatCannotBeReplacedCountsAsNotCreated)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.db")));
    EXPECT_EQ(saveFileAtomically(path(QStringLiteral("folder.db")), "x"), SaveResult::CannotCreate);
    EXPECT_EQ(saveFileAtomically(path(QStringLiteral("missing/data.db")), "x"), SaveResult::CannotCreate);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("folder.db")});
}

TEST_F(SafeSave, FullDiskAndReadOnlyFolderKeepTheOldFileWhole)
{
    const QString file = path(QStringLiteral("data.db"));
    writeAll(file, "old bytes");
    for (Restriction restriction : {Restriction::FullDisk, Restriction::ReadOnlyFolder}) {
        const ChildRun run = runRestricted(restriction, dir.path(), [&] {
            const SaveResult result = saveFileAtomically(file, QByteArray(5000, 'n'));
            return QStringList{QString::number(static_cast<int>(result))};
        });
        ASSERT_TRUE(run.exited);
        const SaveResult expected =
            restriction == Restriction::FullDisk ? SaveResult::WriteFailed : SaveResult::CannotCreate;
        EXPECT_EQ(run.messages, QStringList{QString::number(static_cast<int>(expected))});
        EXPECT_EQ(readAll(file), "old bytes");
        EXPECT_EQ(entries(), QStringList{QStringLiteral("data.db")});
    }
}

TEST(SaveLeftover, OnlyTheHelpersOwnNamesAreRecognised)
{
    const QString table = QStringLiteral("fooditem.dbt");
    EXPECT_TRUE(isSaveLeftover(QStringLiteral(".fooditem.dbt.tolvane-aZ09xQ"), table));
    for (const char* other : {"fooditem.dbt.backup", "fooditem.dbt.aZ09xQ", ".fooditem.dbt.tolvane-aZ09x",
                              ".fooditem.dbt.tolvane-aZ09xQQ", ".fooditem.dbt.tolvane-aZ-9xQ",
                              ".fooditem.dbt.tolvane-aZ09x\u00e9", ".currmenu.db.tolvane-aZ09xQ", "fooditem.dbt"})
        EXPECT_FALSE(isSaveLeftover(QString::fromUtf8(other), table)) << other;
}

TEST_F(SafeSave, LeftoversOfTheGivenFilesAreRemoved)
{
    for (const char* name : {".a.db.tolvane-111111", ".a.db.tolvane-22222", ".b.db.tolvane-333333", "a.db"})
        writeAll(path(QString::fromLatin1(name)), "x");
    EXPECT_EQ(removeSaveLeftovers(dir.path(), {QStringLiteral("a.db")}),
              QStringList{QStringLiteral(".a.db.tolvane-111111")});
    EXPECT_EQ(entries(), (QStringList{QStringLiteral(".a.db.tolvane-22222"), QStringLiteral(".b.db.tolvane-333333"),
                                      QStringLiteral("a.db")}));
}

} // namespace
