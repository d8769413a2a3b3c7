#include "storage/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// POSIX calls rather than QSaveFile: QSaveFile names its temporary file like a
// user's own "fooditem.dbt.backup" and cannot sync the folder after the rename.

namespace tolvane {

namespace {

const QString LeftoverMark = QStringLiteral(".tolvane-");
constexpr int RandomLength = 6;
// As many links as the kernel follows in one path before it gives up.
constexpr int MaxLinks = 40;
constexpr char RandomChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
SyncCall syncCall = nullptr;

int syncDescriptor(int fd) { return syncCall ? syncCall(fd) : ::fsync(fd); }

// The file's name as its temporary carries it: where the temporary's name
// would pass the file system's limit of NAME_MAX bytes, shortened before its
// suffix (so that a clean-up by suffix still knows it).
QString temporaryStem(const QString& fileName)
{
    constexpr qsizetype Room = NAME_MAX - 1 - 9 - RandomLength;  // ".", ".tolvane-", the random part
    const auto fits = [](const QString& name) { return QFile::encodeName(name).size() <= Room; };
    if (fits(fileName))
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString tail = dot > 0 && fileName.size() - dot <= 16 ? fileName.mid(dot) : QString();
    QString base = fileName.chopped(tail.size());
    while (!base.isEmpty() && !fits(base + tail)) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base + tail;
}

QString temporaryName(const QString& fileName)
{
    QString name = u'.' + temporaryStem(fileName) + LeftoverMark;
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

// A temporary file that a save could have left: a regular file (not a link)
// of this user that it may write, which no save in progress holds. Removes it.
bool removeLeftover(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
        (st.st_mode & S_IWUSR) == 0)
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

// The name of the file a leftover temporary file was written for; empty when
// `entry` is no such leftover.
QString leftoverOf(const QString& entry)
{
    const qsizetype mark = entry.lastIndexOf(LeftoverMark);
    if (mark < 2 || !entry.startsWith(u'.'))
        return {};
    const QString fileName = entry.mid(1, mark - 1);
    return isSaveLeftover(entry, fileName) ? fileName : QString();
}

} // namespace

QString finalSaveTarget(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop <= MaxLinks; ++hop) {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(QFile::encodeName(current).constData(), buffer, sizeof buffer);
        if (n < 0)
            return current;  // not a link (or not there yet): the file itself
        if (n == static_cast<ssize_t>(sizeof buffer))
            return {};
        const QString target = QFile::decodeName(QByteArray(buffer, n));
        current = QFileInfo(QFileInfo(current).absoluteDir(), target).absoluteFilePath();
    }
    return {};  // a loop of links
}

SaveResult saveFileAtomically(const QString& path, const QByteArray& bytes)
{
    // A data file kept behind symbolic links is replaced where the last one points.
    const QString finalPath = finalSaveTarget(path);
    if (finalPath.isEmpty())
        return SaveResult::CannotCreate;
    const QFileInfo target(finalPath);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());

    // A file that cannot be replaced (a folder of that name, a file the user
    // made read-only) counts as one that cannot be created; so does one that
    // cannot be read, whose content the program never saw.
    struct stat old {};
    const bool exists = ::stat(finalName.constData(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || ::access(finalName.constData(), R_OK | W_OK) != 0))
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
    // Held until the rename: another run's clean-up leaves the file alone.
    ::flock(fd, LOCK_EX | LOCK_NB);

    // A replaced file keeps its permissions.
    if (exists)
        ::fchmod(fd, old.st_mode & 07777);

    const bool ok = writeAll(fd, bytes.constData(), bytes.size()) && syncDescriptor(fd) == 0;
    if (ok && ::rename(tempName.constData(), finalName.constData()) == 0) {
        ::close(fd);
        syncFolder(folder);
        // A user's file saved: the temporaries of earlier saves into this
        // folder that were killed go now.
        if (UserFileSuffixes.contains(target.suffix(), Qt::CaseInsensitive))
            removeSaveLeftoversBySuffix(target.absolutePath(), UserFileSuffixes);
        return SaveResult::Saved;
    }
    ::unlink(tempName.constData());
    ::close(fd);
    return SaveResult::WriteFailed;
}

void setSyncCallForTesting(SyncCall call) { syncCall = call; }

bool isSaveLeftover(const QString& entry, const QString& fileName)
{
    const QString prefix = u'.' + temporaryStem(fileName) + LeftoverMark;
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
        const QStringList candidates = dir.entryList({u'.' + temporaryStem(fileName) + LeftoverMark + u'*'},
                                                     QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& entry : candidates)
            if (isSaveLeftover(entry, fileName) && removeLeftover(dir.filePath(entry)))
                removed.append(entry);
    }
    return removed;
}

QString keepDamagedFile(const QString& path, bool move)
{
    constexpr int MaxCopies = 999;
    for (int n = 1; n <= MaxCopies; ++n) {
        const QString aside = path + DamagedSuffix + (n == 1 ? QString() : QStringLiteral(".%1").arg(n));
        const QFileInfo taken(aside);
        if (taken.exists() || taken.isSymLink())
            continue;
        // Neither call replaces a file of that name.
        if ((move && QFile::rename(path, aside)) || QFile::copy(path, aside))
            return taken.fileName();
        return {};
    }
    return {};
}

QStringList removeSaveLeftoversBySuffix(const QString& folder, const QStringList& suffixes)
{
    QStringList removed;
    const QDir dir(folder);
    const QStringList candidates =
        dir.entryList({QStringLiteral(".*") + LeftoverMark + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : candidates) {
        const QString fileName = leftoverOf(entry);
        if (!fileName.isEmpty() && suffixes.contains(QFileInfo(fileName).suffix(), Qt::CaseInsensitive) &&
            removeLeftover(dir.filePath(entry)))
            removed.append(entry);
    }
    return removed;
}

} // namespace tolvane
