#pragma once
// The Menu Planner page: the food list, the week of meals and their panels.

#include "menu/panellabels.h"
#include "shell/pagewidget.h"

class QLabel;
class QTabBar;

namespace tolvane {

class App;
class DayNotebook;
class FoodListView;
class MenuPlanner;
class ServingsEdit;
class TabListBox;
class TrashCan;
class UpDownButtons;

class MenuPlannerPage : public PageWidget {
    Q_OBJECT
public:
    explicit MenuPlannerPage(App& app, QWidget* parent = nullptr);
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

    App& app_;
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
