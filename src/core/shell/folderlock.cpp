#include "shell/folderlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

DataFolderLock::DataFolderLock(const QString& folder) : folder_(folder)
{
    const QString path = QDir(folder).filePath(DataFolderLockName);
    lock_ = std::make_unique<QLockFile>(path);
    // A lock is stale only when the run that made it is gone, however long it
    // has been held.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0) || (lock_->error() == QLockFile::LockFailedError && removeDeadLock(path) &&
                              lock_->tryLock(0))) {
        state_ = State::Held;
        return;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        state_ = State::NotLockable;
        return;
    }
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile()) {
        state_ = State::Damaged;
        return;
    }
    state_ = State::HeldByAnother;
    QString application;
    if (!lock_->getLockInfo(&pid_, &host_, &application)) {
        pid_ = 0;
        host_.clear();
    }
}

bool DataFolderLock::removeDeadLock(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return false;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_->getLockInfo(&pid, &host, &application))
        return false;  // a lock that names its run: QLockFile knows whether that run is alive
    // A run holds its lock file open with an flock from the moment it makes
    // it, before it writes its owner: a file no one holds is no live lock.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat opened = {};
    struct stat named = {};
    const bool dead = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
                      ::lstat(name.constData(), &named) == 0 && named.st_ino == opened.st_ino &&
                      named.st_dev == opened.st_dev && ::unlink(name.constData()) == 0;
    ::close(fd);
    return dead;
}

QString DataFolderLock::problemText() const
{
    const QString folder = QDir::toNativeSeparators(QDir(folder_).absolutePath());
    const QString file = QDir::toNativeSeparators(QDir(folder_).absoluteFilePath(DataFolderLockName));
    switch (state_) {
    case State::Held: return {};
    case State::Damaged:
        return QStringLiteral("The lock file %1 is damaged. If no Tolvane is running with this folder, remove it.")
            .arg(file);
    case State::NotLockable:
        return QFileInfo(folder_).isWritable()
                   ? QStringLiteral("The lock file %1 cannot be made: is the disk full? Tolvane works only on a "
                                    "folder it can lock.")
                         .arg(file)
                   : QStringLiteral("The lock file %1 cannot be made: the folder is read-only. Tolvane works only "
                                    "on a folder it can lock.")
                         .arg(file);
    case State::HeldByAnother: break;
    }
    if (pid_ <= 0)
        return QStringLiteral("Tolvane is already open with the data folder %1.").arg(folder);
    if (host_.isEmpty())
        return QStringLiteral("Tolvane is already open with the data folder %1 (process %2).")
            .arg(folder, QString::number(pid_));
    return QStringLiteral("Tolvane is already open with the data folder %1 (process %2 on %3).")
        .arg(folder, QString::number(pid_), host_);
}

} // namespace tolvane
