#pragma once
// The versions of the data files that the kill test's driver saves in turn.
// A data file is whole when it is exactly one of them.

#include "activity/activityplanner.h"
#include "menu/menufile.h"
#include "storage/safesave.h"
#include "testfiles.h"

#include <QByteArray>
#include <QStringList>

namespace tolvane::test::kill {

constexpr int FoodVersions = 4;
constexpr int MaxActivityRows = 5;

// 500, 1000, 1500 or 2000 items: up to a full 202 KB table.
inline std::vector<FoodItem> foodVersion(int v) { return numberedItems(500 * (v % FoodVersions + 1)); }

inline bool wholeFoodTable(const QByteArray& bytes)
{
    for (int v = 0; v < FoodVersions; ++v)
        if (bytes == tableBytes(foodVersion(v)))
            return true;
    return false;
}

// The week stays empty; the day the driver shows changes.
inline bool wholeCurrentMenu(const QByteArray& bytes)
{
    for (int day = 0; day < 7; ++day)
        if (bytes == writeMenuImage(MenuImage{day, 0, 0, Week{}}))
            return true;
    return false;
}

inline ActivityRecord walking()
{
    ActivityRecord record;
    record.setName(QStringLiteral("Walking"));
    record.setCaloriesPerHour(300);
    return record;
}

inline bool wholeActivityTable(const QByteArray& bytes)
{
    for (int rows = 1; rows <= MaxActivityRows; ++rows)
        if (bytes == activityImage(std::vector<ActivityRecord>(static_cast<std::size_t>(rows), walking())))
            return true;
    return false;
}

// The two sets of data files that the backup and restore runs write: a set
// is whole when all three files are of one version.
inline QByteArray versionFile(const QString& name, int v)
{
    if (name == QStringLiteral("fooditem.dbt"))
        return tableBytes(foodVersion(v));
    if (name == QStringLiteral("currmenu.db"))
        return writeMenuImage(MenuImage{v + 1, 0, 0, Week{}});
    return activityImage(std::vector<ActivityRecord>(static_cast<std::size_t>(v + 1), walking()));
}

inline const QStringList VersionFiles = {QStringLiteral("fooditem.dbt"), QStringLiteral("currmenu.db"),
                                         QStringLiteral("activity.db")};

// Written atomically: the driver may be killed between two files, and a
// file it cut short would end the next start.
inline void writeVersion(const QString& folder, int v)
{
    for (const QString& name : VersionFiles)
        saveFileAtomically(folder + u'/' + name, versionFile(name, v));
}

// The version the folder's data files are all of, or -1 for a mix.
inline int folderVersion(const QString& folder)
{
    for (int v = 0; v < 2; ++v) {
        bool all = true;
        for (const QString& name : VersionFiles)
            all = all && readAll(folder + u'/' + name) == versionFile(name, v);
        if (all)
            return v;
    }
    return -1;
}

inline QString archiveName(int v) { return QStringLiteral("version%1.zip").arg(v); }

} // namespace tolvane::test::kill
