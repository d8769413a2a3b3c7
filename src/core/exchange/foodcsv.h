#pragma once
// Food items as CSV for a spreadsheet or a dietitian: a header row naming the
// columns, then one row per item with its name and the six values of one
// serving. Import takes the columns by their header names (in any order, other
// columns ignored), so the program's own export and the starter food list
// both read back.

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

namespace csvmsg {
QString cannotRead(const QString& file);
QString notUtf8(const QString& file);
QString openQuote(const QString& file, int line);
QString noRows(const QString& file);
QString badHeader(const QString& file);
QString missingValue(int line);
QString emptyName(int line);
QString nameTooLong(int line, const QString& name);
QString nameNotStorable(int line, const QString& name);
QString notANumber(int line, const QString& text, const QString& label);
QString tooLarge(int line, const QString& text, const QString& label);
QString tableFull(int line);
QString summary(int added, int present, int refused);
inline const QString MoreLines = QStringLiteral("(only the first 20 refused lines are listed)");
inline const QString PersonalListShown = QStringLiteral(
    "You must be showing the Whole Food List in the Menu Planner to use this function. Change the view and "
    "return here to import food items");
QString cannotWrite(const QString& file);
} // namespace csvmsg

struct FoodImport {
    bool readable = true;     // false: nothing was added; `problems` holds why
    int added = 0;
    int present = 0;          // names already in the table (or earlier in the file)
    QStringList problems;     // one message per refused line, in file order
    int lastAddedSlot = -1;
};

// Adds the rows of a CSV file image to the table, each checked as the
// Add/Modify Food Item dialog checks it. `file` names the file in messages.
// The table is only changed when the whole file could be read.
FoodImport importFoodCsv(const QByteArray& bytes, const QString& file, FoodTable& table);

} // namespace tolvane
