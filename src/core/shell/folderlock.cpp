#include "shell/folderlock.h"

#include <QDir>

namespace tolvane {

DataFolderLock::DataFolderLock(const QString& folder)
    : folder_(folder), lock_(std::make_unique<QLockFile>(QDir(folder).filePath(DataFolderLockName)))
{
    // A lock is stale only when the run that made it is gone, however long it
    // has been held.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        state_ = State::Held;
        return;
    }
    if (lock_->error() == QLockFile::LockFailedError) {
        state_ = State::HeldByAnother;
        QString application;
        if (!lock_->getLockInfo(&pid_, &host_, &application)) {
            pid_ = 0;
            host_.clear();
        }
    }
}

QString DataFolderLock::alreadyOpenText() const
{
    const QString folder = QDir::toNativeSeparators(QDir(folder_).absolutePath());
    if (pid_ <= 0)
        return QStringLiteral("Tolvane is already open with the data folder %1.").arg(folder);
    if (host_.isEmpty())
        return QStringLiteral("Tolvane is already open with the data folder %1 (process %2).").arg(folder).arg(pid_);
    return QStringLiteral("Tolvane is already open with the data folder %1 (process %2 on %3).")
        .arg(folder)
        .arg(pid_)
        .arg(host_);
}

} // namespace tolvane
