#pragma once
// Adding, modifying and deleting food items from the food list. Every change
// rewrites "fooditem.dbt" at once; editing works only while the food list shows
// the whole table.

#include "food/fooditemform.h"

#include <QString>
#include <functional>

namespace tolvane {

class FoodList;
class Program;

namespace editmsg {
inline const QString AddInPersonalView = QStringLiteral(
    "You must be showing the Whole Food List in the Menu Planner to use this function. Change the view and return "
    "here to add the menu item");
inline const QString DeleteInPersonalView = QStringLiteral(
    "You must be showing the Whole Food List in the Menu Planner to use this function. Change the view and return "
    "here to delete the menu item");
inline const QString TableFull = QStringLiteral("Fooditem table full.");
inline const QString SameName = QStringLiteral(
    "The new item has the same name as an existing item. Use modify to change the component values, or change the "
    "name of the item.");
inline const QString NothingToModify = QStringLiteral("There is no item to modify. Please select an item");
inline const QString ModifyInPersonalView =
    QStringLiteral("You cannot modify items from the personal list.  Return to the whole list view.");
inline const QString NothingToDelete = QStringLiteral("There is no item to delete. Please select an item");
inline QString deleteQuestion(const QString& name)
{
    return QStringLiteral("Are you sure you want to delete ") + name + QLatin1Char('.');
}
} // namespace editmsg

// A new record built from what the dialog accepted, on top of `base` (whose
// reserved bytes it keeps), off the personal list. The form has already checked
// that the name and values can be stored.
FoodItem recordFromEditItem(const EditItem& item, const FoodItem& base = FoodItem{});

// The name and values of a record, as the dialog shows them.
EditItem editItemOf(const FoodItem& record);

class FoodEditing {
public:
    // Registers "&Add Food Item", "&Modify Food Item" and "&Delete Food Item"
    // (menu items and tool buttons) with `program`.
    FoodEditing(Program& program, FoodList& foods);

    void add();
    // The checks "&Add Food Item" makes before its dialog opens (the whole
    // list shown, room in the table), each refusal told; true when they pass.
    bool mayAdd();
    // Adds a record made elsewhere (from the USDA reference) as "&Add Food
    // Item" adds the dialog's: a name already taken is told and its item
    // selected. True when it was added.
    bool addRecord(const FoodItem& record);
    // Also the food list's double click, after its click selected the row.
    void modify();
    // Also a food list row dropped on the menu planner's trash can.
    void remove();

    // Told after "&Modify Food Item" changed a record (its old and new form).
    std::function<void(const FoodItem& before, const FoodItem& after)> modified;

private:
    void refreshPanel();

    Program& program_;
    FoodList& foods_;
};

} // namespace tolvane
