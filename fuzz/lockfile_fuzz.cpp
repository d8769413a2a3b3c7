// The content of a data folder's lock file at start-up. A file that names no
// run is taken over; one that names a run is that run's, alive or not; either
// way the start never crashes, and a lock this run made names this run.

#include "fuzzapp.h"
#include "shell/folderlock.h"

#include <QCoreApplication>
#include <QDir>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    const QString folder = f.path(QStringLiteral("locked"));
    QDir().mkpath(folder);
    const QString lockPath = QDir(folder).filePath(DataFolderLockName);
    QFile::remove(lockPath);
    f.write(QStringLiteral("locked/") + DataFolderLockName, fuzz::input(data, size));
    qint64 pid = 0;
    QString host, application;
    const bool namesARun = QLockFile(lockPath).getLockInfo(&pid, &host, &application);
    {
        const DataFolderLock lock(folder);
        switch (lock.state()) {
        case DataFolderLock::State::Held: {
            qint64 owner = 0;
            if (!QLockFile(lockPath).getLockInfo(&owner, &host, &application) ||
                owner != QCoreApplication::applicationPid())
                fuzz::roundTripFailed("a lock taken does not name this run");
            break;
        }
        case DataFolderLock::State::HeldByAnother:
            if (!namesARun)
                fuzz::roundTripFailed("a lock file that names no run was not taken over");
            break;
        case DataFolderLock::State::Damaged:
        case DataFolderLock::State::NotLockable:
            fuzz::roundTripFailed("a regular lock file in a writable folder was refused");
        }
        if (lock.held() == !lock.problemText().isEmpty())
            fuzz::roundTripFailed("the problem text disagrees with the state");
    }
    QFile::remove(lockPath);
    return 0;
}
