// Replacing a file as a whole: the result, the permissions, the temporary
// file's recognisable name and the clean-up of leftovers.

#include "storage/safesave.h"
#include "restrictedrun.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;
using namespace tolvane::test;
using namespace Qt::StringLiterals;

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

// The syncs of saves as they happen: a file's size, or a folder's name and
// what the saved name holds by then.
struct SyncWatch {
    QString saved;
    QStringList folders;  // the folders a sync may name
    QStringList seen;
};
SyncWatch* watch = nullptr;

int watchedSync(int fd)
{
    struct stat synced {};
    ::fstat(fd, &synced);
    if (!S_ISDIR(synced.st_mode)) {
        watch->seen.append(QStringLiteral("file of %1 bytes").arg(synced.st_size));
    } else {
        QString name = QStringLiteral("another folder");
        for (const QString& folder : watch->folders) {
            struct stat info {};
            if (::stat(QFile::encodeName(folder).constData(), &info) == 0 && info.st_ino == synced.st_ino &&
                info.st_dev == synced.st_dev)
                name = QFileInfo(folder).fileName();
        }
        watch->seen.append(QStringLiteral("folder %1 with ").arg(name) + QString::fromLatin1(readAll(watch->saved)));
    }
    return ::fsync(fd);
}

TEST_F(SafeSave, TheFileIsSyncedBeforeTheRenameAndItsFolderAfter)
{
    SyncWatch seen;
    watch = &seen;
    setSyncCallForTesting(watchedSync);
    struct Restore {
        ~Restore() { setSyncCallForTesting(nullptr); }
    } restore;

    // A data file kept behind a link is saved, and synced, where the link points.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("here")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("there")));
    writeAll(path(QStringLiteral("there/linked.db")), "old");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("there/linked.db")), path(QStringLiteral("here/linked.db"))));
    seen.folders = {path(QStringLiteral("here")), path(QStringLiteral("there"))};
    const struct {
        const char* name;
        const char* read;  // where the saved bytes are read back
        QStringList syncs;
    } cases[] = {
        {"here/new.db", "here/new.db", {u"file of 5 bytes"_s, u"folder here with saved"_s}},
        {"here/new.db", "here/new.db", {u"file of 5 bytes"_s, u"folder here with saved"_s}},  // replaced
        {"here/linked.db", "there/linked.db", {u"file of 5 bytes"_s, u"folder there with saved"_s}},
    };
    for (const auto& c : cases) {
        seen.saved = path(QString::fromLatin1(c.read));
        seen.seen.clear();
        EXPECT_EQ(saveFileAtomically(path(QString::fromLatin1(c.name)), "saved"), SaveResult::Saved);
        EXPECT_EQ(seen.seen, c.syncs) << c.name;
    }
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
