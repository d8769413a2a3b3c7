#pragma once
// Building blocks for tests: food item records and table files.

#include "food/fooditem.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace tolvane::test {

// A record with a name and the six values; reserved bytes filled with a
// pattern so that tests see whether they survive.
FoodItem makeItem(const QString& name, const Nutrients& values = {}, bool personal = false);

QByteArray tableBytes(const std::vector<FoodItem>& items);

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

// "Item 0000", "Item 0001", ... already in name order.
std::vector<FoodItem> numberedItems(int count);

} // namespace tolvane::test
