#include "app/app.h"

#include "nutrients/nutrientranking.h"
#include "storage/numbertext.h"

namespace tolvane {

App::App(AppUserInterface& ui, SettingsStore& settings, const QString& workDir)
    : program(ui, settings, workDir),
      foods(program, ui),
      food(program, foods),
      usda(program, food.editing, ui),
      nutrients(program),
      menu(program, foods),
      nutrientView(program, menu, foods, nutrients, ui),
      recipes(program, foods),
      weight(program),
      activity(program, ui, foods, menu),
      printing(program, menu),
      exchange(program, ui, foods, menu, weight),
      tutor(program, ui, printing),
      backups(program, settings, menu, weight.log())
{
    // The target split's dialog is the windows'; the recipe panel marks fat
    // against the same target as the menu panels.
    program.setHandler(Command::TargetSplit, [this, &ui] { menu.chooseTargetSplit(ui); });
    recipes.setFatTarget(menu.targetSplit().fat);
    menu.targetSplitChanged = [this] { recipes.setFatTarget(menu.targetSplit().fat); };
    food.editing.modified = [this](const FoodItem& before, const FoodItem& after) {
        nutrients.itemModified(before, after);
    };
    program.setHandler(Command::ExportNutrientReportCsv,
                       [this] { exchange.exportNutrientReport(nutrientView.report()); });
    nutrientView.recipe = [this] {
        RecipeEntries entries;
        for (int i = 0; i < recipes.count(); ++i)
            entries.ingredients.emplace_back(recipes.ingredient(i), recipes.ingredientServings(i));
        const std::optional<long double> servings = parseLenient(recipes.recipeServingsText());
        if (servings && *servings > 0)
            entries.servings = servings;
        return entries;
    };
    // The reference intakes follow the Calculators page's sex and age.
    nutrientView.person = [this] {
        const Calculators& calculators = weight.calculators();
        const std::optional<long double> age = calculators.number(Calculators::Age);
        IntakePerson who{calculators.gender() == Gender::Male ? IntakeSex::Male : IntakeSex::Female, std::nullopt};
        if (age && *age >= 0 && *age < 150)
            who.ageYears = static_cast<int>(*age);
        return who;
    };
    // Add from USDA ranks the foods by the nutrients the program knows.
    usda.setRankNutrients(rankNutrients());
}

} // namespace tolvane
