#pragma once
// The food item data subsystem's commands: the personal list, adding,
// modifying and deleting food items, and merging another table, all on the
// table of the food list (food/foodlist.h).

#include "food/foodediting.h"
#include "food/merge.h"
#include "food/personallist.h"

namespace tolvane {

struct FoodData {
    FoodData(Program& program, FoodList& foods)
        : personalList(program, foods), editing(program, foods), merge(program, foods)
    {
    }

    PersonalList personalList;
    FoodEditing editing;
    FoodMerge merge;
};

} // namespace tolvane
