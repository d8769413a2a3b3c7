#pragma once
// The RDA page: the recommended split of calories (60% carbohydrate, 10%
// protein, 30% fat), or the user's own target split, beside the split of the
// menu's meal, day or week.

#include "menu/targetsplit.h"
#include "shell/pagewidget.h"

#include <array>

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

    // The left side: the recommended split or the user's target.
    PieWidget* recommendedPie() const { return recommendedPie_; }
    QLabel* referenceTitle() const { return referenceTitle_; }
    QLabel* referencePercent(int nutrient) const { return referencePercents_.at(static_cast<std::size_t>(nutrient)); }
    PieWidget* menuPie() const { return menuPie_; }
    QButtonGroup* comparison() const { return comparison_; }
    QLabel* yourCarbohydrate() const { return yourCarbo_; }
    QLabel* yourProtein() const { return yourProtein_; }
    QLabel* yourFat() const { return yourFat_; }
    QLabel* mealLabel() const { return meal_; }
    QLabel* dayLabel() const { return day_; }

private:
    void showReference(const TargetSplit& target);

    MenuPlanner& planner_;
    QLabel* referenceTitle_;
    std::array<QLabel*, 3> referencePercents_{};
    TargetSplit shownTarget_;
    PieWidget* recommendedPie_;
    PieWidget* menuPie_;
    QButtonGroup* comparison_;
    bool showing_ = false;  // refresh() checks the program's choice
    QLabel* yourCarbo_;
    QLabel* yourProtein_;
    QLabel* yourFat_;
    QLabel* meal_;
    QLabel* day_;
};

} // namespace tolvane
