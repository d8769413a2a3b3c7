#pragma once
// Opening a file for reading only when it is a regular file (links followed).
// A named pipe or a device would make a read wait for ever, or never end: the
// program reads neither, and says so.

#include <QFile>
#include <QString>

namespace tolvane {

enum class OpenResult {
    Opened,
    NotRegular,  // a pipe, a device or a socket: not opened for reading
    CannotOpen,  // missing, a folder, no permission
};

// Opens `file` (by its fileName()) read-only when it is a regular file.
OpenResult openRegularFile(QFile& file);

// What the user is told of a file that is not a regular file.
QString notRegularFileText(const QString& path);

} // namespace tolvane
