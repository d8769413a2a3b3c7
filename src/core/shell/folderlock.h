#pragma once
// One program per data folder. Two runs on one folder would remove each
// other's save temporaries and write over each other's tables, so a run holds
// a lock file in the folder until it ends. A lock left by a run that was
// killed is taken over, and so is a lock file that plainly holds no lock (an
// empty or unreadable one that no run has open); anything else in its place
// is named for the user to remove.

#include <QLockFile>
#include <QString>
#include <memory>

namespace tolvane {

inline const QString DataFolderLockName = QStringLiteral(".tolvane.lock");

class DataFolderLock {
public:
    enum class State {
        Held,           // this run holds the folder
        HeldByAnother,  // another run that is still alive holds it
        Damaged,        // something that is not a lock file is in its place (a folder, a link)
        NotLockable,    // no lock file can be made there (a read-only folder, a full disk)
    };

    explicit DataFolderLock(const QString& folder);

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    // Why the folder cannot be used, for every state but Held.
    QString problemText() const;

private:
    // A regular lock file without a readable owner that no run holds open:
    // removed so that the lock can be made anew.
    bool removeDeadLock(const QString& path);

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    State state_ = State::NotLockable;
    qint64 pid_ = 0;
    QString host_;
};

} // namespace tolvane
