#include "food/foodlist.h"

#include "food/foodtableio.h"
#include "shell/program.h"

namespace tolvane {

FoodList::FoodList(Program& program, FoodDialogs& dialogs) : program_(program), dialogs_(dialogs)
{
    program_.addPendingSave({QStringLiteral("The food item table"),
                             FoodTableFileName,
                             {QString(), QStringLiteral("Food Item File (*.dbt)"), QStringLiteral("dbt"),
                              program_.workDir()},
                             [this] { return foodTableUnsaved_; },
                             [this] { return foodTable_.toBytes(); },
                             [this] { foodTableUnsaved_ = false; }});
    program_.hooks.loadFoodTable = [this]() -> StartResult {
        const FoodTableLoadResult loaded = loadFoodTable(foodTable_, program_.workDir(), program_.ui());
        return {loaded.ok, loaded.exitStatus};
    };
    program_.hooks.resetFoodList = [this] {
        selectFoodRow(0);
        foodTable_.showPersonalList(false);
        foodTable_.setBusy(false);
    };
    // The food item panel shows the row that "Add to Meal" would add.
    program_.hooks.selectFirstFoodRow = [this] {
        selectFoodRow(0);
        refreshFoodPanel();
    };
}

void FoodList::refreshFoodPanel()
{
    if (program_.hooks.refreshFoodPanel)
        program_.hooks.refreshFoodPanel();
}

void FoodList::selectFoodRow(int row)
{
    selectedFoodRow_ = row >= 0 && row < foodTable_.rowCount() ? row : -1;
}

void FoodList::foodListClick(int row)
{
    selectFoodRow(row);
    refreshFoodPanel();
}

void FoodList::setServingsText(const QString& text)
{
    servingsText_ = text;
    if (!program_.closing())
        refreshFoodPanel();
}

int FoodList::insertFoodItem(const FoodItem& record)
{
    const int slot = foodTable_.insert(record);
    saveFoodTable();
    const int row = foodTable_.rowOfSlot(slot);
    selectFoodRow(row);
    refreshFoodPanel();
    return row;
}

bool FoodList::saveFoodTable()
{
    foodTableUnsaved_ = !tolvane::saveFoodTable(foodTable_, program_.workDir(), program_.ui());
    return !foodTableUnsaved_;
}

} // namespace tolvane
