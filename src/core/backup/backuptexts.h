#pragma once
// What the backup commands and the automatic backup tell the user.

#include <QString>
#include <QStringList>

namespace tolvane {

constexpr int BackupHelpContext = 34;

inline const QString BackupFilter = QStringLiteral("Zip archives (*.zip)");
inline const QString BackupSuffix = QStringLiteral("zip");
inline const QString BackUpTitle = QStringLiteral("Back Up Data");
inline const QString RestoreTitle = QStringLiteral("Restore from Backup");

namespace backupmsg {

// "Tolvane backup 2026-12-08.zip"
inline QString defaultName(const QString& isoDate) { return QStringLiteral("Tolvane backup %1.zip").arg(isoDate); }

inline QString written(const QString& path, int files, const QStringList& skipped)
{
    QString text = QStringLiteral("The backup \"%1\" holds %2 files.").arg(path).arg(files);
    if (!skipped.isEmpty())
        text += QStringLiteral("\n\nLeft out (missing or not loadable):\n") + skipped.join(u'\n');
    return text;
}

inline QString cannotWrite(const QString& path, bool created)
{
    return created ? QStringLiteral("The backup \"%1\" could not be written completely. Is the disk full? Any earlier "
                                    "file of that name is unchanged.")
                         .arg(path)
                   : QStringLiteral("The backup \"%1\" could not be created. Is the folder read-only?").arg(path);
}

inline const QString NothingToBackUp = QStringLiteral("There are no data files to back up in this folder.");

inline QString cannotRead(const QString& path)
{
    return QStringLiteral("The backup \"%1\" cannot be read.").arg(path);
}

inline QString refused(const QString& path, const QString& problem)
{
    return QStringLiteral("\"%1\" cannot be restored. %2 Nothing was changed.").arg(path, problem);
}

// `replaced`: the files there now that the restore replaces, `keptIn` the
// backup of them.
inline QString restoreQuestion(const QString& path, const QString& created, const QString& version,
                               const QStringList& lines, const QStringList& replaced, const QString& keptIn)
{
    const QString holds = QStringLiteral("The backup \"%1\", made on %2 by Tolvane %3, holds:\n\n%4\n\n")
                              .arg(path, created, version, lines.join(u'\n'));
    if (replaced.isEmpty())
        return holds + QStringLiteral("It replaces no file. Restore it?");
    return holds + QStringLiteral("It replaces:\n\n%1\n\nReplace the current files with these? The current files "
                                  "are first backed up in \"%2\".")
                       .arg(replaced.join(u'\n'), keptIn);
}

inline QString unsavedWeights(const QString& file)
{
    return QStringLiteral("The weight grid holds changes to \"%1\" that are not saved, and the restore replaces that "
                          "file. Save the changes first? They are then backed up with the other files it replaces.")
        .arg(file);
}

inline QString cannotKeepCurrent(const QString& folder)
{
    return QStringLiteral("The current files could not be backed up in \"%1\" (is the disk full or the folder "
                          "read-only?), so nothing was restored.")
        .arg(folder);
}

// A file the restore replaces that neither loads (so no backup holds it) nor
// can be copied beside itself.
inline QString cannotKeepFile(const QString& file)
{
    return QStringLiteral("\"%1\" cannot be read, so it could not be kept before the restore replaced it. Nothing "
                          "was restored.")
        .arg(file);
}

inline QString inTheWay(const QString& file)
{
    return QStringLiteral("The backup could not be restored: \"%1\" is in the way (a folder, or another thing than a "
                          "file the program can read), so the restored file cannot take its place. Nothing was changed.")
        .arg(file);
}

inline QString notPlaced(const QString& file)
{
    return QStringLiteral("The backup could not be restored: \"%1\" could not be written (is the disk full or the "
                          "folder read-only?). Nothing was changed.")
        .arg(file);
}

// `keptAs` empty: nothing was replaced. `copies`: the files replaced that do
// not load, kept beside themselves. `restoredFolder`: where the user's files
// went that could not go back, or empty.
inline QString restored(const QString& keptAs, const QStringList& copies = {}, const QString& restoredFolder = {})
{
    QString text = QStringLiteral("The backup was restored.");
    if (!keptAs.isEmpty())
        text += QStringLiteral(" The files it replaced are kept in \"%1\".").arg(keptAs);
    else if (copies.isEmpty())
        text += QStringLiteral(" It replaced no file.");
    if (!copies.isEmpty())
        text += QStringLiteral("\n\nThese replaced files did not load, so they are kept as copies beside their "
                               "places:\n") +
                copies.join(u'\n');
    if (!restoredFolder.isEmpty())
        text += QStringLiteral("\n\nThe files that could not go back to their places are in \"%1\".").arg(restoredFolder);
    return text;
}

inline QString automaticFailed(const QString& folder)
{
    return QStringLiteral("Today's automatic backup could not be written to \"%1\". Is the disk full? The earlier "
                          "backups are kept, and the next start tries again.")
        .arg(folder);
}

} // namespace backupmsg
} // namespace tolvane
