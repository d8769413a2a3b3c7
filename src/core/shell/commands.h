#pragma once
// Everything the user can ask of the main window through its menus and tool
// buttons, with their captions and hints, in the order they are shown.

#include <QString>
#include <vector>

namespace tolvane {

enum class Command {
    // &Main
    MergeOtherTable, Exit, ImportFoodItemsCsv, ExportFoodItemsCsv, ExportMenuCsv, ExportWeightLogCsv, ExportNutrientReportCsv, BackUpData,
    RestoreFromBackup, Zoom, Units, TargetSplit, Undo, Redo,
    // &Food Item
    AddFoodItem, AddFromUsda, ModifyFoodItem, DeleteFoodItem, AddToPersonalList, RemoveFromPersonalList,
    ShowPersonalList, ClearPersonalList, AddToMeal, FindFoodItem,
    // &Menu
    LoadMenu, SaveMenuAs, ClearMeal, CopyMeal, PasteMeal, ClearMenu, CopyDay, PasteDay, PasteDayInto,
    ChangeServings, ShowNutrients,
    // &Recipe
    AddRecipeToFoodItems, LoadRecipe, SaveRecipe, ClearRecipe, ChangeIngredientServings,
    // &Weight
    CreatePlan, NewWeightRow, LoadWeightFile, SaveWeightFile, ClearWeightGrid, ShowTrend,
    // &Activity
    AddActivity, DeleteActivity, AddToDay, RemoveFromDay,
    // &Print
    MenuPrintPreview, ShoppingListPreview, PrintShoppingList, PrintDay, PrintMenu, PrintWeightGraph,
    PrintRecipe, PrintNutrientReport, PrintSetup,
    // &Help
    HelpGeneral, HelpDietingHints, HelpLowCalorie, HelpDiabetic, HelpLowSodium, HelpLowCholesterol,
    HelpRdaGuidelines, Tutor, About,
};

enum class TopMenu { Main, FoodItem, Menu, Recipe, Weight, Activity, Print, Help };

// One line of a menu: a command, or a separator when `separator` is set.
struct MenuEntry {
    bool separator = false;
    Command command = Command::Exit;
    QString caption;
    QString shortcut;        // keys in Qt's portable text, "; " between ("Ctrl+Shift+C"), or none
    bool checkable = false;  // an option that shows a check mark while it is on
};

struct MenuDefinition {
    TopMenu menu;
    QString caption;
    std::vector<MenuEntry> entries;
};

// The main menu, top to bottom and left to right.
const std::vector<MenuDefinition>& mainMenu();

// The caption of a command's menu item as the program starts.
QString menuCaption(Command command);

struct ToolButtonDefinition {
    Command command;
    QString hint;
};

// The tool bar's twelve buttons, left to right.
const std::vector<ToolButtonDefinition>& toolButtons();

// Tool buttons that only work on the Menu Planner page.
bool isPlannerToolButton(Command command);

// The "&Help" items that open a help topic, with its help context.
struct HelpMenuTopic {
    Command command;
    int helpContext;
};
const std::vector<HelpMenuTopic>& helpMenuTopics();

// The pages of the main window, in order, with their help contexts.
struct PageDefinition {
    QString caption;
    int helpContext;
};
enum Page { MenuPlannerPageIndex = 0, RecipesPageIndex, WeightPageIndex, RdaPageIndex, CalculatorsPageIndex, ActivityPlannerPageIndex, PageCount };
const std::vector<PageDefinition>& pages();

} // namespace tolvane
