#include "backup/restorefiles.h"

#include "backup/restoreplaces.h"
#include "storage/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

namespace {

const QString Staging = QStringLiteral("staging");
const QString Placing = QStringLiteral("placing");

// Writes the staged file for `target`; it gets the permissions of the file
// it will replace, as a save keeps them (a file made private stays private).
bool writeSynced(const QString& path, const QString& target, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    ::unlink(name.constData());  // a staged file an earlier run left
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    if (struct stat old {}; ::stat(QFile::encodeName(target).constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    bool ok = true;
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok) {
            data += n;
            left -= n;
        }
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok)
        ::unlink(name.constData());
    return ok;
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QByteArray journal(const QString& state, const std::vector<FileToPlace>& files)
{
    QJsonArray paths;
    for (const FileToPlace& file : files)
        paths.append(file.path);
    return QJsonDocument(QJsonObject{{QStringLiteral("state"), state}, {QStringLiteral("files"), paths}}).toJson();
}

void removeStaged(const QStringList& paths)
{
    QSet<QString> folders;
    for (const QString& path : paths) {
        QFile::remove(stagedPath(path));
        folders.insert(QFileInfo(path).absolutePath());
    }
    for (const QString& folder : folders)
        syncFolder(folder);
}

// Renames every staged file that is still there over its place.
QStringList renameStaged(const QStringList& paths)
{
    QStringList placed;
    QSet<QString> folders;
    for (const QString& path : paths) {
        const QByteArray staged = QFile::encodeName(stagedPath(path));
        if (::rename(staged.constData(), QFile::encodeName(path).constData()) == 0)
            placed.append(path);
        folders.insert(QFileInfo(path).absolutePath());
    }
    for (const QString& folder : folders)
        syncFolder(folder);
    return placed;
}

} // namespace

QString stagedPath(const QString& path)
{
    const QFileInfo info(path);
    return QDir(info.absolutePath()).filePath(u'.' + info.fileName() + StagedMark);
}

PlaceOutcome placeFiles(const QString& dataFolder, const std::vector<FileToPlace>& files)
{
    const QString journalPath = QDir(dataFolder).filePath(RestoreJournalName);
    QStringList paths;
    for (const FileToPlace& file : files)
        paths.append(file.path);
    // A rename cannot put a file over a folder: found before anything is
    // written, not after the journal has said that the new files win.
    for (const FileToPlace& file : files)
        if (!replaceableByRestore(file.path))
            return {PlaceResult::InTheWay, file.path};
    // The first journal names the staged files, so a kill while they are
    // written leaves nothing behind that the next start cannot find.
    if (saveFileAtomically(journalPath, journal(Staging, files)) != SaveResult::Saved)
        return {PlaceResult::NotStaged, journalPath};
    const auto undo = [&] {
        removeStaged(paths);
        QFile::remove(journalPath);
        syncFolder(dataFolder);
    };
    for (const FileToPlace& file : files) {
        if (!writeSynced(stagedPath(file.path), file.path, file.bytes)) {
            undo();
            return {PlaceResult::NotStaged, file.path};
        }
    }
    QSet<QString> folders;
    for (const QString& path : paths)
        folders.insert(QFileInfo(path).absolutePath());
    for (const QString& folder : folders)
        syncFolder(folder);
    // From here on the new files win.
    if (saveFileAtomically(journalPath, journal(Placing, files)) != SaveResult::Saved) {
        undo();
        return {PlaceResult::NotStaged, journalPath};
    }
    // A rename that failed keeps the journal: the next start tries it again.
    if (renameStaged(paths).size() == paths.size()) {
        QFile::remove(journalPath);
        syncFolder(dataFolder);
    }
    return {};
}

QStringList finishInterruptedPlacing(const QString& dataFolder)
{
    const QString journalPath = QDir(dataFolder).filePath(RestoreJournalName);
    QFile file(journalPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject root = QJsonDocument::fromJson(file.read(1024 * 1024)).object();
    file.close();
    QStringList paths;
    for (const QJsonValue& value : root.value(QStringLiteral("files")).toArray())
        if (const QString path = value.toString(); QDir::isAbsolutePath(path))
            paths.append(path);
    QStringList placed;
    if (root.value(QStringLiteral("state")).toString() == Placing)
        placed = renameStaged(paths);
    else
        removeStaged(paths);
    QFile::remove(journalPath);
    syncFolder(dataFolder);
    // A journal cut short is never read: it is replaced atomically.
    removeSaveLeftovers(dataFolder, {RestoreJournalName});
    return placed;
}

} // namespace tolvane
