#pragma once
// A backup: one .zip archive holding the data folder's files, the user's own
// files the program knows of, and a manifest ("manifest.json") that names the
// program, its version, the date, and what each file is and where it was.
//
// The reader trusts nothing in the archive: it refuses, before anything is
// written anywhere, an archive that is cut short or damaged, that is not one
// of this program's backups (no manifest), that holds more entries or bigger
// entries than the formats allow (a zip bomb), names that climb out of their
// folder or start at the root, links, and files that their own loader would
// refuse.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace tolvane {

// New kinds go at the end: the manifest names a kind by its text, and the
// order here indexes the table of kinds.
enum class BackupKind {
    FoodTable, CurrentMenu, ActivityTable, MenuFile, RecipeFile, WeightFile, DaysActivities, FoodLinks
};

struct BackupFile {
    BackupKind kind = BackupKind::FoodTable;
    QString entry;         // its name in the archive: "fooditem.dbt", "files/2-week.mnu"
    QString originalPath;  // the user's files: where it was (absolute); data folder files: empty
    QDateTime modified;    // the file's last change, UTC
    QByteArray bytes;

    bool operator==(const BackupFile&) const = default;
};

struct BackupContents {
    QString version;    // the version of the program that wrote it
    QDateTime created;  // UTC, whole seconds
    std::vector<BackupFile> files;

    bool operator==(const BackupContents&) const = default;
};

inline const QString ManifestEntry = QStringLiteral("manifest.json");
inline const QString UserFilesFolder = QStringLiteral("files/");

// Limits of what a backup may hold. The largest real backup (a full food
// table, ten menus and recipes, a weight log of 100000 records) is under 3 MB.
constexpr qint64 MaxArchiveBytes = 8 * 1024 * 1024;
constexpr int MaxArchiveEntries = 32;
constexpr qint64 MaxManifestBytes = 64 * 1024;
// The most bytes a whole archive may unpack to for each byte it has. The
// program's files keep their empty parts as zeros, so a backup of empty menus
// packs well (about 100 to 1), but no real backup comes near this.
constexpr qint64 MaxPackingRatio = 250;

// The kind's file in the data folder ("fooditem.dbt"), or empty for the user's files.
QString dataFileName(BackupKind kind);
// "food item table", "menu file", ... as the manifest and the user see it.
QString kindText(BackupKind kind);
// The most bytes a file of this kind can have.
qint64 maxFileBytes(BackupKind kind);
// True when a user's file of this kind may be put back at `path`: an
// absolute, clean path with the kind's own suffix (".mnu", ".rcp", ".wgt"),
// so that no manifest can aim a restore at any other file.
bool isUserFileTarget(BackupKind kind, const QString& path);
// True when the program would load these bytes as a file of this kind
// without refusing them.
bool loadsAs(BackupKind kind, const QByteArray& bytes);

// The archive's bytes; empty when libarchive failed.
QByteArray writeBackupArchive(const BackupContents& contents);

enum class ArchiveProblem {
    None,
    TooLarge,        // the archive file itself is larger than any backup
    Damaged,         // not a zip archive, cut short, or its data does not unpack
    Foreign,         // no manifest of this program: not one of its backups
    BadManifest,     // a manifest that does not say what the archive holds
    UnsafeName,      // an absolute name, "..", a name twice
    Unlisted,        // a file the manifest does not list
    NotAFile,        // a link, a folder or a device
    Encrypted,
    TooManyEntries,
    EntryTooLarge,   // larger than its format allows, or packed beyond any real file
    Refused,         // a file its own loader would refuse
};

struct BackupRead {
    BackupContents contents;  // meaningful only when problem is None
    ArchiveProblem problem = ArchiveProblem::None;
    QString entry;            // the entry at fault, when there is one
};

BackupRead readBackupArchive(const QByteArray& bytes);

// Why an archive was refused, for the user.
QString problemText(const BackupRead& read);

} // namespace tolvane
