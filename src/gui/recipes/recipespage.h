#pragma once
// The Recipes page: a copy of the food list (the whole table), the ingredient
// list with the servings to add and the trash can, the preparation
// instructions, and the "Recipe" group with the totals, percentages and pie.

#include "menu/panellabels.h"
#include "shell/pagewidget.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace tolvane {

class FoodList;
class FoodListView;
class Program;
class Recipes;
class ServingsEdit;
class TabListBox;
class TrashCan;
class UpDownButtons;

class RecipesPage : public PageWidget {
    Q_OBJECT
public:
    RecipesPage(Program& program, FoodList& foods, Recipes& recipes, QWidget* parent = nullptr);
    void refresh() override;

    FoodListView* foodList() const { return foodList_; }
    TabListBox* ingredientList() const { return ingredients_; }
    ServingsEdit* foodServings() const { return foodServings_; }
    UpDownButtons* foodServingsUpDown() const { return foodUpDown_; }
    TrashCan* trashCan() const { return trash_; }
    QPlainTextEdit* instructions() const { return instructions_; }
    QGroupBox* recipeBox() const { return box_; }
    ServingsEdit* recipeServings() const { return recipeServings_; }
    UpDownButtons* recipeServingsUpDown() const { return recipeUpDown_; }
    const PanelLabels& panel() const { return panel_; }

private:
    void buildIngredients();
    void buildRecipeBox();
    void connectDrags();
    void instructionsEdited();
    template <typename Event>
    void forward(Event&& event)
    {
        event();
        emit stateChanged();
    }

    FoodList& foods_;
    Recipes& recipes_;
    FoodListView* foodList_;
    TabListBox* ingredients_ = nullptr;
    ServingsEdit* foodServings_ = nullptr;
    UpDownButtons* foodUpDown_ = nullptr;
    TrashCan* trash_ = nullptr;
    QPlainTextEdit* instructions_ = nullptr;
    QGroupBox* box_ = nullptr;
    ServingsEdit* recipeServings_ = nullptr;
    UpDownButtons* recipeUpDown_ = nullptr;
    PanelLabels panel_;
    bool showing_ = false;  // the page is showing the recipe's state, not the user's typing
};

} // namespace tolvane
