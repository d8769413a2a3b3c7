#pragma once
// The RDA page: the recommended split of calories (60% carbohydrate, 10%
// protein, 30% fat) beside the split of the menu's meal, day or week.

#include "shell/pagewidget.h"

class QButtonGroup;
class QLabel;

namespace tolvane {

class FoodList;
class MenuPlanner;
class PieWidget;

class RdaPage : public PageWidget {
    Q_OBJECT
public:
    RdaPage(const FoodList& foods, MenuPlanner& planner, QWidget* parent = nullptr);
    void refresh() override;

    PieWidget* recommendedPie() const { return recommendedPie_; }
    PieWidget* menuPie() const { return menuPie_; }
    QButtonGroup* comparison() const { return comparison_; }
    QLabel* yourCarbohydrate() const { return yourCarbo_; }
    QLabel* yourProtein() const { return yourProtein_; }
    QLabel* yourFat() const { return yourFat_; }
    QLabel* mealLabel() const { return meal_; }
    QLabel* dayLabel() const { return day_; }

private:
    MenuPlanner& planner_;
    PieWidget* recommendedPie_;
    PieWidget* menuPie_;
    QButtonGroup* comparison_;
    QLabel* yourCarbo_;
    QLabel* yourProtein_;
    QLabel* yourFat_;
    QLabel* meal_;
    QLabel* day_;
};

} // namespace tolvane
