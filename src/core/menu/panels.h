#pragma once
// What the Food Item panel, the Menu Values panel and the RDA page's "Your
// Menu" side show, computed from the week and the selected food item.

#include "food/fooditem.h"
#include "menu/caloriesplit.h"
#include "menu/meal.h"

#include <QString>
#include <array>

namespace tolvane {

enum TotalsViewIndex { MealTotalsView = 0, DayTotalsView, WeekTotalsView, AverageDayTotalsView, TotalsViewCount };

inline const QStringList TotalsViewNames = {QStringLiteral("Meal"), QStringLiteral("Day"), QStringLiteral("Week"),
                                            QStringLiteral("Avg. Day")};

// The sums of one meal, its day and the whole week; every addition is stored
// back as a 6-byte real, as the sums are kept.
struct MenuSums {
    Nutrients meal{};
    Nutrients day{};
    Nutrients week{};
};

MenuSums sumMenu(const Week& week, int day, int meal);

// The sums a totals view shows: the meal, the day, the week, or the week
// divided by seven.
Nutrients shownSums(const MenuSums& sums, int view);

// The day's calories as a whole number (halves to the even neighbour).
QString menuCaloriesText(const MenuSums& sums);

// The labels of a value panel.
struct PanelTexts {
    std::array<QString, NutrientCount> values;
    QString carbohydratePercent;
    QString proteinPercent;
    QString fatPercent;
    bool fatRed = false;
    Shares shares;  // the pie
};

// The Food Item panel before anything is selected: the texts it was laid out with.
PanelTexts initialFoodPanel();
// The Menu Values panel as laid out, before the first totals.
PanelTexts initialMenuPanel();

// The Food Item panel for a food item and the servings text (read leniently;
// empty or unreadable text counts as 0 servings). No item: empty values, "0%".
// The fat percentage is marked above `fatTargetPercent`.
PanelTexts foodPanel(const FoodItem* item, const QString& servingsText, int fatTargetPercent);

// The Menu Values panel for the shown sums. Sums without energy: "0%", empty
// values and an empty pie.
PanelTexts menuPanel(const Nutrients& shown, int fatTargetPercent);

// Marks a panel's fat percentage again for another fat target; nothing else
// of the panel changes.
void markFat(PanelTexts& panel, int fatTargetPercent);

} // namespace tolvane
