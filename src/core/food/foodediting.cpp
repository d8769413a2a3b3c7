#include "food/foodediting.h"

#include "food/fooddialogs.h"
#include "food/foodlist.h"
#include "shell/program.h"

namespace tolvane {

namespace {
// Writes the name and values of `item` into `record`; everything else of the
// record (personal flag, reserved bytes) stays as it was.
void applyEditItem(FoodItem& record, const EditItem& item)
{
    // The form refused what cannot be stored, so neither call fails here.
    record.setName(item.name);
    for (int n = 0; n < NutrientCount; ++n)
        record.setNutrient(static_cast<Nutrient>(n), item.values[static_cast<std::size_t>(n)]);
}

Message info(const QString& text)
{
    return Message::typed(text, Icon::Information, only(Button::Ok), GeneralHelpContext);
}
Message warning(const QString& text)
{
    return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
}
} // namespace

FoodItem recordFromEditItem(const EditItem& item, const FoodItem& base)
{
    FoodItem record = base;
    applyEditItem(record, item);
    record.setOnPersonalList(false);
    return record;
}

EditItem editItemOf(const FoodItem& record) { return EditItem{record.name(), record.nutrients()}; }

FoodEditing::FoodEditing(Program& program, FoodList& foods) : program_(program), foods_(foods)
{
    program_.setHandler(Command::AddFoodItem, [this] { add(); });
    program_.setHandler(Command::ModifyFoodItem, [this] { modify(); });
    program_.setHandler(Command::DeleteFoodItem, [this] { remove(); });
}

void FoodEditing::refreshPanel()
{
    if (program_.hooks.refreshFoodPanel)
        program_.hooks.refreshFoodPanel();
}

bool FoodEditing::mayAdd()
{
    FoodTable& table = foods_.foodTable();
    UserInterface& ui = program_.ui();
    if (table.personalListShown()) {
        ui.showMessage(warning(editmsg::AddInPersonalView));
        return false;
    }
    if (table.isFull()) {
        ui.showMessage(info(editmsg::TableFull));
        return false;
    }
    return true;
}

void FoodEditing::add()
{
    if (!mayAdd())
        return;
    FoodItemForm form(EditItem{});
    if (!foods_.dialogs().editFoodItem(form))
        return;
    addRecord(recordFromEditItem(form.item()));
}

bool FoodEditing::addRecord(const FoodItem& record)
{
    FoodTable& table = foods_.foodTable();
    const int existing = table.findSameName(record.name());
    if (existing >= 0) {
        program_.ui().showMessage(info(editmsg::SameName));
        foods_.selectFoodRow(table.rowOfSlot(existing));
        refreshPanel();
        return false;
    }
    foods_.insertFoodItem(record, foodchange::add(record.name()));
    return true;
}

void FoodEditing::modify()
{
    FoodTable& table = foods_.foodTable();
    UserInterface& ui = program_.ui();
    const int row = foods_.selectedFoodRow();
    if (row < 0) {
        ui.showMessage(info(editmsg::NothingToModify));
        return;
    }
    if (table.personalListShown()) {
        ui.showMessage(info(editmsg::ModifyInPersonalView));
        return;
    }
    const int slot = table.slotOfRow(row);
    FoodItemForm form(editItemOf(table.item(slot)));
    if (!foods_.dialogs().editFoodItem(form))
        return;

    ui.setBusy(true);
    const FoodItem before = table.item(slot);
    applyEditItem(table.item(slot), form.item());
    // A new name moves the record to its sorted place. No other record is
    // checked for the same name: a rename may make two items share one.
    const int newSlot = table.resort(slot);
    foods_.selectFoodRow(table.rowOfSlot(newSlot));
    refreshPanel();
    foods_.saveFoodTable(foodchange::modify(table.item(newSlot).name()));
    ui.setBusy(false);
    if (modified)
        modified(before, table.item(newSlot));
}

void FoodEditing::remove()
{
    FoodTable& table = foods_.foodTable();
    UserInterface& ui = program_.ui();
    const int row = foods_.selectedFoodRow();
    if (row < 0) {
        ui.showMessage(info(editmsg::NothingToDelete));
        return;
    }
    if (table.personalListShown()) {
        ui.showMessage(warning(editmsg::DeleteInPersonalView));
        return;
    }
    const int slot = table.slotOfRow(row);
    const Button answer = ui.showMessage(Message::typed(editmsg::deleteQuestion(table.item(slot).name()),
                                                        Icon::Information, Button::Ok | Button::Cancel,
                                                        GeneralHelpContext));
    if (answer != Button::Ok)
        return;

    ui.setBusy(true);
    const QString name = table.item(slot).name();
    table.removeAt(slot);
    // The list loses its selection with the row.
    foods_.selectFoodRow(-1);
    refreshPanel();
    foods_.saveFoodTable(foodchange::remove(name));
    ui.setBusy(false);
}

} // namespace tolvane
