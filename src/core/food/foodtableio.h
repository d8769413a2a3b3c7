#pragma once
// Loading "fooditem.dbt" at start-up and writing it back after every change,
// with the messages the user sees when that goes wrong.

#include "shell/userinterface.h"

#include <QString>

namespace tolvane {

class FoodTable;

inline const QString FoodTableFileName = QStringLiteral("fooditem.dbt");

namespace foodmsg {
inline const QString NotPresent =
    QStringLiteral("Food Item table not present. Program will continue without food items.");
// There, but not readable (its permissions): the file is left as it is.
inline const QString CannotRead = QStringLiteral(
    "The food item table fooditem.dbt cannot be read. The program will continue without food items and will not "
    "write over the file.");
inline const QString Corrupt = QStringLiteral("Corrupt food item table. Program exiting");
inline const QString Full = QStringLiteral("Food item table full");
inline const QString CannotCreate = QStringLiteral(
    "Cannot create food item table. The food items stay in memory and will be written with the next change.");
inline const QString CannotWrite = QStringLiteral("Cannot write food item record. Is the disk full?");
} // namespace foodmsg

// Exit status of a start-up that cannot go on (the file is damaged).
constexpr int CorruptTableExitStatus = 2;

struct FoodTableLoadResult {
    bool ok = true;      // false: the program must end with `exitStatus`
    int exitStatus = 0;
};

// Loads the table of `workDir` into `table` (the whole list shown). A missing
// file gives an empty table; a file cut inside a record ends the start-up.
FoodTableLoadResult loadFoodTable(FoodTable& table, const QString& workDir, UserInterface& ui);

// Writes every record of the table, whatever the food list shows, replacing the
// file as a whole. On failure the user is told and the old file stays; the
// table in memory is untouched either way. Returns true when written.
bool saveFoodTable(FoodTable& table, const QString& workDir, UserInterface& ui);

} // namespace tolvane
