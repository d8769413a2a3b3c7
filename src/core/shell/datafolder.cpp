#include "shell/datafolder.h"

#include "storage/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace {
QString cannotWrite(const QString& path) { return QStringLiteral("The file %1 cannot be written.").arg(path); }

// Copies the starter files that are not in `folder` yet; never replaces one.
QString seed(const QString& folder, const QString& starterFolder)
{
    const QDir target(folder);
    for (const QString& name : StarterFiles) {
        QFile source(QDir(starterFolder).filePath(name));
        if (!source.open(QIODevice::ReadOnly))
            continue;  // a build without that starter file: the program starts as in an empty folder
        const QString path = target.filePath(name);
        if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
            continue;
        if (saveFileAtomically(path, source.readAll()) != SaveResult::Saved)
            return cannotWrite(path);
    }
    return {};
}
} // namespace

DataFolder prepareDataFolder(const QString& folder, const QString& starterFolder, Seeding seeding)
{
    DataFolder result;
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        result.error = QStringLiteral("%1 is not a folder.").arg(folder);
        return result;
    }
    if (!info.exists()) {
        if (!QDir().mkpath(folder)) {
            result.error = QStringLiteral("The folder %1 cannot be created.").arg(folder);
            return result;
        }
        result.created = true;
    }

    result.lock = std::make_shared<DataFolderLock>(folder);
    if (!result.lock->held()) {
        result.alreadyOpen = result.lock->state() == DataFolderLock::State::HeldByAnother;
        result.error = result.lock->problemText();
        result.lock.reset();
        if (result.created)
            QDir().rmdir(folder);  // made for nothing: the next start makes and seeds it anew
        return result;
    }

    const QString mark = QDir(folder).filePath(SeedingMarkName);
    if (seeding == Seeding::WhenNew && (result.created || QFileInfo::exists(mark))) {
        QFile marker(mark);
        if (!marker.open(QIODevice::WriteOnly)) {
            result.error = cannotWrite(mark);
            // A new folder left empty and unmarked would be taken as the
            // user's own at the next start: it goes, to be made again.
            if (result.created) {
                result.lock.reset();
                QDir().rmdir(folder);
            }
            return result;
        }
        marker.close();
        result.error = seed(folder, starterFolder);
        if (!result.error.isEmpty())
            return result;
        QFile::remove(mark);
    }
    result.ok = true;
    return result;
}

QString userDataFolder()
{
    QString base = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/Tolvane");
}

} // namespace tolvane
