#pragma once
// What is being dragged between the program's lists and trash cans.

namespace tolvane {

// Where a drag began.
enum class DragSource { None, FoodList, MealList, TrashCan };

// The source of a drag and the row pressed there (-1: none).
struct DragItem {
    DragSource source = DragSource::None;
    int row = -1;
};

} // namespace tolvane
