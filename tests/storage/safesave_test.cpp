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
#include <fcntl.h>
#include <sys/file.h>
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
        // Another run's clean-up, in the middle of the save, passes over its temporary file.
        for (const QString& folder : watch->folders)
            if (!removeSaveLeftoversBySuffix(folder, {QStringLiteral("db")}).isEmpty())
                watch->seen.append(QStringLiteral("temporary file removed in ") + QFileInfo(folder).fileName());
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

TEST_F(SafeSave, AChainOfLinksIsSavedWhereTheLastOnePoints)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString target = path(QStringLiteral("real/week.mnu"));
    writeAll(target, "old");
    // week.mnu -> middle -> real/week.mnu (relative links, as users make them)
    ASSERT_TRUE(QFile::link(QStringLiteral("middle"), path(QStringLiteral("week.mnu"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/week.mnu"), path(QStringLiteral("middle"))));
    EXPECT_EQ(finalSaveTarget(path(QStringLiteral("week.mnu"))), target);
    ASSERT_EQ(saveFileAtomically(path(QStringLiteral("week.mnu")), "new"), SaveResult::Saved);
    EXPECT_EQ(readAll(target), "new");
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("week.mnu"))).isSymLink());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("middle"))).isSymLink());
    EXPECT_EQ(QDir(path(QStringLiteral("real"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("week.mnu")});

    // A loop of links is refused, not replaced by a file.
    ASSERT_TRUE(QFile::link(QStringLiteral("loop2"), path(QStringLiteral("loop1"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("loop1"), path(QStringLiteral("loop2"))));
    EXPECT_EQ(saveFileAtomically(path(QStringLiteral("loop1")), "x"), SaveResult::CannotCreate);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("loop1"))).isSymLink());

    // The kernel follows 40 links in one path: a chain of 40 is saved, one of 41 refused.
    for (int n = 1; n <= 41; ++n)
        ASSERT_TRUE(QFile::link(n == 1 ? u"real/week.mnu"_s : u"chain%1"_s.arg(n - 1), path(u"chain%1"_s.arg(n))));
    EXPECT_EQ(saveFileAtomically(path(u"chain40"_s), "forty"), SaveResult::Saved);
    EXPECT_EQ(readAll(target), "forty");
    EXPECT_EQ(saveFileAtomically(path(u"chain41"_s), "x"), SaveResult::CannotCreate);
}

// Only what a save can have left goes: regular files of this user that it may
// write, which no save in progress holds. The user's own files' leftovers go
// at the next save of such a file into the folder.
TEST_F(SafeSave, CleanUpsRemoveOnlyLeftoversASaveCouldHaveWritten)
{
    writeAll(path(QStringLiteral("mine.txt")), "the user's");
    const QStringList gone = {QStringLiteral(".week.mnu.tolvane-Ab12cd"), QStringLiteral(".soup.rcp.tolvane-000000"),
                              QStringLiteral(".Log.WGT.tolvane-zzzzzz"), QStringLiteral(".foods.csv.tolvane-a1b2c3")};
    for (const QString& name : gone)
        writeAll(path(name), "x");
    const QString link = QStringLiteral(".link.mnu.tolvane-Sym000");
    ASSERT_TRUE(QFile::link(QStringLiteral("mine.txt"), path(link)));
    const QString readOnly = QStringLiteral(".ro.rcp.tolvane-RO0000");
    writeAll(path(readOnly), "x");
    ASSERT_EQ(::chmod(QFile::encodeName(path(readOnly)).constData(), 0444), 0);
    const QString held = QStringLiteral(".busy.csv.tolvane-Busy00");  // a save in progress
    writeAll(path(held), "x");
    const int fd = ::open(QFile::encodeName(path(held)).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const QString dataFile = QStringLiteral(".fooditem.dbt.tolvane-Ab12cd");  // goes at the next start
    writeAll(path(dataFile), "x");
    const QString fifo = QStringLiteral(".pipe.mnu.tolvane-Fifo00");  // not a regular file
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(fifo)).constData(), 0666), 0);
    const QStringList kept = {link, readOnly, held, dataFile, fifo};

    // Another kind of file saved: nothing is removed.
    ASSERT_EQ(saveFileAtomically(path(QStringLiteral("table.dbt")), "t"), SaveResult::Saved);
    for (const QString& name : gone + kept)
        EXPECT_TRUE(QFileInfo(path(name)).isSymLink() || QFile::exists(path(name))) << name.toStdString();

    ASSERT_EQ(saveFileAtomically(path(QStringLiteral("new.wgt")), "w"), SaveResult::Saved);
    for (const QString& name : gone)
        EXPECT_FALSE(QFile::exists(path(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFileInfo(path(name)).isSymLink() || QFile::exists(path(name))) << name.toStdString();
    EXPECT_EQ(readAll(path(QStringLiteral("mine.txt"))), "the user's");

    // The start-up clean-up of data files passes over the same kinds.
    const QString dataLink = QStringLiteral(".currmenu.db.tolvane-Sym000");
    ASSERT_TRUE(QFile::link(QStringLiteral("mine.txt"), path(dataLink)));
    EXPECT_EQ(removeSaveLeftovers(dir.path(), {QStringLiteral("fooditem.dbt"), QStringLiteral("currmenu.db"),
                                               QStringLiteral("ro.rcp"), QStringLiteral("busy.csv")}),
              QStringList{dataFile});
    EXPECT_TRUE(QFileInfo(path(dataLink)).isSymLink());
    ::close(fd);
    EXPECT_EQ(removeSaveLeftovers(dir.path(), {QStringLiteral("busy.csv")}), QStringList{held});
}

} // namespace
