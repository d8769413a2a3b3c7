#include "food/foodlist.h"

#include "food/foodtablefile.h"
#include "food/foodtableio.h"
#include "shell/program.h"

#include <algorithm>

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
        keptImage_ = foodTable_.toBytes();
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

int FoodList::insertFoodItem(const FoodItem& record, const QString& change)
{
    const int slot = foodTable_.insert(record);
    saveFoodTable(change);
    const int row = foodTable_.rowOfSlot(slot);
    selectFoodRow(row);
    refreshFoodPanel();
    return row;
}

bool FoodList::writeTable()
{
    foodTableUnsaved_ = !tolvane::saveFoodTable(foodTable_, program_.workDir(), program_.ui());
    return !foodTableUnsaved_;
}

bool FoodList::saveFoodTable(const QString& change)
{
    const bool saved = writeTable();
    if (program_.changes.recording()) {
        program_.changes.record(change, keptImage_,
                                {[this] { return foodTable_.toBytes(); },
                                 [this](const QByteArray& bytes) { restoreTable(bytes); }});
        keptImage_ = foodTable_.toBytes();
    }
    return saved;
}

void FoodList::restoreTable(const QByteArray& bytes)
{
    FoodTableImage image = readFoodTableImage(bytes);
    const QString selectedName = selectedFoodRow_ >= 0 ? foodTable_.rowItem(selectedFoodRow_).name() : QString();
    foodTable_.assign(std::move(image.records));
    keptImage_ = foodTable_.toBytes();
    writeTable();
    // The same food stays selected while it is there.
    const int row = static_cast<int>(foodTable_.rowNames().indexOf(selectedName));
    selectFoodRow(row >= 0 ? row : std::min(selectedFoodRow_, foodTable_.rowCount() - 1));
    refreshFoodPanel();
}

} // namespace tolvane
