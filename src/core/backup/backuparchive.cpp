#include "backup/backuparchive.h"

#include "activity/activityfile.h"
#include "activity/activityweekfile.h"
#include "food/foodtable.h"
#include "food/foodtablefile.h"
#include "menu/menufile.h"
#include "recipes/recipefile.h"
#include "reference/usdalinks.h"
#include "weight/weightfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <map>
#include <memory>

namespace tolvane {

namespace {

constexpr int ManifestFormat = 1;
const QString ProgramName = QStringLiteral("Tolvane");

struct KindInfo {
    BackupKind kind;
    const char* text;
    const char* dataFile;  // in the data folder, or nullptr
    const char* suffix;    // of the user's files of this kind
};

constexpr std::array<KindInfo, 8> Kinds = {{
    {BackupKind::FoodTable, "food item table", "fooditem.dbt", nullptr},
    {BackupKind::CurrentMenu, "current menu", "currmenu.db", nullptr},
    {BackupKind::ActivityTable, "activity table", "activity.db", nullptr},
    {BackupKind::MenuFile, "menu file", nullptr, "mnu"},
    {BackupKind::RecipeFile, "recipe file", nullptr, "rcp"},
    {BackupKind::WeightFile, "weight file", nullptr, "wgt"},
    // Backups written before the days' lists existed simply lack it.
    {BackupKind::DaysActivities, "activity week", "activityweek.db", nullptr},
    // The food items' links to USDA foods; only in folders where items were added from USDA.
    {BackupKind::FoodLinks, "USDA links", "foodlinks.tsv", nullptr},
}};

constexpr bool kindsInOrder()
{
    for (std::size_t i = 0; i < Kinds.size(); ++i)
        if (static_cast<std::size_t>(Kinds[i].kind) != i)
            return false;
    return true;
}
static_assert(kindsInOrder(), "info() finds a kind by its number");

const KindInfo& info(BackupKind kind) { return Kinds[static_cast<std::size_t>(kind)]; }

std::optional<BackupKind> kindOfText(const QString& text)
{
    for (const KindInfo& k : Kinds)
        if (text == QLatin1String(k.text))
            return k.kind;
    return std::nullopt;
}

// The largest file of any kind: no entry may unpack beyond it.
qint64 largestFileBytes()
{
    qint64 largest = MaxManifestBytes;
    for (const KindInfo& k : Kinds)
        largest = std::max(largest, maxFileBytes(k.kind));
    return largest;
}

QString isoTime(const QDateTime& time) { return time.toUTC().toString(Qt::ISODate); }

QDateTime fromIsoTime(const QString& text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    return time.isValid() ? time.toUTC() : QDateTime();
}

QString sha256(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QByteArray manifest(const BackupContents& contents)
{
    QJsonArray files;
    for (const BackupFile& file : contents.files)
        files.append(QJsonObject{
            {QStringLiteral("entry"), file.entry},
            {QStringLiteral("kind"), kindText(file.kind)},
            {QStringLiteral("path"), file.originalPath},
            {QStringLiteral("modified"), isoTime(file.modified)},
            {QStringLiteral("size"), static_cast<qint64>(file.bytes.size())},
            {QStringLiteral("sha256"), sha256(file.bytes)},
        });
    const QJsonObject root{
        {QStringLiteral("program"), ProgramName},
        {QStringLiteral("format"), ManifestFormat},
        {QStringLiteral("version"), contents.version},
        {QStringLiteral("created"), isoTime(contents.created)},
        {QStringLiteral("files"), files},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

la_ssize_t appendToBytes(struct archive*, void* sink, const void* buffer, size_t length)
{
    static_cast<QByteArray*>(sink)->append(static_cast<const char*>(buffer), static_cast<qsizetype>(length));
    return static_cast<la_ssize_t>(length);
}

struct ArchiveDeleter {
    void operator()(struct archive* a) const { archive_write_free(a); }
};
struct ReaderDeleter {
    void operator()(struct archive* a) const { archive_read_free(a); }
};
struct EntryDeleter {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};

bool writeEntry(struct archive* a, const QString& name, const QDateTime& modified, const QByteArray& bytes)
{
    const std::unique_ptr<archive_entry, EntryDeleter> entry(archive_entry_new());
    const QByteArray utf8 = name.toUtf8();
    archive_entry_set_pathname_utf8(entry.get(), utf8.constData());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), bytes.size());
    archive_entry_set_mtime(entry.get(), modified.isValid() ? modified.toSecsSinceEpoch() : 0, 0);
    if (archive_write_header(a, entry.get()) != ARCHIVE_OK)
        return false;
    return bytes.isEmpty() || archive_write_data(a, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}

// A name that stays inside the folder it is unpacked into.
bool safeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(u':'))
        return false;
    const QStringList parts = name.split(u'/');
    for (const QString& part : parts)
        if (part.isEmpty() || part == u"." || part == u"..")
            return false;
    return true;
}

BackupRead refused(ArchiveProblem problem, const QString& entry = QString())
{
    BackupRead read;
    read.problem = problem;
    read.entry = entry;
    return read;
}

// Checks the manifest against the entries read and builds the contents.
BackupRead fromManifest(const QByteArray& manifestBytes, std::map<QString, QByteArray>& entries)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(manifestBytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refused(ArchiveProblem::BadManifest, ManifestEntry);
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("program")).toString() != ProgramName ||
        root.value(QStringLiteral("format")).toInt() != ManifestFormat)
        return refused(ArchiveProblem::Foreign);

    BackupRead read;
    read.contents.version = root.value(QStringLiteral("version")).toString();
    read.contents.created = fromIsoTime(root.value(QStringLiteral("created")).toString());
    const QJsonValue filesValue = root.value(QStringLiteral("files"));
    if (!read.contents.created.isValid() || !filesValue.isArray())
        return refused(ArchiveProblem::BadManifest, ManifestEntry);

    QSet<QString> listed;
    QSet<int> dataKinds;
    for (const QJsonValue& value : filesValue.toArray()) {
        const QJsonObject item = value.toObject();
        BackupFile file;
        file.entry = item.value(QStringLiteral("entry")).toString();
        const std::optional<BackupKind> kind = kindOfText(item.value(QStringLiteral("kind")).toString());
        file.originalPath = item.value(QStringLiteral("path")).toString();
        file.modified = fromIsoTime(item.value(QStringLiteral("modified")).toString());
        if (!kind || !file.modified.isValid() || listed.contains(file.entry))
            return refused(ArchiveProblem::BadManifest, ManifestEntry);
        file.kind = *kind;
        listed.insert(file.entry);
        if (const char* dataFile = info(file.kind).dataFile) {
            if (file.entry != QLatin1String(dataFile) || !file.originalPath.isEmpty() ||
                dataKinds.contains(static_cast<int>(file.kind)))
                return refused(ArchiveProblem::BadManifest, ManifestEntry);
            dataKinds.insert(static_cast<int>(file.kind));
        } else {
            const QString rest = file.entry.mid(UserFilesFolder.size());
            if (!file.entry.startsWith(UserFilesFolder) || rest.isEmpty() || rest.contains(u'/') ||
                !isUserFileTarget(file.kind, file.originalPath))
                return refused(ArchiveProblem::BadManifest, ManifestEntry);
        }
        const auto found = entries.find(file.entry);
        if (found == entries.end())
            return refused(ArchiveProblem::Damaged, file.entry);
        file.bytes = std::move(found->second);
        entries.erase(found);
        if (file.bytes.size() > maxFileBytes(file.kind))
            return refused(ArchiveProblem::EntryTooLarge, file.entry);
        if (item.value(QStringLiteral("size")).toInteger(-1) != file.bytes.size() ||
            item.value(QStringLiteral("sha256")).toString() != sha256(file.bytes))
            return refused(ArchiveProblem::Damaged, file.entry);
        if (!loadsAs(file.kind, file.bytes))
            return refused(ArchiveProblem::Refused, file.entry);
        read.contents.files.push_back(std::move(file));
    }
    // Whatever the manifest does not list is no part of a backup.
    if (!entries.empty())
        return refused(ArchiveProblem::Unlisted, entries.begin()->first);
    return read;
}

} // namespace

QString dataFileName(BackupKind kind)
{
    const char* name = info(kind).dataFile;
    return name ? QString::fromLatin1(name) : QString();
}

QString kindText(BackupKind kind) { return QString::fromLatin1(info(kind).text); }

qint64 maxFileBytes(BackupKind kind)
{
    switch (kind) {
    case BackupKind::FoodTable: return qint64{MaxFoodItems} * FoodItem::Size;
    case BackupKind::CurrentMenu:
    case BackupKind::MenuFile: return MenuFileSize;
    case BackupKind::ActivityTable: return qint64{MaxActivities} * ActivityRecord::Size;
    case BackupKind::RecipeFile: return RecipeFileSize;
    case BackupKind::WeightFile: return MaxWeightRecords * WeightRecordSize;
    case BackupKind::DaysActivities: return ActivityWeekFileMaxSize;
    case BackupKind::FoodLinks: return MaxUsdaLinksBytes;
    }
    return 0;
}

bool isUserFileTarget(BackupKind kind, const QString& path)
{
    const char* suffix = info(kind).suffix;
    return suffix && path.startsWith(u'/') && QDir::cleanPath(path) == path && !path.contains(u'\\') &&
           path.endsWith(u'.' + QLatin1String(suffix), Qt::CaseInsensitive) && !path.split(u'/').contains(QStringLiteral(".."));
}

bool loadsAs(BackupKind kind, const QByteArray& bytes)
{
    if (bytes.size() > maxFileBytes(kind))
        return false;
    switch (kind) {
    case BackupKind::FoodTable: return !readFoodTableImage(bytes).truncated;
    case BackupKind::CurrentMenu:
    case BackupKind::MenuFile: return readMenuImage(bytes).problem == MenuFileProblem::None;
    case BackupKind::ActivityTable: return readActivityImage(bytes).problem == ActivityFileProblem::None;
    case BackupKind::RecipeFile: return readRecipeImage(bytes).problem == RecipeFileProblem::None;
    case BackupKind::WeightFile:
        return checkWeightFileSize(bytes.size()) == WeightFileProblem::None &&
               readWeightImage(bytes).problem == WeightFileProblem::None;
    case BackupKind::DaysActivities: return readActivityWeekImage(bytes).problem == ActivityWeekProblem::None;
    case BackupKind::FoodLinks: return bytes.startsWith(usdaLinksText({}));
    }
    return false;
}

QByteArray writeBackupArchive(const BackupContents& contents)
{
    QByteArray out;
    const std::unique_ptr<struct archive, ArchiveDeleter> a(archive_write_new());
    if (!a || archive_write_set_format_zip(a.get()) != ARCHIVE_OK ||
        archive_write_zip_set_compression_deflate(a.get()) != ARCHIVE_OK ||
        archive_write_set_bytes_in_last_block(a.get(), 1) != ARCHIVE_OK ||
        archive_write_open(a.get(), &out, nullptr, appendToBytes, nullptr) != ARCHIVE_OK)
        return {};
    // The manifest first, so that a reader sees at once what the archive is.
    if (!writeEntry(a.get(), ManifestEntry, contents.created, manifest(contents)))
        return {};
    for (const BackupFile& file : contents.files)
        if (!writeEntry(a.get(), file.entry, file.modified, file.bytes))
            return {};
    if (archive_write_close(a.get()) != ARCHIVE_OK)
        return {};
    return out;
}

BackupRead readBackupArchive(const QByteArray& bytes)
{
    if (bytes.size() > MaxArchiveBytes)
        return refused(ArchiveProblem::TooLarge);
    const std::unique_ptr<struct archive, ReaderDeleter> a(archive_read_new());
    // Only zip, read from its central directory: an archive cut short has none.
    if (!a || archive_read_support_format_zip_seekable(a.get()) != ARCHIVE_OK ||
        archive_read_open_memory(a.get(), bytes.constData(), static_cast<size_t>(bytes.size())) != ARCHIVE_OK)
        return refused(ArchiveProblem::Damaged);

    const qint64 entryLimit = largestFileBytes();
    std::map<QString, QByteArray> entries;
    qint64 unpacked = 0;
    for (int count = 0;; ++count) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(a.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
            return refused(ArchiveProblem::Damaged);
        if (count >= MaxArchiveEntries)
            return refused(ArchiveProblem::TooManyEntries);
        const char* utf8 = archive_entry_pathname_utf8(entry);
        const char* raw = utf8 ? utf8 : archive_entry_pathname(entry);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) ||
            archive_entry_symlink(entry))
            return refused(ArchiveProblem::NotAFile, name);
        if (!safeName(name))
            return refused(ArchiveProblem::UnsafeName, name);
        if (archive_entry_is_encrypted(entry))
            return refused(ArchiveProblem::Encrypted, name);
        const qint64 limit = name == ManifestEntry ? MaxManifestBytes : entryLimit;
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > limit)
            return refused(ArchiveProblem::EntryTooLarge, name);
        if (entries.count(name))
            return refused(ArchiveProblem::UnsafeName, name);

        // Unpacked a piece at a time and never beyond the limit, whatever the
        // header said.
        QByteArray data;
        std::array<char, 16384> buffer{};
        for (;;) {
            const la_ssize_t n = archive_read_data(a.get(), buffer.data(), buffer.size());
            if (n == 0)
                break;
            if (n < 0)
                return refused(ArchiveProblem::Damaged, name);
            if (data.size() + n > limit)
                return refused(ArchiveProblem::EntryTooLarge, name);
            data.append(buffer.data(), static_cast<qsizetype>(n));
        }
        unpacked += data.size();
        if (unpacked > MaxPackingRatio * std::max<qint64>(bytes.size(), 1))
            return refused(ArchiveProblem::EntryTooLarge, name);
        entries[name] = std::move(data);
    }

    const auto manifestEntry = entries.find(ManifestEntry);
    if (manifestEntry == entries.end())
        return refused(ArchiveProblem::Foreign);
    const QByteArray manifestBytes = std::move(manifestEntry->second);
    entries.erase(manifestEntry);
    return fromManifest(manifestBytes, entries);
}

QString problemText(const BackupRead& read)
{
    const QString entry = read.entry;
    switch (read.problem) {
    case ArchiveProblem::None: return QString();
    case ArchiveProblem::TooLarge: return QStringLiteral("The file is larger than any backup of this program.");
    case ArchiveProblem::Damaged:
        return entry.isEmpty() ? QStringLiteral("The file is not a complete zip archive.")
                               : QStringLiteral("\"%1\" in it is damaged.").arg(entry);
    case ArchiveProblem::Foreign:
        return QStringLiteral("It is not a backup of this program: it has no list of files (%1) written by Tolvane.")
            .arg(ManifestEntry);
    case ArchiveProblem::BadManifest: return QStringLiteral("Its list of files (%1) is damaged.").arg(ManifestEntry);
    case ArchiveProblem::UnsafeName:
        return QStringLiteral("It holds \"%1\", a name that is not one of a backup's files.").arg(entry);
    case ArchiveProblem::Unlisted:
        return QStringLiteral("It holds \"%1\", which its list of files does not name.").arg(entry);
    case ArchiveProblem::NotAFile: return QStringLiteral("\"%1\" in it is a link or a folder, not a file.").arg(entry);
    case ArchiveProblem::Encrypted: return QStringLiteral("\"%1\" in it is encrypted.").arg(entry);
    case ArchiveProblem::TooManyEntries: return QStringLiteral("It holds more files than a backup can.");
    case ArchiveProblem::EntryTooLarge:
        return QStringLiteral("\"%1\" in it unpacks to more than its file format can hold.").arg(entry);
    case ArchiveProblem::Refused:
        return QStringLiteral("\"%1\" in it is not a file the program can load.").arg(entry);
    }
    return QString();
}

} // namespace tolvane
