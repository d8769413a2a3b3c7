#pragma once
// "Mer&ge Other FOODITEM.DBT": reads another food item table and offers each of
// its items that the food list does not hold yet for adding, one by one,
// through the Add/Modify Food Item dialog so the user can correct it first.

#include <QString>

namespace tolvane {

class FoodList;
class Program;

inline const QString MergeProgressCaption = QStringLiteral("Search Food Item Data Base");

namespace mergemsg {
inline const QString CannotOpen = QStringLiteral("Error opening file.");
inline QString notFoundQuestion(const QString& name)
{
    return name + QStringLiteral(" not found. Do you want to add this item?");
}
inline const QString TableFull = QStringLiteral("Food item table full.");
inline QString damagedNames(int count)
{
    return QStringLiteral("%1 of the file's records have no valid name (longer than 30 characters) and were left "
                          "out.")
        .arg(count);
}
} // namespace mergemsg

class FoodMerge {
public:
    // Registers "Mer&ge Other FOODITEM.DBT" with `program`.
    FoodMerge(Program& program, FoodList& foods);

    // Asks for the file, then merges it.
    void mergeOtherTable();
    // Merges the table file at `path`.
    void mergeFile(const QString& path);

private:
    Program& program_;
    FoodList& foods_;
};

} // namespace tolvane
