// The data folder named on the command line: created and seeded when new,
// left alone when it exists.

#include "shell/datafolder.h"
#include "qstringprint.h"
#include "restrictedrun.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <sys/file.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString LockDamaged =
    QStringLiteral("The lock file %1 is damaged. If no Tolvane is running with this folder, remove it.");
const QString LockCannotBeMadeFull =
    QStringLiteral("The lock file %1 cannot be made: is the disk full? Tolvane works only on a folder it can lock.");
const QString LockCannotBeMadeReadOnly = QStringLiteral(
    "The lock file %1 cannot be made: the folder is read-only. Tolvane works only on a folder it can lock.");

QString lockText(const QString& folder, const QString& text)
{
    return QString(text).replace(QStringLiteral("%1"), QDir(folder).filePath(DataFolderLockName))
        .replace(QStringLiteral("%2"), folder);
}

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
    // A disk too full for the lock file refuses the folder before any starter
    // file, and leaves nothing for the next start to take as the user's own.
    EXPECT_EQ(run.messages, (QStringList{QStringLiteral("failed"), lockText(folder, LockCannotBeMadeFull)}));
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(DataFolder, ALockFileThatHoldsNoLockIsTakenOverAndAnythingElseIsNamed)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("target"));
    writeAll(target, "not a lock");
    struct Case {
        const char* what;
        std::function<void(const QString& lock)> make;
        QString error;  // with %1 for the lock file, %2 for the folder; empty: taken over
    };
    const auto link = [](const QString& to) { return [to](const QString& lock) { QFile::link(to, lock); }; };
    const std::vector<Case> cases = {
        {"empty", [](const QString& lock) { writeAll(lock, ""); }, {}},
        {"garbage", [](const QString& lock) { writeAll(lock, QByteArray("\xff\0garbage\n\n\n", 12)); }, {}},
        {"a folder", [](const QString& lock) { QDir().mkdir(lock); }, LockDamaged},
        {"a dangling link", link(QStringLiteral("/nonexistent/lock")), LockDamaged},
        {"a link to a file", link(target), LockDamaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString lock = dir.filePath(DataFolderLockName);
        c.make(lock);
        const DataFolder prepared = prepareDataFolder(dir.path(), StarterFolder, Seeding::Never);
        EXPECT_EQ(prepared.ok, c.error.isEmpty());
        EXPECT_EQ(prepared.error, c.error.isEmpty() ? QString() : lockText(dir.path(), c.error));
        if (prepared.ok) {
            qint64 pid = 0;
            QString host, application;
            EXPECT_TRUE(QLockFile(lock).getLockInfo(&pid, &host, &application));
            EXPECT_EQ(pid, QCoreApplication::applicationPid());
        }
    }
    EXPECT_EQ(readAll(target), "not a lock");

    // An unreadable lock file that a run holds open is being made this moment.
    QTemporaryDir dir;
    const QString lock = dir.filePath(DataFolderLockName);
    writeAll(lock, "");
    QFile held(lock);
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(held.handle(), LOCK_EX | LOCK_NB), 0);
    const DataFolder refused = prepareDataFolder(dir.path(), StarterFolder, Seeding::Never);
    EXPECT_TRUE(refused.alreadyOpen);
    EXPECT_EQ(refused.error, lockText(dir.path(), QStringLiteral("Tolvane is already open with the data folder %2.")));

    // A read-only folder: no lock, no run.
    const ChildRun run = runRestricted(Restriction::ReadOnlyFolder, elsewhere.path(), [&] {
        return QStringList{prepareDataFolder(elsewhere.path(), StarterFolder, Seeding::Never).error};
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.messages, QStringList{lockText(elsewhere.path(), LockCannotBeMadeReadOnly)});
}

} // namespace
