#include "restrictedrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tolvane::test {

namespace {
// The user and group "nobody".
constexpr uid_t Nobody = 65534;
constexpr rlim_t FullDiskBytes = 10;
constexpr char Separator = '\x1e';

void makeReadOnly(const QString& folder, const QStringList& writable)
{
    // Readable and searchable by everyone, writable by its owner only; root's
    // child runs as another user so the owner's right does not help it.
    const bool root = ::geteuid() == 0;
    const mode_t mode = root ? 0755 : 0555;
    ::chmod(QFile::encodeName(folder).constData(), mode);
    for (const QString& entry : QDir(folder).entryList(QDir::Files))
        ::chmod(QFile::encodeName(QDir(folder).filePath(entry)).constData(), 0644);
    for (const QString& path : writable)
        ::chmod(QFile::encodeName(path).constData(), 0777);
}

// Gives `folder` and its files to `user` (a root test's child runs as "nobody").
void giveTo(const QString& folder, uid_t user, gid_t group)
{
    ::chown(QFile::encodeName(folder).constData(), user, group);
    for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        ::lchown(QFile::encodeName(QDir(folder).filePath(entry)).constData(), user, group);
}

bool dropRoot()
{
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setresgid(Nobody, Nobody, Nobody) == 0 &&
           ::setresuid(Nobody, Nobody, Nobody) == 0;
}
} // namespace

ChildRun runRestricted(Restriction restriction, const QString& folder, const std::function<QStringList()>& body,
                       const QStringList& writable)
{
    const bool root = ::geteuid() == 0;
    if (restriction == Restriction::ReadOnlyFolder)
        makeReadOnly(folder, writable);
    if (restriction == Restriction::NotRoot && root)
        giveTo(folder, Nobody, Nobody);
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        bool ready = true;
        if (restriction == Restriction::ReadOnlyFolder || restriction == Restriction::NotRoot) {
            ready = dropRoot();
        } else {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit {FullDiskBytes, FullDiskBytes};
            ready = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
        if (!ready)
            ::_exit(3);
        const QByteArray report = body().join(QLatin1Char(Separator)).toUtf8();
        // A check that failed inside the child fails the run.
        if (::testing::Test::HasFailure())
            ::_exit(5);
        qsizetype done = 0;
        while (done < report.size()) {
            const ssize_t n = ::write(fds[1], report.constData() + done, static_cast<size_t>(report.size() - done));
            if (n <= 0)
                ::_exit(4);
            done += n;
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (restriction == Restriction::ReadOnlyFolder)
        ::chmod(QFile::encodeName(folder).constData(), 0700);
    if (restriction == Restriction::NotRoot && root)
        giveTo(folder, 0, 0);
    ChildRun run;
    run.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!report.isEmpty())
        run.messages = QString::fromUtf8(report).split(QLatin1Char(Separator));
    return run;
}

} // namespace tolvane::test
