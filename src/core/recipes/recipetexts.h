#pragma once
// The recipe's fixed texts: messages, file dialog settings and help contexts.

#include <QString>

namespace tolvane {

constexpr int RecipesHelpContext = 10;
// The drop messages of the ingredient list carry no help topic.
constexpr int NoHelpContext = 0;

inline const QString RecipeFileFilter = QStringLiteral("Recipes (*.rcp)");
inline const QString RecipeFileSuffix = QStringLiteral("rcp");

namespace recipemsg {
inline const QString SaveQuestion = QStringLiteral("Do you want to save the current recipe?");
inline const QString CannotCreate = QStringLiteral("Unable to create a recipe file.");
inline const QString CannotOpen = QStringLiteral("Unable to open the recipe file.");
inline const QString RecipeFull = QStringLiteral(
    "There are already 20 items for this food item, you must delete something to add this new item.");
inline const QString InvalidServings = QStringLiteral("The number of servings is invalid.");
inline const QString PersonalListShown = QStringLiteral(
    "You must be showing the Whole Food List in the Menu Planner to use this function. Go to that page and change "
    "the view and return here to add the menu item");
inline const QString TableFull = QStringLiteral("Fooditem table full.");
inline const QString InvalidRecipeServings = QStringLiteral("The recipe serving count is invalid.");
inline const QString SameName = QStringLiteral(
    "The new item has the same name as an existing item. Use modify to change the component values, or change the "
    "name of the item.");
// A write cut short (full disk): the old file is kept whole.
inline const QString WriteFailed =
    QStringLiteral("The recipe file could not be written completely. Any earlier file of that name is unchanged.");
// The file keeps its text in the Western European single-byte character set.
inline const QString InstructionsNotStorable = QStringLiteral(
    "The preparation instructions contain characters that cannot be stored in a recipe file. Use only letters, "
    "digits and punctuation of Western European languages.");

// A file chosen with "&Load Recipe" that is not a recipe or is damaged.
QString refusedFile(const QString& fileName, const QString& problem);
} // namespace recipemsg

} // namespace tolvane
