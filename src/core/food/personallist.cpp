#include "food/personallist.h"

#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/numbertext.h"

namespace tolvane {

namespace {
// Commands that change the table itself: refused while only the personal
// list is shown.
constexpr Command WholeListCommands[] = {Command::AddFoodItem, Command::ModifyFoodItem, Command::DeleteFoodItem,
                                         Command::AddToPersonalList};
constexpr Command WholeListToolButtons[] = {Command::AddFoodItem, Command::DeleteFoodItem};
} // namespace

PersonalList::PersonalList(Program& program, FoodList& foods) : program_(program), foods_(foods)
{
    program_.setHandler(Command::AddToPersonalList, [this] { addSelected(); });
    program_.setHandler(Command::RemoveFromPersonalList, [this] { removeSelected(); });
    program_.setHandler(Command::ShowPersonalList, [this] { toggleView(); });
    program_.setHandler(Command::ClearPersonalList, [this] { clear(); });
}

void PersonalList::noSelection()
{
    program_.ui().showMessage(Message::plain(personalmsg::NoSelection, personalmsg::NoSelectionCaption,
                                             Icon::Information, only(Button::Ok)));
}

void PersonalList::addSelected()
{
    FoodTable& table = foods_.foodTable();
    const int row = foods_.selectedFoodRow();
    if (row < 0)
        noSelection();
    else
        table.rowItem(row).setOnPersonalList(true);
    foods_.saveFoodTable(row < 0 ? QString() : foodchange::addToPersonal(table.rowItem(row).name()));
}

void PersonalList::removeSelected()
{
    FoodTable& table = foods_.foodTable();
    const int row = foods_.selectedFoodRow();
    if (row < 0) {
        noSelection();
        return;
    }
    // Every record of that exact name leaves the list: a rename can have made
    // two records share it.
    const QString name = table.rowItem(row).name();
    for (int slot = 0; slot < table.count(); ++slot)
        if (table.item(slot).name() == name)
            table.item(slot).setOnPersonalList(false);
    table.rebuildView();
    foods_.selectFoodRow(-1);
    if (program_.hooks.refreshFoodPanel)
        program_.hooks.refreshFoodPanel();
    // The whole table is written whatever the view, so the change is kept at
    // once rather than waiting for a later write from the whole list.
    foods_.saveFoodTable(foodchange::removeFromPersonal(name));
}

void PersonalList::showView(bool personal)
{
    program_.setCaption(Command::ShowPersonalList, personal ? ShowWholeListCaption : ShowPersonalListCaption);
    for (Command command : WholeListCommands)
        program_.setEnabled(command, !personal);
    program_.setEnabled(Command::RemoveFromPersonalList, personal);
    for (Command command : WholeListToolButtons)
        program_.setToolButtonEnabled(command, !personal);
}

void PersonalList::toggleView()
{
    const bool personal = !foods_.foodTable().personalListShown();
    showView(personal);
    // Rebuilding the list leaves no row selected.
    foods_.foodTable().showPersonalList(personal);
    foods_.selectFoodRow(-1);
    if (program_.hooks.refreshFoodPanel)
        program_.hooks.refreshFoodPanel();
}

void PersonalList::clear()
{
    const Button answer = program_.ui().showMessage(Message::plain(
        personalmsg::ClearQuestion, personalmsg::ClearCaption, Icon::Information, Button::Yes | Button::No));
    if (answer != Button::Yes)
        return;
    showView(false);
    FoodTable& table = foods_.foodTable();
    for (int slot = 0; slot < table.count(); ++slot)
        table.item(slot).setOnPersonalList(false);
    table.showPersonalList(false);
    foods_.selectFoodRow(-1);
    if (program_.hooks.refreshFoodPanel)
        program_.hooks.refreshFoodPanel();
    foods_.saveFoodTable(foodchange::ClearPersonal);
}

bool foodListKeyPress(FoodList& foods, QChar key)
{
    long double step = 0;
    if (key == QLatin1Char('+'))
        step = 1;
    else if (key == QLatin1Char('-'))
        step = -1;
    else
        return false;
    // Servings are read leniently, as the servings field itself reads them.
    // A text that is no number is left for the user to correct.
    if (const std::optional<long double> servings = parseLenient(foods.servingsText()))
        foods.setServingsText(formatFixed(*servings + step, 4, 1));
    return true;
}

} // namespace tolvane
