#pragma once
// The food item table as the main window shows it: the table, the row selected
// in the food list and the text of the "# Servings" field of the food item
// panel. Loads the table at start-up and writes it after every change.

#include "food/foodtable.h"

#include <QString>

namespace tolvane {

class FoodDialogs;

// The food item table's changes as "U&ndo" and "Re&do" name them.
namespace foodchange {
inline QString add(const QString& name) { return QStringLiteral("Add Food Item %1").arg(name); }
inline QString modify(const QString& name) { return QStringLiteral("Modify Food Item %1").arg(name); }
inline QString remove(const QString& name) { return QStringLiteral("Delete Food Item %1").arg(name); }
inline QString addToPersonal(const QString& name) { return QStringLiteral("Add %1 to Personal List").arg(name); }
inline QString removeFromPersonal(const QString& name) { return QStringLiteral("Remove %1 from Personal List").arg(name); }
inline const QString ClearPersonal = QStringLiteral("Clear Whole Personal List");
inline const QString Merge = QStringLiteral("Merge Other FOODITEM.DBT");
inline const QString Import = QStringLiteral("Import Food Items from CSV");
inline QString addRecipe(const QString& name) { return QStringLiteral("Add Recipe %1 to Food Items").arg(name); }
} // namespace foodchange
class Program;

class FoodList {
public:
    // Plugs the table's load, its first row and its pending save into the
    // program's start-up and close. The food commands open their dialog
    // through `dialogs`.
    FoodList(Program& program, FoodDialogs& dialogs);
    FoodList(const FoodList&) = delete;
    FoodList& operator=(const FoodList&) = delete;

    FoodDialogs& dialogs() const { return dialogs_; }

    // The food item table and the selected row of the food list (-1: none).
    FoodTable& foodTable() { return foodTable_; }
    const FoodTable& foodTable() const { return foodTable_; }
    int selectedFoodRow() const { return selectedFoodRow_; }
    void selectFoodRow(int row);
    // The user clicked a row of the food list.
    void foodListClick(int row);

    // The text of the "# Servings" field of the food item panel ("1" at start).
    // Setting it refreshes the food item panel, except once the program closes.
    const QString& servingsText() const { return servingsText_; }
    void setServingsText(const QString& text);

    // Adds a record whose name is not yet in the table at its sorted place,
    // writes the table and selects the new row. Returns the row. `change`
    // names the change for undo.
    int insertFoodItem(const FoodItem& record, const QString& change);
    // Writes the table; the user is told when that fails, and the table stays
    // "not yet written" until a later write succeeds. The table's change since
    // the last write is kept for undo, named `change`.
    bool saveFoodTable(const QString& change);
    bool foodTableUnsaved() const { return foodTableUnsaved_; }

private:
    void refreshFoodPanel();
    // Undo or redo: the table of `bytes`, saved and shown.
    void restoreTable(const QByteArray& bytes);
    bool writeTable();

    Program& program_;
    FoodDialogs& dialogs_;
    FoodTable foodTable_;
    int selectedFoodRow_ = -1;
    QString servingsText_ = QStringLiteral("1");
    bool foodTableUnsaved_ = false;
    QByteArray keptImage_;  // the table as the last kept change left it
};

} // namespace tolvane
