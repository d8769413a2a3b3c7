#pragma once
// One program per data folder. Two runs on one folder would remove each
// other's save temporaries and write over each other's tables, so a run holds
// a lock file in the folder until it ends; a lock left by a run that was
// killed is taken over.

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
        NotLockable,    // no lock file can be made there (a read-only folder)
    };

    explicit DataFolderLock(const QString& folder);

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    // For a folder held by another run: which run, as far as its lock says.
    QString alreadyOpenText() const;

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    State state_ = State::NotLockable;
    qint64 pid_ = 0;
    QString host_;
};

} // namespace tolvane
