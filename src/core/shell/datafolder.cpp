#include "shell/datafolder.h"

#include "storage/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

DataFolder prepareDataFolder(const QString& folder, const QString& starterFolder)
{
    DataFolder result;
    const QFileInfo info(folder);
    if (info.exists()) {
        if (!info.isDir()) {
            result.error = QStringLiteral("%1 is not a folder.").arg(folder);
            return result;
        }
        result.ok = true;
        return result;
    }
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("The folder %1 cannot be created.").arg(folder);
        return result;
    }
    result.created = true;
    const QDir target(folder);
    for (const QString& name : StarterFiles) {
        QFile source(QDir(starterFolder).filePath(name));
        if (!source.open(QIODevice::ReadOnly))
            continue;  // a build without that starter file: the program starts as in an empty folder
        const QString path = target.filePath(name);
        if (QFileInfo::exists(path))
            continue;
        if (saveFileAtomically(path, source.readAll()) != SaveResult::Saved) {
            result.error = QStringLiteral("The file %1 cannot be written.").arg(path);
            return result;
        }
    }
    result.ok = true;
    return result;
}

} // namespace tolvane
