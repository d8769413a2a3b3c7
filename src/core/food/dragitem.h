#pragma once
// What is being dragged between the program's lists and trash cans.

namespace tolvane {

// Where a drag began. The Recipes page has its own food list and ingredient
// list, so that nothing dragged there is taken by the Menu Planner's controls.
enum class DragSource { None, FoodList, MealList, TrashCan, RecipeFoodList, IngredientList };

// The source of a drag and the row pressed there (-1: none).
struct DragItem {
    DragSource source = DragSource::None;
    int row = -1;
};

} // namespace tolvane
