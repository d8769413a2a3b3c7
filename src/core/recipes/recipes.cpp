// The recipe's state and its editing on the Recipes page: drops on the
// ingredient list and the trash can, the ends of drags, the servings fields
// and the totals with their values panel.

#include "recipes/recipes.h"

#include "recipes/recipeprintout.h"
#include "recipes/recipepanel.h"
#include "recipes/recipetexts.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "storage/numbertext.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tolvane {

namespace {
const QString OneServing = QStringLiteral("1");
constexpr int IngredientLineLimit = 50;
constexpr int MinServingsStep = 1;
constexpr int MaxServingsStep = 100;
// Carbohydrate, protein and fat below this together are rounding residue.
constexpr long double ResidueLimit = 0.01L;

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
constexpr std::size_t at(Nutrient n) { return static_cast<std::size_t>(n); }

Message info(const QString& text, int helpContext)
{
    return Message::typed(text, Icon::Information, only(Button::Ok), helpContext);
}

// The up-down buttons count whole numbers from what the field holds.
QString steppedServings(const QString& text, int delta)
{
    const std::optional<long double> now = parseLenient(text);
    const long double base = now && std::isfinite(*now) ? std::trunc(*now) : MinServingsStep;
    const long double next = std::clamp<long double>(base + delta, MinServingsStep, MaxServingsStep);
    return QString::number(static_cast<int>(next));
}
} // namespace

QString ingredientLine(const QString& name, long double servings, bool cut)
{
    const QString line = QLatin1Char('(') + formatFixed(servings, 4, 1) + QLatin1String(")\t") + name;
    return cut ? line.left(IngredientLineLimit) : line;
}

Recipes::Recipes(Program& program, FoodList& foods) : program_(program), foods_(foods), panel_(initialRecipePanel())
{
    program_.setHandler(Command::AddRecipeToFoodItems, [this] { addToFoodItems(); });
    program_.setHandler(Command::LoadRecipe, [this] { load(); });
    program_.setHandler(Command::SaveRecipe, [this] { save(); });
    program_.setHandler(Command::ClearRecipe, [this] {
        beginChange();
        clear();
        recordChange(recipechange::Clear);
    });
    program_.setHandler(Command::ChangeIngredientServings, [this] { changeIngredientServings(); });
    program_.changes.addSettler([this] {
        if (!recordingOwn_)
            beginChange();
    });
    program_.setHandler(Command::PrintRecipe, [this] {
        printRecipe(program_.ui(), program_.preferences(), *this,
                    memoScreenLines ? memoScreenLines() : memoLines(instructions_));
    });
    program_.hooks.resetRecipe = [this] { reset(); };
    // The trash can is shared with the Menu Planner's: activation closes both.
    program_.hooks.clearDragState = [this, previous = std::move(program_.hooks.clearDragState)] {
        if (previous)
            previous();
        clearDragState();
    };
}

std::optional<RecipeFocus> Recipes::takeFocusRequest() { return std::exchange(focusRequest_, std::nullopt); }

void Recipes::setInstructions(const QString& text)
{
    qsizetype length = std::min<qsizetype>(text.size(), InstructionsCapacity);
    if (length < text.size() && length > 0 && text[length - 1] == QLatin1Char('\r') &&
        text[length] == QLatin1Char('\n'))
        --length;
    instructions_ = text.left(length);
}

void Recipes::setFoodServingsText(const QString& text)
{
    foodServings_ = text;
    servingsChanged();
}

void Recipes::setRecipeServingsText(const QString& text)
{
    recipeServings_ = text;
    servingsChanged();
}

// Both servings fields share the Menu Planner's change handler: it refreshes
// the food item panel there, and does not touch the recipe.
void Recipes::servingsChanged()
{
    if (!program_.closing() && program_.hooks.refreshFoodPanel)
        program_.hooks.refreshFoodPanel();
}

void Recipes::reset()
{
    totals_ = Nutrients{};
    panel_ = startRecipePanel(panel_);
    // What the user types first is taken back to this.
    kept_ = undoBytes();
}

void Recipes::totals(int index)
{
    addToTotals(index);
    refreshPanel();
}

void Recipes::addToTotals(int index)
{
    if (index < 0 || index >= count_)
        return;
    const Nutrients values = ingredient(index).nutrients();
    const long double servings = ingredientServings(index);
    for (std::size_t n = 0; n < totals_.size(); ++n)
        totals_[n] = roundToReal6(totals_[n] + servings * values[n]);
}

void Recipes::refreshPanel() { panel_ = recipePanel(totals_, fatTarget_); }

void Recipes::setFatTarget(int percent)
{
    fatTarget_ = percent;
    markFat(panel_, percent);
}

void Recipes::appendIngredient(const FoodItem& item, const Real6& servings, bool cutLine)
{
    ingredients_[at(count_)] = item;
    servings_[at(count_)] = servings;
    ++count_;
    lines_.append(ingredientLine(item.name(), real6ToLongDouble(servings), cutLine));
}

bool Recipes::ingredientListAccepts(const DragItem& item) const { return item.source == DragSource::RecipeFoodList; }

void Recipes::dropOnIngredientList(const DragItem& item)
{
    if (!ingredientListAccepts(item))
        return;
    UserInterface& ui = program_.ui();
    if (count_ >= RecipeCapacity) {
        ui.showMessage(info(recipemsg::RecipeFull, NoHelpContext));
        return;
    }
    // A number too large to store is as unusable as no number at all.
    const std::optional<long double> servings = parseLenient(foodServings_);
    Real6 stored{};
    if (!servings || !storeReal6(*servings, stored.data())) {
        requestFocus(RecipeFocus::FoodServings);
        ui.showMessage(info(recipemsg::InvalidServings, NoHelpContext));
        return;
    }
    const FoodTable& table = foods_.foodTable();
    if (item.row < 0 || item.row >= table.count())
        return;
    beginChange();
    appendIngredient(table.item(item.row), stored, true);
    setFoodServingsText(OneServing);
    totals(count_ - 1);
    recordChange(recipechange::add(table.item(item.row).name()));
}

void Recipes::addFoodRow(int row)
{
    if (row >= 0)
        dropOnIngredientList({DragSource::RecipeFoodList, row});
}

void Recipes::ingredientListClick(int row) { selection_ = row >= 0 && row < count_ ? row : -1; }

bool Recipes::trashDragOver(const DragItem& item)
{
    const bool accepted = item.source == DragSource::IngredientList;
    if (accepted && !trashOpen_)
        trashOpen_ = true;
    return accepted;
}

void Recipes::subtractFromTotals(int i)
{
    const Nutrients values = ingredient(i).nutrients();
    const long double servings = ingredientServings(i);
    for (std::size_t n = 0; n < totals_.size(); ++n)
        totals_[n] = roundToReal6(totals_[n] - servings * values[n]);
    long double& carbohydrate = totals_[at(Nutrient::Carbohydrate)];
    long double& protein = totals_[at(Nutrient::Protein)];
    long double& fat = totals_[at(Nutrient::Fat)];
    if (carbohydrate + protein + fat < ResidueLimit)
        carbohydrate = protein = fat = 0;
}

void Recipes::changeIngredientServings()
{
    const int i = selection_;
    if (i < 0 || i >= count_)
        return;
    const std::optional<long double> servings = parseLenient(foodServings_);
    Real6 stored{};
    if (!servings || !storeReal6(*servings, stored.data())) {
        requestFocus(RecipeFocus::FoodServings);
        program_.ui().showMessage(info(recipemsg::InvalidServings, NoHelpContext));
        return;
    }
    beginChange();
    subtractFromTotals(i);
    servings_[at(i)] = stored;
    addToTotals(i);
    refreshPanel();
    lines_[i] = ingredientLine(ingredients_[at(i)].name(), real6ToLongDouble(stored), true);
    recordChange(recipechange::changeServings(ingredients_[at(i)].name()));
}

void Recipes::dropOnTrash(const DragItem& item)
{
    if (item.source == DragSource::IngredientList && item.row >= 0 && item.row < count_) {
        const int i = item.row;
        beginChange();
        const QString name = ingredient(i).name();
        subtractFromTotals(i);
        refreshPanel();

        for (int k = i; k + 1 < count_; ++k) {
            ingredients_[at(k)] = ingredients_[at(k + 1)];
            servings_[at(k)] = servings_[at(k + 1)];
        }
        --count_;
        ingredients_[at(count_)] = FoodItem{};
        servings_[at(count_)] = Real6{};
        lines_.removeAt(i);
        selection_ = -1;
        recordChange(recipechange::remove(name));
    }
    trashOpen_ = false;
}

void Recipes::deleteSelectedIngredient()
{
    if (selection_ >= 0)
        dropOnTrash({DragSource::IngredientList, selection_});
}

void Recipes::endDrag(DragSource source)
{
    switch (source) {
    case DragSource::RecipeFoodList:
        setFoodServingsText(OneServing);
        requestFocus(RecipeFocus::FoodList);
        break;
    case DragSource::IngredientList:
        trashOpen_ = false;
        setFoodServingsText(OneServing);
        break;
    case DragSource::None:
    case DragSource::FoodList:
    case DragSource::MealList:
    case DragSource::TrashCan: break;
    }
}

void Recipes::foodListKeyPress(QChar key)
{
    int delta = 0;
    if (key == QLatin1Char('+'))
        delta = 1;
    else if (key == QLatin1Char('-'))
        delta = -1;
    else
        return;
    // The field is not checked here: an unreadable text counts as 0.
    const long double now = parseLenient(foodServings_).value_or(0);
    setFoodServingsText(formatFixed(now + delta, 4, 0));
}

void Recipes::stepFoodServings(int delta) { setFoodServingsText(steppedServings(foodServings_, delta)); }

void Recipes::stepRecipeServings(int delta) { setRecipeServingsText(steppedServings(recipeServings_, delta)); }

} // namespace tolvane
