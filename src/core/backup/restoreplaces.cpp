#include "backup/restoreplaces.h"

#include "storage/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

namespace {

bool exists(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Where a save of `path` would write, with the links of its folder resolved
// too; nothing when its links loop or its folder is gone.
struct Resolved {
    QString place;
    PlaceProblem problem = PlaceProblem::None;
};

Resolved resolve(const QString& path)
{
    const QString last = finalSaveTarget(path);
    if (last.isEmpty())
        return {{}, PlaceProblem::NotAFile};
    const QFileInfo info(last);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {{}, PlaceProblem::FolderGone};
    return {QDir(folder).filePath(info.fileName()), PlaceProblem::None};
}

// The part of `place` below `home`, nothing when it is not inside it.
std::optional<QString> belowHome(const QString& place, const QString& home)
{
    if (home.isEmpty())
        return std::nullopt;
    const QString prefix = home.endsWith(u'/') ? home : home + u'/';
    if (!place.startsWith(prefix))
        return std::nullopt;
    return place.mid(prefix.size());
}

bool hidden(const QString& relative)
{
    for (const QString& part : relative.split(u'/'))
        if (part.startsWith(u'.'))
            return true;
    return false;
}

// `name`, or "name (2).mnu", "name (3).mnu", ...: the first that neither the
// folder nor another file of the restore has.
QString freePlace(const QString& folder, const QString& name, const QSet<QString>& taken)
{
    const QFileInfo info(name);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString place = QDir(folder).filePath(name);
    for (int n = 2; taken.contains(place) || exists(place); ++n)
        place = QDir(folder).filePath(QStringLiteral("%1 (%2)%3").arg(base, QString::number(n), suffix));
    return place;
}

PlaceProblem userPlaceProblem(BackupKind kind, const Resolved& resolved, const QString& home,
                              const QSet<QString>& taken)
{
    if (resolved.problem != PlaceProblem::None)
        return resolved.problem;
    const std::optional<QString> below = belowHome(resolved.place, home);
    if (!below)
        return PlaceProblem::OutsideHome;
    if (hidden(*below))
        return PlaceProblem::Hidden;
    // A link may lead to another kind of file.
    if (!isUserFileTarget(kind, resolved.place) || !replaceableByRestore(resolved.place))
        return PlaceProblem::NotAFile;
    if (taken.contains(resolved.place))
        return PlaceProblem::Taken;
    return PlaceProblem::None;
}

} // namespace

QString resolvedPlace(const QString& path) { return resolve(path).place; }

QString restoredFolderName(const QDate& date)
{
    return QStringLiteral("Tolvane restored %1").arg(date.toString(Qt::ISODate));
}

bool replaceableByRestore(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT;
    // Read, so that the backup of the replaced files can hold it.
    return S_ISREG(st.st_mode) && ::access(name.constData(), R_OK) == 0;
}

QStringList RestorePlan::replaced() const
{
    QStringList paths;
    for (const RestoreTarget& target : targets)
        if (target.replaces)
            paths.append(target.place);
    return paths;
}

bool RestorePlan::usesRestoredFolder() const
{
    return std::any_of(targets.begin(), targets.end(),
                       [](const RestoreTarget& t) { return t.moved != PlaceProblem::None; });
}

RestorePlan planRestore(const BackupContents& contents, const RestoreFolders& folders)
{
    RestorePlan plan;
    plan.targets.resize(contents.files.size());
    QSet<QString> taken;
    // The data files first: their places are theirs whatever a user's file names.
    for (std::size_t i = 0; i < contents.files.size(); ++i) {
        const QString name = dataFileName(contents.files[i].kind);
        if (name.isEmpty())
            continue;
        RestoreTarget& target = plan.targets[i];
        target.wanted = QDir(folders.data).filePath(name);
        const Resolved resolved = resolve(target.wanted);
        target.place = resolved.place.isEmpty() ? target.wanted : resolved.place;
        if ((resolved.place.isEmpty() || !replaceableByRestore(target.place)) && plan.blocked.isEmpty())
            plan.blocked = target.place;
        target.replaces = exists(target.place);
        taken.insert(target.place);
    }
    const QString home = QFileInfo(folders.home).canonicalFilePath();
    for (std::size_t i = 0; i < contents.files.size(); ++i) {
        const BackupFile& file = contents.files[i];
        if (!dataFileName(file.kind).isEmpty())
            continue;
        RestoreTarget& target = plan.targets[i];
        target.wanted = file.originalPath;
        const Resolved resolved = resolve(file.originalPath);
        target.moved = userPlaceProblem(file.kind, resolved, home, taken);
        target.place = target.moved == PlaceProblem::None
                           ? resolved.place
                           : freePlace(folders.restored, QFileInfo(file.originalPath).fileName(), taken);
        target.replaces = target.moved == PlaceProblem::None && exists(target.place);
        taken.insert(target.place);
    }
    return plan;
}

QString placeProblemText(PlaceProblem problem)
{
    switch (problem) {
    case PlaceProblem::None: break;
    case PlaceProblem::FolderGone: return QStringLiteral("in a folder that is gone");
    case PlaceProblem::OutsideHome: return QStringLiteral("outside your home folder");
    case PlaceProblem::Hidden: return QStringLiteral("in a hidden folder");
    case PlaceProblem::NotAFile: return QStringLiteral("not a file the restore can replace");
    case PlaceProblem::Taken: return QStringLiteral("where another file of this backup goes");
    }
    return {};
}

} // namespace tolvane
