#pragma once
// The Recipes page: a copy of the food list and the recipe being edited.

#include "shell/pagewidget.h"

namespace tolvane {

class App;
class FoodListView;

class RecipesPage : public PageWidget {
    Q_OBJECT
public:
    explicit RecipesPage(App& app, QWidget* parent = nullptr);
    void refresh() override;
    FoodListView* foodList() const { return foodList_; }

private:
    App& app_;
    FoodListView* foodList_;
};

} // namespace tolvane
