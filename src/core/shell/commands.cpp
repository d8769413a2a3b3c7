#include "shell/commands.h"

namespace tolvane {

namespace {
MenuEntry entry(Command c, const char16_t* caption, const char16_t* key = u"", bool checkable = false)
{
    MenuEntry e;
    e.command = c;
    e.caption = QString::fromUtf16(caption);
    e.shortcut = QString::fromUtf16(key);
    e.checkable = checkable;
    return e;
}
MenuEntry item(Command c, const char16_t* caption) { return entry(c, caption); }
MenuEntry keyed(Command c, const char16_t* caption, const char16_t* key) { return entry(c, caption, key); }
MenuEntry option(Command c, const char16_t* caption) { return entry(c, caption, u"", true); }
MenuEntry separator()
{
    MenuEntry e;
    e.separator = true;
    return e;
}
} // namespace

const std::vector<MenuDefinition>& mainMenu()
{
    static const std::vector<MenuDefinition> menus = {
        {TopMenu::Main, QStringLiteral("&Main"),
         {item(Command::MergeOtherTable, u"Mer&ge Other FOODITEM.DBT"), separator(), item(Command::Exit, u"E&xit"),
         separator(), item(Command::ImportFoodItemsCsv, u"&Import Food Items from CSV..."),
         item(Command::ExportFoodItemsCsv, u"Export &Food Items as CSV..."),
         item(Command::ExportMenuCsv, u"Export &Menu as CSV..."),
         item(Command::ExportWeightLogCsv, u"Export &Weight Log as CSV..."),
         item(Command::ExportNutrientReportCsv, u"Export Nutrient Re&port as CSV..."), separator(),
         item(Command::BackUpData, u"&Back Up Data..."), item(Command::RestoreFromBackup, u"&Restore from Backup..."),
         separator(), item(Command::Zoom, u"&Zoom..."), item(Command::Units, u"&Units..."),
         item(Command::TargetSplit, u"Target &Split..."), separator(),
         keyed(Command::Undo, u"U&ndo", u"Ctrl+Z"), keyed(Command::Redo, u"Re&do", u"Ctrl+Shift+Z; Ctrl+Y")}},
        {TopMenu::FoodItem, QStringLiteral("&Food Item"),
         {item(Command::AddFoodItem, u"&Add Food Item"),
          keyed(Command::AddFromUsda, u"Add from &USDA...", u"Ctrl+Shift+A"),
          item(Command::ModifyFoodItem, u"&Modify Food Item"),
          item(Command::DeleteFoodItem, u"&Delete Food Item"), separator(),
          item(Command::AddToPersonalList, u"Add &to Personal List"),
          item(Command::RemoveFromPersonalList, u"&Remove from Personal List"),
          item(Command::ShowPersonalList, u"&Show Personal List"),
          item(Command::ClearPersonalList, u"Clear Whole &Personal List"), separator(),
          item(Command::AddToMeal, u"Add to Mea&l"), separator(),
          item(Command::FindFoodItem, u"&Find Food Item...")}},
        {TopMenu::Menu, QStringLiteral("&Menu"),
         {item(Command::LoadMenu, u"&Load"), item(Command::SaveMenuAs, u"Save &As"),
          item(Command::ClearMeal, u"&Clear Meal"), item(Command::CopyMeal, u"Copy &Meal"),
          item(Command::PasteMeal, u"&Paste Meal"), separator(), item(Command::ClearMenu, u"Clear Men&u"),
          separator(), keyed(Command::CopyDay, u"Copy &Day", u"Ctrl+Shift+C"),
          keyed(Command::PasteDay, u"Paste Da&y", u"Ctrl+Shift+V"), item(Command::PasteDayInto, u"Paste Day &Into..."),
          separator(), item(Command::ChangeServings, u"Change &Servings"), separator(),
          keyed(Command::ShowNutrients, u"&Nutrients...", u"Ctrl+Shift+N")}},
        {TopMenu::Recipe, QStringLiteral("&Recipe"),
         {item(Command::AddRecipeToFoodItems, u"&Add to Food Items"), separator(),
          item(Command::LoadRecipe, u"&Load Recipe"), item(Command::SaveRecipe, u"&Save Recipe"), separator(),
          item(Command::ClearRecipe, u"&Clear Recipe"), separator(),
          item(Command::ChangeIngredientServings, u"C&hange Servings")}},
        {TopMenu::Weight, QStringLiteral("&Weight"),
         {item(Command::CreatePlan, u"&Create Plan"), item(Command::NewWeightRow, u"&New Row"),
          item(Command::LoadWeightFile, u"&Load File"), item(Command::SaveWeightFile, u"&Save File"),
          item(Command::ClearWeightGrid, u"C&lear Grid"), separator(),
          option(Command::ShowTrend, u"Show &Trend")}},
        {TopMenu::Activity, QStringLiteral("&Activity"),
         {item(Command::AddActivity, u"&Add Activity"), item(Command::DeleteActivity, u"&Delete Activity"),
          separator(), item(Command::AddToDay, u"Add to Da&y"), item(Command::RemoveFromDay, u"&Remove from Day")}},
        {TopMenu::Print, QStringLiteral("&Print"),
         {item(Command::MenuPrintPreview, u"Menu Print Pre&view"),
          item(Command::ShoppingListPreview, u"S&hopping List Preview"), separator(),
          item(Command::PrintShoppingList, u"Print &Shopping List"), item(Command::PrintDay, u"Print &Day"),
          item(Command::PrintMenu, u"&Print Menu"), item(Command::PrintWeightGraph, u"Print &Weight Graph"),
          item(Command::PrintRecipe, u"Print &Recipe"), item(Command::PrintNutrientReport, u"Print &Nutrient Report"),
          separator(), item(Command::PrintSetup, u"P&rint Setup")}},
        {TopMenu::Help, QStringLiteral("&Help"),
         {item(Command::HelpGeneral, u"&General"), item(Command::HelpDietingHints, u"Dieting Hints"),
          item(Command::HelpLowCalorie, u"&Low Calorie"), item(Command::HelpDiabetic, u"&Diabetic"),
          item(Command::HelpLowSodium, u"Low &Sodium"), item(Command::HelpLowCholesterol, u"Low &Cholesterol"),
          item(Command::HelpRdaGuidelines, u"&RDA Guidelines"), separator(), item(Command::Tutor, u"Tutor"),
          separator(), item(Command::About, u"&About")}},
    };
    return menus;
}

QString menuCaption(Command command)
{
    for (const auto& menu : mainMenu())
        for (const auto& entry : menu.entries)
            if (!entry.separator && entry.command == command)
                return entry.caption;
    return {};
}

const std::vector<ToolButtonDefinition>& toolButtons()
{
    static const std::vector<ToolButtonDefinition> buttons = {
        {Command::CopyMeal, QStringLiteral("Copy Meal")},
        {Command::PasteMeal, QStringLiteral("Paste Meal")},
        {Command::ClearMeal, QStringLiteral("Clear Meal")},
        {Command::SaveMenuAs, QStringLiteral("Save Menu")},
        {Command::LoadMenu, QStringLiteral("Load Menu")},
        {Command::ClearMenu, QStringLiteral("Clear Menu")},
        {Command::PrintMenu, QStringLiteral("Print Menu")},
        {Command::PrintShoppingList, QStringLiteral("Print Shopping List")},
        {Command::AddFoodItem, QStringLiteral("Add Food Item")},
        {Command::AddFromUsda, QStringLiteral("Add from USDA")},
        {Command::DeleteFoodItem, QStringLiteral("Delete Food Item")},
        {Command::Exit, QStringLiteral("Exit Program")},
    };
    return buttons;
}

bool isPlannerToolButton(Command command)
{
    return command != Command::PrintMenu && command != Command::PrintShoppingList && command != Command::Exit;
}

const std::vector<HelpMenuTopic>& helpMenuTopics()
{
    static const std::vector<HelpMenuTopic> topics = {
        {Command::HelpGeneral, 1},       {Command::HelpDietingHints, 21}, {Command::HelpLowCalorie, 4},
        {Command::HelpDiabetic, 5},      {Command::HelpLowSodium, 6},     {Command::HelpLowCholesterol, 7},
        {Command::HelpRdaGuidelines, 3},
    };
    return topics;
}

const std::vector<PageDefinition>& pages()
{
    static const std::vector<PageDefinition> list = {
        {QStringLiteral("Menu Planner"), 1}, {QStringLiteral("Recipes"), 10},
        {QStringLiteral("Weight"), 11},      {QStringLiteral("RDA"), 3},
        {QStringLiteral("Calculators"), 25}, {QStringLiteral("Activity Planner"), 26},
    };
    return list;
}

} // namespace tolvane
