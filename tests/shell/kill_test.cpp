// A program killed at random moments while it saves: every data file is
// always whole (one of the versions the driver writes, old or new), and the
// next start leaves no temporary file behind. The same for a backup (the
// archive is whole or absent) and a restore (after the next start, all the
// data files are of one backup). A second run on a folder that a run holds
// ends without touching it; the lock of a killed run is taken over.

#include "activity/activitytexts.h"
#include "backup/backuparchive.h"
#include "backup/restorefiles.h"
#include "food/foodtableio.h"
#include "menu/menustore.h"
#include "shell/folderlock.h"
#include "storage/safesave.h"
#include "../killdriver/versions.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

constexpr int Kills = 60;
constexpr qint64 TimeBudgetMs = 20000;

// Starts the driver; returns its process id and a pipe that says "saving"
// once the program has started.
pid_t startDriver(const QString& folder, const char* mode, int* readyPipe)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const QByteArray dir = QFile::encodeName(folder);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        ::execl(TOLVANE_KILL_DRIVER, TOLVANE_KILL_DRIVER, dir.constData(), mode, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    *readyPipe = fds[0];
    return pid;
}

// What a driver said on its standard output until it ended, and how it ended.
struct Ended {
    QByteArray said;
    int status = -1;
};

Ended waitForDriver(pid_t pid, int output)
{
    Ended ended;
    char buffer[512];
    for (ssize_t n; (n = ::read(output, buffer, sizeof buffer)) > 0;)
        ended.said.append(buffer, n);
    ::close(output);
    ::waitpid(pid, &ended.status, 0);
    return ended;
}

bool exitedWith(int status, int code) { return WIFEXITED(status) && WEXITSTATUS(status) == code; }

QStringList leftovers(const QString& folder)
{
    QStringList found;
    for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        if (entry.contains(QStringLiteral(".tolvane-")))
            found.append(entry);
    return found;
}

TEST(KillTest, DataFilesStayWholeAndTheNextStartLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayUs(0, 40000);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    int withLeftovers = 0;
    for (; kills < Kills && clock.elapsed() < TimeBudgetMs; ++kills) {
        int ready = -1;
        const pid_t pid = startDriver(dir.path(), "--save", &ready);
        ASSERT_GT(pid, 0);
        char word[8] = {};
        // Wait for the start-up (it cleans up and loads), then kill at random.
        ASSERT_EQ(::read(ready, word, 7), 7) << "the driver did not start";
        ::close(ready);
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the driver ended by itself";

        const QString food = dir.filePath(FoodTableFileName);
        const QString menu = dir.filePath(CurrentMenuFileName);
        const QString activity = dir.filePath(ActivityFileName);
        ASSERT_TRUE(!QFile::exists(food) || kill::wholeFoodTable(readAll(food))) << "kill " << kills;
        ASSERT_TRUE(!QFile::exists(menu) || kill::wholeCurrentMenu(readAll(menu))) << "kill " << kills;
        ASSERT_TRUE(!QFile::exists(activity) || kill::wholeActivityTable(readAll(activity))) << "kill " << kills;
        if (!leftovers(dir.path()).isEmpty())
            ++withLeftovers;
    }
    EXPECT_GE(kills, 10);
    EXPECT_TRUE(QFile::exists(dir.filePath(FoodTableFileName)));
    std::printf("%d kills, %d left a temporary file behind\n", kills, withLeftovers);

    int ready = -1;
    const pid_t pid = startDriver(dir.path(), "--start-only", &ready);
    ASSERT_GT(pid, 0);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(ready);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(leftovers(dir.path()), QStringList{});
}

TEST(KillTest, ASecondRunOnAHeldFolderEndsUntouchedAndAKilledRunsLockIsTakenOver)
{
    QTemporaryDir dir;
    int output = -1;
    const pid_t first = startDriver(dir.path(), "--save", &output);
    ASSERT_GT(first, 0);
    char word[8] = {};
    ASSERT_EQ(::read(output, word, 7), 7) << "the driver did not start";
    // Left as the first run's saves leave theirs: only a clean-up removes it.
    const QString temporary = dir.filePath(QStringLiteral(".fooditem.dbt.tolvane-Zz0099"));
    writeAll(temporary, "x");

    int secondOutput = -1;
    const pid_t second = startDriver(dir.path(), "--start-only", &secondOutput);
    ASSERT_GT(second, 0);
    const Ended refused = waitForDriver(second, secondOutput);
    EXPECT_TRUE(exitedWith(refused.status, 1));
    EXPECT_EQ(QString::fromUtf8(refused.said),
              QStringLiteral("Tolvane is already open with the data folder %1 (process %2 on %3).\n")
                  .arg(dir.path())
                  .arg(first)
                  .arg(QSysInfo::machineHostName()));
    EXPECT_TRUE(QFile::exists(temporary));

    ::kill(first, SIGKILL);
    const Ended killed = waitForDriver(first, output);
    ASSERT_TRUE(WIFSIGNALED(killed.status));
    ASSERT_TRUE(QFile::exists(dir.filePath(DataFolderLockName)));  // stale now

    int thirdOutput = -1;
    const pid_t third = startDriver(dir.path(), "--start-only", &thirdOutput);
    ASSERT_GT(third, 0);
    const Ended started = waitForDriver(third, thirdOutput);
    EXPECT_TRUE(exitedWith(started.status, 0)) << started.said.constData();
    EXPECT_FALSE(QFile::exists(temporary));
    EXPECT_FALSE(QFile::exists(dir.filePath(DataFolderLockName)));  // let go at the end of the run
}

} // namespace

namespace {

// Starts the driver in `mode`, waits until it works, kills it after a random
// delay; true when it was killed (not ended by itself).
bool killWhileWorking(const QString& folder, const char* mode, std::mt19937& random)
{
    std::uniform_int_distribution<int> delayUs(0, 60000);
    int ready = -1;
    const pid_t pid = startDriver(folder, mode, &ready);
    if (pid <= 0)
        return false;
    char word[8] = {};
    const bool started = ::read(ready, word, 7) == 7;
    ::close(ready);
    if (started)
        ::usleep(static_cast<useconds_t>(delayUs(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return started && WIFSIGNALED(status);
}

bool startOnly(const QString& folder)
{
    int ready = -1;
    const pid_t pid = startDriver(folder, "--start-only", &ready);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(ready);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(KillTest, ABackupKilledWhileWrittenLeavesTheLastWholeArchiveOrNone)
{
    QTemporaryDir dir;
    std::mt19937 random(20261209);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    int whole = 0;
    for (; kills < 30 && clock.elapsed() < TimeBudgetMs; ++kills) {
        ASSERT_TRUE(killWhileWorking(dir.path(), "--backup", random)) << "kill " << kills;
        const QString archive = dir.filePath(QStringLiteral("out.zip"));
        if (!QFile::exists(archive))
            continue;
        const BackupRead read = readBackupArchive(readAll(archive));
        ASSERT_EQ(read.problem, ArchiveProblem::None) << "kill " << kills << ": " << problemText(read).toStdString();
        ASSERT_TRUE(kill::wholeFoodTable(read.contents.files.at(0).bytes)) << "kill " << kills;
        ++whole;
    }
    EXPECT_GE(kills, 10);
    EXPECT_GT(whole, 0);
    std::printf("%d kills while backing up, %d left an archive\n", kills, whole);
}

TEST(KillTest, ARestoreKilledAnywherePutsAllFilesInPlaceOrNone)
{
    QTemporaryDir dir;
    std::mt19937 random(20261210);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    int seen[2] = {0, 0};
    for (; kills < 30 && clock.elapsed() < TimeBudgetMs; ++kills) {
        ASSERT_TRUE(killWhileWorking(dir.path(), "--restore", random)) << "kill " << kills;
        // The next start finishes or undoes what the kill cut short.
        ASSERT_TRUE(startOnly(dir.path()));
        const int version = kill::folderVersion(dir.path());
        ASSERT_NE(version, -1) << "kill " << kills << ": a mix of two backups";
        ++seen[version];
        EXPECT_FALSE(QFile::exists(dir.filePath(RestoreJournalName)));
        ASSERT_TRUE(QFileInfo(dir.filePath(QStringLiteral("activity.db"))).isSymLink()) << "kill " << kills;
        for (const QString& folder : {dir.path(), dir.filePath(QStringLiteral("kept"))})
            for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Hidden))
                ASSERT_FALSE(entry.endsWith(StagedMark)) << entry.toStdString();
    }
    EXPECT_GE(kills, 10);
    std::printf("%d kills while restoring: %d left the first backup's files, %d the second's\n", kills, seen[0],
                seen[1]);
}

} // namespace
