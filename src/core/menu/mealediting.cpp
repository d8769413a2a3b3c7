// Meal editing: drops on the meal list and the trash can, the end of a drag,
// a click on a meal entry and the servings field's up-down buttons.

#include "menu/menuplanner.h"

#include "menu/menustore.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/numbertext.h"

#include <algorithm>
#include <utility>
#include <cmath>

namespace tolvane {

namespace {
const QString OneServing = QStringLiteral("1");
constexpr int MinServingsStep = 1;
constexpr int MaxServingsStep = 100;
} // namespace

void MenuPlanner::addToMeal()
{
    if (foods_.selectedFoodRow() >= 0)
        dropOnMealList({DragSource::FoodList, foods_.selectedFoodRow()});
}

void MenuPlanner::mealListClick(int row)
{
    const Meal& meal = shownMeal();
    if (row >= 0 && row < meal.count()) {
        mealListSelection_ = row;
        const auto foodRow = static_cast<int>(foods_.foodTable().rowNames().indexOf(meal.item(row).name()));
        if (foodRow >= 0) {
            foods_.foodListClick(foodRow);
            foods_.setServingsText(formatFixed(meal.servings(row), 5, 1));
            entryServingsShown_ = true;
            return;
        }
    }
    // The food item was renamed or deleted, or only the personal list is shown.
    foods_.foodListClick(0);
}

void MenuPlanner::stepServings(int delta)
{
    const std::optional<long double> now = parseLenient(foods_.servingsText());
    const long double base = now ? std::trunc(*now) : MinServingsStep;
    const long double next = std::clamp<long double>(base + delta, MinServingsStep, MaxServingsStep);
    foods_.setServingsText(QString::number(static_cast<int>(next)));
}

bool MenuPlanner::mealListAccepts(const DragItem& item) const { return item.source == DragSource::FoodList; }

void MenuPlanner::dropOnMealList(const DragItem& item)
{
    if (item.source == DragSource::FoodList) {
        // Pressing a row to drag it selects it.
        if (item.row >= 0 && item.row != foods_.selectedFoodRow())
            foods_.foodListClick(item.row);
        const int row = foods_.selectedFoodRow();
        if (row < 0)
            return;
        Meal& meal = shownMealRef();
        if (meal.isFull()) {
            program_.ui().showMessage(
                Message::typed(menumsg::MealFull, Icon::Information, only(Button::Ok), GeneralHelpContext));
            return;
        }
        const std::optional<long double> servings = parseLenient(foods_.servingsText());
        const QByteArray before = weekBytes();
        // A number too large to store is as unusable as no number at all.
        if (!servings || meal.append(foods_.foodTable().rowItem(row), *servings) != Meal::AddResult::Added) {
            focusRequest_ = FocusTarget::Servings;
            program_.ui().showMessage(
                Message::typed(menumsg::InvalidServings, Icon::Information, only(Button::Ok), GeneralHelpContext));
            return;
        }
        mealList_.append(mealLine(meal, meal.count() - 1));
        mealTotals(shownDay_, shownMeal_, totalsTab_);
        saveCurrentMenu();
        recordWeekChange(weekchange::addEntry(meal.item(meal.count() - 1).name(), shownDay_, shownMeal_), before);
    }
    foods_.setServingsText(OneServing);
}

bool MenuPlanner::trashDragOver(const DragItem& item)
{
    const bool accepted = item.source == DragSource::FoodList || item.source == DragSource::MealList;
    if (accepted && !trashOpen_)
        trashOpen_ = true;
    return accepted;
}

void MenuPlanner::dropOnTrash(const DragItem& item)
{
    if (item.source == DragSource::FoodList) {
        if (item.row >= 0 && item.row != foods_.selectedFoodRow())
            foods_.foodListClick(item.row);
        if (foods_.foodTable().personalListShown())
            program_.ui().showMessage(
                Message::plain(menumsg::IllegalAction, menumsg::IllegalActionCaption, Icon::None, only(Button::Ok)));
        else if (foods_.selectedFoodRow() >= 0)
            program_.execute(Command::DeleteFoodItem);
    } else if (item.source == DragSource::MealList && item.row >= 0 && item.row < shownMeal().count()) {
        mealListSelection_ = item.row;
        removeEntry(item.row);
        entryDropped_ = true;
    }
    trashOpen_ = false;
}

void MenuPlanner::deleteSelectedEntry()
{
    if (mealListSelection_ >= 0)
        dropOnTrash({DragSource::MealList, mealListSelection_});
}

void MenuPlanner::removeEntry(int entry)
{
    const QByteArray before = weekBytes();
    const QString name = shownMeal().item(entry).name();
    shownMealRef().removeAt(entry);
    mealList_.removeAt(entry);
    mealListSelection_ = mealList_.isEmpty() ? -1 : 0;
    mealTotals(shownDay_, shownMeal_, totalsTab_);
    saveCurrentMenu();
    recordWeekChange(weekchange::removeEntry(name, shownDay_, shownMeal_), before);
}

void MenuPlanner::changeServings()
{
    const int entry = mealListSelection_;
    if (entry < 0 || entry >= shownMeal().count())
        return;
    const QByteArray before = weekBytes();
    const std::optional<long double> servings = parseLenient(foods_.servingsText());
    if (!servings || !shownMealRef().setServings(entry, *servings)) {
        focusRequest_ = FocusTarget::Servings;
        program_.ui().showMessage(
            Message::typed(menumsg::InvalidServings, Icon::Information, only(Button::Ok), GeneralHelpContext));
        return;
    }
    mealList_[entry] = mealLine(shownMeal(), entry);
    mealTotals(shownDay_, shownMeal_, totalsTab_);
    saveCurrentMenu();
    recordWeekChange(weekchange::changeServings(shownMeal().item(entry).name(), shownDay_, shownMeal_), before);
}

void MenuPlanner::endDrag(DragSource source)
{
    switch (source) {
    case DragSource::MealList:
        // A click on an entry put its servings into the field: they stay.
        resetAfterDrag(!entryServingsShown_);
        entryServingsShown_ = false;
        // A click leaves the keys with the entry (Delete removes it).
        focusRequest_ = std::exchange(entryDropped_, false) ? FocusTarget::FoodList : FocusTarget::MealList;
        return;
    case DragSource::FoodList:
    case DragSource::TrashCan: resetAfterDrag(true); break;
    case DragSource::None:
    case DragSource::RecipeFoodList:
    case DragSource::IngredientList: return;
    }
    focusRequest_ = FocusTarget::FoodList;
}

void MenuPlanner::resetAfterDrag(bool resetServings)
{
    trashOpen_ = false;
    if (resetServings)
        foods_.setServingsText(OneServing);
}

void MenuPlanner::clearDragState()
{
    trashOpen_ = false;
    entryServingsShown_ = false;
}

} // namespace tolvane
