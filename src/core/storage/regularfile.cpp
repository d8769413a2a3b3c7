#include "storage/regularfile.h"

#include <QDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

OpenResult openRegularFile(QFile& file)
{
    const QByteArray name = QFile::encodeName(file.fileName());
    // Without O_NONBLOCK opening a pipe waits for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return OpenResult::CannotOpen;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? OpenResult::CannotOpen : OpenResult::NotRegular;
    }
    ::close(fd);
    // Opened by its name, the file keeps it (an open by descriptor drops it).
    return file.open(QIODevice::ReadOnly) ? OpenResult::Opened : OpenResult::CannotOpen;
}

QString notRegularFileText(const QString& path)
{
    return QStringLiteral("%1 is not a regular file (it is a pipe or a device); Tolvane reads only regular files.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace tolvane
