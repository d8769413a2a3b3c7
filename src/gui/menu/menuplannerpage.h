#pragma once
// The Menu Planner page: the food list, the week of meals and their panels.

#include "shell/pagewidget.h"

namespace tolvane {

class App;
class FoodListView;

class MenuPlannerPage : public PageWidget {
    Q_OBJECT
public:
    explicit MenuPlannerPage(App& app, QWidget* parent = nullptr);
    void refresh() override;
    FoodListView* foodList() const { return foodList_; }

private:
    App& app_;
    FoodListView* foodList_;
};

} // namespace tolvane
