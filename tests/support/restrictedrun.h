#pragma once
// Runs a piece of a test in a child process that cannot write where the test
// says: a folder it may not write to, or a file-size limit that cuts every
// write short as a full disk does. The child reports the texts of the
// messages the user was shown. Tests run as root in CI, and a read-only
// folder or an unreadable file does not stop root: there the child gives up
// root first.

#include <QString>
#include <QStringList>
#include <functional>

namespace tolvane::test {

enum class Restriction {
    ReadOnlyFolder,  // `folder` cannot be written (its files can still be read)
    FullDisk,        // no file can grow beyond a few bytes
    NotRoot,         // permission bits hold: `folder` and its files stay the child's to write
};

struct ChildRun {
    bool exited = false;     // the child ended normally
    QStringList messages;    // what `body` returned
};

// Runs `body` in a child with `folder` (and everything in it) restricted;
// `writable` folders inside stay writable. `body` returns the texts to report.
ChildRun runRestricted(Restriction restriction, const QString& folder, const std::function<QStringList()>& body,
                       const QStringList& writable = {});

} // namespace tolvane::test
