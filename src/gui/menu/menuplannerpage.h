#pragma once
// The Menu Planner page: the food list, the week of meals and their panels.

#include "menu/panellabels.h"
#include "shell/pagewidget.h"

class QLabel;
class QTabBar;

namespace tolvane {

class FoodList;
class DayNotebook;
class FoodListView;
class MenuPlanner;
class Program;
class ServingsEdit;
class TabListBox;
class TrashCan;
class UpDownButtons;

class MenuPlannerPage : public PageWidget {
    Q_OBJECT
public:
    MenuPlannerPage(Program& program, FoodList& foods, MenuPlanner& planner, QWidget* parent = nullptr);
    void refresh() override;

    FoodListView* foodList() const { return foodList_; }
    DayNotebook* dayNotebook() const { return days_; }
    QTabBar* mealTabs() const { return mealTabs_; }
    QTabBar* totalsTabs() const { return totalsTabs_; }
    TabListBox* mealList() const { return mealList_; }
    TrashCan* trashCan() const { return trash_; }
    ServingsEdit* servings() const { return servings_; }
    UpDownButtons* servingsUpDown() const { return upDown_; }
    const PanelLabels& foodPanel() const { return foodPanel_; }
    const PanelLabels& menuPanel() const { return menuPanel_; }

private:
    void buildWeek();
    void buildFoodItemBox();
    void buildMenuValuesBox();
    void connectDrags();
    // Runs a user's event on the planner, then lets the window show the result.
    template <typename Event>
    void forward(Event&& event)
    {
        event();
        emit stateChanged();
    }

    FoodList& foods_;
    MenuPlanner& planner_;
    FoodListView* foodList_;
    DayNotebook* days_ = nullptr;
    QTabBar* mealTabs_ = nullptr;
    QTabBar* totalsTabs_ = nullptr;
    TabListBox* mealList_ = nullptr;
    TrashCan* trash_ = nullptr;
    ServingsEdit* servings_ = nullptr;
    UpDownButtons* upDown_ = nullptr;
    PanelLabels foodPanel_;
    PanelLabels menuPanel_;
};

} // namespace tolvane
