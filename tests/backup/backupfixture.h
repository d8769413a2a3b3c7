#pragma once
// Backups for tests: a sample of every kind of file, and zip archives built
// entry by entry, so that bad ones can be made on purpose.

#include "activity/activityfile.h"
#include "activity/activityweekfile.h"
#include "backup/backuparchive.h"
#include "menu/menufile.h"
#include "recipes/recipefile.h"
#include "reference/usdalinks.h"
#include "testfiles.h"
#include "weight/weightfile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <archive.h>
#include <archive_entry.h>
#include <vector>

namespace tolvane::test {

inline Real6 real6(long double value) { return *longDoubleToReal6(value); }

// A week with one entry on Tuesday's lunch, shown on that day and meal.
inline QByteArray sampleMenu(const QString& food = QStringLiteral("Apple"), long double calories = 95)
{
    MenuImage image{2, 1, 0, Week{}};
    Nutrients values{};
    values[0] = calories;
    values[1] = 25;
    image.week[weekIndex(2, 1)].append(makeItem(food, values), 2);
    return writeMenuImage(image);
}

inline QByteArray sampleActivities(int rows)
{
    ActivityRecord walking;
    walking.setName(QStringLiteral("Walking"));
    walking.setCaloriesPerHour(300);
    return activityImage(std::vector<ActivityRecord>(static_cast<std::size_t>(rows), walking));
}

// Two walks on Tuesday, one on Thursday.
inline QByteArray sampleWeek()
{
    DayActivity walk;
    walk.activity.setName(QStringLiteral("Walking"));
    walk.activity.setCaloriesPerHour(300);
    walk.minutes = real6(45);
    ActivityWeek week{};
    week[2] = {walk, walk};
    week[4] = {walk};
    return activityWeekImage(week);
}

inline QByteArray sampleRecipe()
{
    RecipeImage image;
    image.count = 1;
    image.ingredients[0] = makeItem(QStringLiteral("Flour"));
    image.servings[0] = real6(3);
    image.instructions = "Mix.";
    image.recipeServings = real6(4);
    return writeRecipeImage(image);
}

inline QByteArray sampleWeights()
{
    return writeWeightImage({{46000.0, real6(180), real6(179.5)}, {46007.0, real6(178), real6(0)}});
}

inline QByteArray sampleLinks()
{
    return usdaLinksText({{QStringLiteral("Item 1"), QStringLiteral("09003"), QStringLiteral("1 medium"),
                           QStringLiteral("182")}});
}

inline BackupContents sampleContents(const QString& userFolder)
{
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1796000000, Qt::UTC);
    BackupContents contents{QStringLiteral("5.04"), when, {}};
    contents.files = {
        {BackupKind::FoodTable, QStringLiteral("fooditem.dbt"), QString(), when, tableBytes(numberedItems(3))},
        {BackupKind::CurrentMenu, QStringLiteral("currmenu.db"), QString(), when, sampleMenu()},
        {BackupKind::ActivityTable, QStringLiteral("activity.db"), QString(), when, sampleActivities(2)},
        {BackupKind::DaysActivities, QStringLiteral("activityweek.db"), QString(), when, sampleWeek()},
        {BackupKind::FoodLinks, QStringLiteral("foodlinks.tsv"), QString(), when, sampleLinks()},
        {BackupKind::MenuFile, QStringLiteral("files/1-week.mnu"), userFolder + QStringLiteral("/week.mnu"), when,
         sampleMenu(QStringLiteral("Pear"))},
        {BackupKind::RecipeFile, QStringLiteral("files/2-bread.rcp"), userFolder + QStringLiteral("/bread.rcp"), when,
         sampleRecipe()},
        {BackupKind::WeightFile, QStringLiteral("files/3-log.wgt"), userFolder + QStringLiteral("/log.wgt"), when,
         sampleWeights()},
    };
    return contents;
}

struct ZipEntry {
    ZipEntry(QString n, QByteArray b, unsigned t = AE_IFREG, QString l = {})
        : name(std::move(n)), bytes(std::move(b)), type(t), link(std::move(l))
    {
    }
    QString name;
    QByteArray bytes;
    unsigned type = AE_IFREG;
    QString link;  // a symbolic link's target, or a hard link's entry
};

// A zip archive of these entries, in order, made with libarchive.
inline QByteArray zip(const std::vector<ZipEntry>& entries, const char* options = nullptr)
{
    QByteArray out;
    struct archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    if (options)
        archive_write_set_options(a, options);
    archive_write_set_bytes_in_last_block(a, 1);
    if (options && QByteArray(options).contains("encryption"))
        archive_write_set_passphrase(a, "secret");
    archive_write_open(
        a, &out, nullptr,
        [](struct archive*, void* sink, const void* buffer, size_t length) -> la_ssize_t {
            static_cast<QByteArray*>(sink)->append(static_cast<const char*>(buffer), static_cast<qsizetype>(length));
            return static_cast<la_ssize_t>(length);
        },
        nullptr);
    for (const ZipEntry& e : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.toUtf8().constData());
        archive_entry_set_filetype(entry, e.type);
        archive_entry_set_perm(entry, 0644);
        if (e.type == AE_IFLNK)
            archive_entry_set_symlink(entry, e.link.toUtf8().constData());
        else if (!e.link.isEmpty())
            archive_entry_set_hardlink(entry, e.link.toUtf8().constData());
        archive_entry_set_size(entry, e.type == AE_IFREG ? e.bytes.size() : 0);
        archive_write_header(a, entry);
        if (e.type == AE_IFREG && !e.bytes.isEmpty())
            archive_write_data(a, e.bytes.constData(), static_cast<size_t>(e.bytes.size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    return out;
}

// One file as the manifest lists it.
struct Listed {
    QString entry;
    QString kind;
    QString path;
    QByteArray bytes;
};

inline QByteArray manifest(const std::vector<Listed>& files, const QString& program = QStringLiteral("Tolvane"))
{
    QJsonArray list;
    for (const Listed& f : files)
        list.append(QJsonObject{
            {QStringLiteral("entry"), f.entry},
            {QStringLiteral("kind"), f.kind},
            {QStringLiteral("path"), f.path},
            {QStringLiteral("modified"), QStringLiteral("2026-12-01T10:00:00Z")},
            {QStringLiteral("size"), static_cast<qint64>(f.bytes.size())},
            {QStringLiteral("sha256"),
             QString::fromLatin1(QCryptographicHash::hash(f.bytes, QCryptographicHash::Sha256).toHex())},
        });
    return QJsonDocument(QJsonObject{{QStringLiteral("program"), program},
                                     {QStringLiteral("format"), 1},
                                     {QStringLiteral("version"), QStringLiteral("5.04")},
                                     {QStringLiteral("created"), QStringLiteral("2026-12-01T10:00:00Z")},
                                     {QStringLiteral("files"), list}})
        .toJson();
}

// A backup of the listed files: the manifest, then each file under its entry.
inline QByteArray backupOf(const std::vector<Listed>& files)
{
    std::vector<ZipEntry> entries{{ManifestEntry, manifest(files)}};
    for (const Listed& f : files)
        entries.push_back({f.entry, f.bytes});
    return zip(entries);
}

} // namespace tolvane::test
