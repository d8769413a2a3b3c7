#pragma once
// The recipe being edited on the Recipes page: up to 20 ingredients (each a
// copy of a whole food item record with its servings), the running totals and
// the values panel that shows them, the preparation instructions, the two
// servings fields, and the "&Recipe" menu: save, load, clear and the
// conversion into a new food item. The page shows this state and forwards its
// events here.

#include "food/dragitem.h"
#include "menu/panels.h"
#include "recipes/recipefile.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tolvane {

// The recipe's changes as "U&ndo" and "Re&do" name them.
namespace recipechange {
inline QString add(const QString& name) { return QStringLiteral("Add %1 to Recipe").arg(name); }
inline QString remove(const QString& name) { return QStringLiteral("Remove %1 from Recipe").arg(name); }
inline QString changeServings(const QString& name) { return QStringLiteral("Change Servings of %1 in Recipe").arg(name); }
inline const QString Load = QStringLiteral("Load Recipe");
inline const QString Clear = QStringLiteral("Clear Recipe");
inline const QString Edit = QStringLiteral("Edit Recipe");
} // namespace recipechange

class FoodList;
class Program;

// A control of the Recipes page that should take the keyboard focus.
enum class RecipeFocus { FoodList, FoodServings, RecipeServings };

class Recipes {
public:
    // Registers the four "&Recipe" commands and the start-up reset.
    Recipes(Program& program, FoodList& foods);
    Recipes(const Recipes&) = delete;
    Recipes& operator=(const Recipes&) = delete;

    // --- The recipe.
    int count() const { return count_; }
    const FoodItem& ingredient(int i) const { return ingredients_.at(static_cast<std::size_t>(i)); }
    long double ingredientServings(int i) const { return real6ToLongDouble(servings_.at(static_cast<std::size_t>(i))); }
    // Servings times values summed over the ingredients, each sum a stored real.
    const Nutrients& recipeTotals() const { return totals_; }
    // The carbohydrate, protein and fat shares of the last panel refresh.
    const Shares& recipeShares() const { return panel_.shares; }
    // The instructions as the memo holds them: lines separated by CR LF.
    const QString& instructions() const { return instructions_; }
    // Keeps at most 2000 characters, never half of a CR LF.
    void setInstructions(const QString& text);
    // The instruction lines as the page's memo shows them, long paragraphs
    // broken where the memo wraps them; the printout prints these. Unset
    // (no window): one line per stored line.
    std::function<QStringList()> memoScreenLines;

    // --- What the page shows.
    const QStringList& ingredientLines() const { return lines_; }
    int ingredientSelection() const { return selection_; }
    const PanelTexts& panel() const { return panel_; }
    // "Food Item Servings": the servings of the next ingredient.
    const QString& foodServingsText() const { return foodServings_; }
    void setFoodServingsText(const QString& text);
    // "# Servings": how many servings the recipe makes.
    const QString& recipeServingsText() const { return recipeServings_; }
    void setRecipeServingsText(const QString& text);
    bool trashOpen() const { return trashOpen_; }
    // The control that should take the focus now, once.
    std::optional<RecipeFocus> takeFocusRequest();

    // --- Editing.
    // Adds ingredient `index` into the totals (index below the count), then
    // refreshes the panel; any other index only refreshes.
    void totals(int index);
    bool ingredientListAccepts(const DragItem& item) const;
    // A row of the page's food list (row = table slot) dropped on the ingredient list.
    void dropOnIngredientList(const DragItem& item);
    // Enter on a row of the page's food list: that food item becomes an
    // ingredient exactly as when its row is dropped (-1, no row: nothing).
    void addFoodRow(int row);
    void ingredientListClick(int row);
    // A drag passes over the trash can; true when the can takes the drop.
    bool trashDragOver(const DragItem& item);
    void dropOnTrash(const DragItem& item);
    // The Delete key in the ingredient list: the selected ingredient goes,
    // exactly as when it is dropped on the trash can.
    void deleteSelectedIngredient();
    // "Change &Servings" and Enter in "Food Item Servings": the selected
    // ingredient takes those servings, read as a drop reads them.
    void changeIngredientServings();
    // A drag that began at `source` ended, dropped or not.
    void endDrag(DragSource source);
    // A key typed in the page's food list: "+" and "-" change the servings.
    void foodListKeyPress(QChar key);
    // The up-down buttons of the two servings fields (whole numbers 1 to 100).
    void stepFoodServings(int delta);
    void stepRecipeServings(int delta);
    // Activation of the main window: the trash can is closed.
    void clearDragState() { trashOpen_ = false; }

    // --- "&Recipe" menu.
    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome save();
    void load();
    void clear();
    void addToFoodItems();
    // Start-up: totals zero, an empty pie, "0%" percentages.
    void reset();
    // The fat percentage is marked above this share of the calories (the
    // user's target split); the panel is marked again at once.
    void setFatTarget(int percent);

    // The file image of the recipe as "&Save Recipe" writes it; empty when
    // the instructions cannot be stored.
    std::optional<RecipeImage> image() const;
    // Replaces the recipe by a file's (whose image was checked), summing its
    // ingredients anew.
    void apply(const RecipeImage& image);

private:
    void loadFile();
    void subtractFromTotals(int index);
    // Undo and redo keep the recipe as the page shows it.
    QByteArray undoBytes() const;
    void restoreBytes(const QByteArray& bytes);
    // Edits not kept as changes (typed texts) become one now.
    void beginChange();
    void recordChange(const QString& text);
    void appendIngredient(const FoodItem& item, const Real6& servings, bool cutLine);
    void addToTotals(int index);
    void refreshPanel();
    void servingsChanged();
    void requestFocus(RecipeFocus target) { focusRequest_ = target; }

    Program& program_;
    FoodList& foods_;
    std::array<FoodItem, RecipeCapacity> ingredients_{};
    std::array<Real6, RecipeCapacity> servings_{};
    int count_ = 0;
    Nutrients totals_{};
    PanelTexts panel_;
    int fatTarget_ = RecommendedFatPercent;
    QStringList lines_;
    int selection_ = -1;
    QString instructions_;
    QString foodServings_ = QStringLiteral("1");
    QString recipeServings_ = QStringLiteral("1");
    bool trashOpen_ = false;
    std::optional<RecipeFocus> focusRequest_;
    QByteArray kept_;  // the recipe as the last kept change left it
    bool recordingOwn_ = false;  // while one of the recipe's own changes is being kept
};

// The ingredient list's line: "(", the servings with one decimal in at least
// 4 characters, ")", a TAB, the name; cut to 50 characters when `cut`.
QString ingredientLine(const QString& name, long double servings, bool cut);

} // namespace tolvane
