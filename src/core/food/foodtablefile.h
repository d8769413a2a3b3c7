#pragma once
// The food item table file: no header, consecutive 101-byte records.

#include "food/fooditem.h"

#include <QByteArray>
#include <vector>

namespace tolvane {

struct FoodTableImage {
    std::vector<FoodItem> records;  // in file order, at most 2000
    bool truncated = false;         // the file ends inside a record (before the 2000th)
};

// Reads the records of a table file image. Reading stops after 2000 records;
// bytes past them are not looked at.
FoodTableImage readFoodTableImage(const QByteArray& bytes);

} // namespace tolvane
