#pragma once
// The food item data subsystem's commands: the personal list, adding,
// modifying and deleting food items, and merging another table. The table
// itself belongs to the program.

#include "food/foodediting.h"
#include "food/merge.h"
#include "food/personallist.h"

namespace tolvane {

struct FoodData {
    explicit FoodData(Program& program) : personalList(program), editing(program), merge(program) {}

    PersonalList personalList;
    FoodEditing editing;
    FoodMerge merge;
};

} // namespace tolvane
