#pragma once
// The whole program without its windows: the main window's behaviour and each
// subsystem that plugs into it. The windows and the tests build one of these.

#include "activity/activityplanner.h"
#include "app/appuserinterface.h"
#include "backup/backups.h"
#include "exchange/exchange.h"
#include "food/fooddata.h"
#include "food/foodlist.h"
#include "guide/tutor.h"
#include "menu/menuplanner.h"
#include "menu/menuprinting.h"
#include "menu/nutrientview.h"
#include "nutrients/foodnutrients.h"
#include "recipes/recipes.h"
#include "reference/addfromusda.h"
#include "shell/program.h"
#include "weight/weight.h"

namespace tolvane {

class App {
public:
    App(AppUserInterface& ui, SettingsStore& settings, const QString& workDir);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Program program;
    // The food item table, its selected row and servings text.
    FoodList foods;
    // Subsystems follow, each built after what it uses; each registers its
    // commands and hooks with `program` in its constructor.
    FoodData food;
    // "Add from &USDA...": the USDA reference, read when first opened.
    AddFromUsda usda;
    // The nutrients beyond the six values: the USDA reference and the links, read when first asked.
    FoodNutrients nutrients;
    MenuPlanner menu;
    // "&Nutrients...": the window of every nutrient against the reference intakes.
    NutrientView nutrientView;
    Recipes recipes;
    Weight weight;
    ActivityPlanner activity;
    MenuPrinting printing;
    Exchange exchange;
    Tutor tutor;
    Backups backups;
};

} // namespace tolvane
