#pragma once
// The versions of the data files that the kill test's driver saves in turn.
// A data file is whole when it is exactly one of them.

#include "activity/activityplanner.h"
#include "menu/menufile.h"
#include "testfiles.h"

#include <QByteArray>

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

} // namespace tolvane::test::kill
