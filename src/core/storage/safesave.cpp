#include "storage/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// POSIX calls rather than QSaveFile: QSaveFile names its temporary file like a
// user's own "fooditem.dbt.backup" and cannot sync the folder after the rename.

namespace tolvane {

namespace {

const QString LeftoverMark = QStringLiteral(".tolvane-");
constexpr int RandomLength = 6;
constexpr char RandomChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
SyncCall syncCall = nullptr;

int syncDescriptor(int fd) { return syncCall ? syncCall(fd) : ::fsync(fd); }

QString temporaryName(const QString& fileName)
{
    QString name = u'.' + fileName + LeftoverMark;
    for (int i = 0; i < RandomLength; ++i)
        name += QLatin1Char(RandomChars[QRandomGenerator::global()->bounded(int(sizeof RandomChars) - 1)]);
    return name;
}

bool writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// The rename is only durable once the folder's entry is on disk. File systems
// that cannot sync a folder say so; the file itself is written either way.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    syncDescriptor(fd);
    ::close(fd);
}

} // namespace

SaveResult saveFileAtomically(const QString& path, const QByteArray& bytes)
{
    // A data file kept behind a symbolic link is replaced where the link points.
    const QFileInfo given(path);
    const QFileInfo target(given.isSymLink() ? given.symLinkTarget() : path);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());

    // A file that cannot be replaced (a folder of that name, a file the user
    // made read-only) counts as one that cannot be created.
    struct stat old {};
    const bool exists = ::stat(finalName.constData(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || ::access(finalName.constData(), W_OK) != 0))
        return SaveResult::CannotCreate;

    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = QFile::encodeName(QDir(target.absolutePath()).filePath(temporaryName(target.fileName())));
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return SaveResult::CannotCreate;
    }
    if (fd < 0)
        return SaveResult::CannotCreate;

    // A replaced file keeps its permissions.
    if (exists)
        ::fchmod(fd, old.st_mode & 07777);

    bool ok = writeAll(fd, bytes.constData(), bytes.size()) && syncDescriptor(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(tempName.constData(), finalName.constData()) == 0) {
        syncFolder(folder);
        return SaveResult::Saved;
    }
    ::unlink(tempName.constData());
    return SaveResult::WriteFailed;
}

void setSyncCallForTesting(SyncCall call) { syncCall = call; }

bool isSaveLeftover(const QString& entry, const QString& fileName)
{
    const QString prefix = u'.' + fileName + LeftoverMark;
    if (entry.size() != prefix.size() + RandomLength || !entry.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < entry.size(); ++i) {
        const QChar c = entry.at(i);
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')))
            return false;
    }
    return true;
}

QStringList removeSaveLeftovers(const QString& folder, const QStringList& fileNames)
{
    QStringList removed;
    const QDir dir(folder);
    for (const QString& fileName : fileNames) {
        const QStringList candidates = dir.entryList({u'.' + fileName + LeftoverMark + u'*'},
                                                     QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& entry : candidates)
            if (isSaveLeftover(entry, fileName) && QFile::remove(dir.filePath(entry)))
                removed.append(entry);
    }
    return removed;
}

} // namespace tolvane
