#include "app/app.h"

#include "nutrients/nutrientranking.h"

namespace tolvane {

App::App(AppUserInterface& ui, SettingsStore& settings, const QString& workDir)
    : program(ui, settings, workDir),
      foods(program, ui),
      food(program, foods),
      usda(program, food.editing, ui),
      menu(program, foods),
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
    // Add from USDA ranks the foods by the nutrients the program knows.
    usda.setRankNutrients(rankNutrients());
}

} // namespace tolvane
