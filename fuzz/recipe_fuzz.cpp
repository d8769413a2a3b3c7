// A recipe file (.rcp) loaded with "&Load Recipe"; a recipe that loads is
// saved with "&Save Recipe", loaded again and must come back the same.

#include "fuzzapp.h"

#include "recipes/recipefile.h"

using namespace tolvane;

namespace {
void load(fuzz::FuzzApp& f, const QString& name)
{
    f.ui.answers = {Button::No};  // no save of the recipe shown before
    f.choose(name);
    f.app.program.execute(Command::LoadRecipe);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    Recipes& recipes = f.app.recipes;
    recipes.clear();
    const QString chosen = QStringLiteral("chosen.rcp");
    f.write(chosen, fuzz::input(data, size));
    load(f, chosen);

    const std::optional<RecipeImage> first = recipes.image();
    if (!first)
        return 0;  // instructions that the file's character set cannot hold: the user is told
    const QString copy = QStringLiteral("copy.rcp");
    f.choose(copy);
    f.app.program.execute(Command::SaveRecipe);
    recipes.clear();
    load(f, copy);
    const std::optional<RecipeImage> second = recipes.image();
    if (!second || writeRecipeImage(*second) != writeRecipeImage(*first))
        fuzz::roundTripFailed("recipe");
    f.forget();
    return 0;
}
