#pragma once
// Food items as CSV for a spreadsheet or a dietitian: a header row naming the
// columns, then one row per item with its name and the six values of one
// serving. Import (foodimport.h) takes the columns by their header names, so
// the program's own export and the starter food list both read back.

#include "food/foodtable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tolvane {

// The header of the program's food CSV: "Name" and the six value labels.
QStringList foodCsvHeader();

// The whole table, in name order, whatever the food list shows. Values are
// written with as few digits as read back to the same stored number, with "."
// as the decimal point.
QByteArray exportFoodCsv(const FoodTable& table);

// The shortest text of a stored value that reads back to the same value.
QString exactNumberText(long double value);

} // namespace tolvane
