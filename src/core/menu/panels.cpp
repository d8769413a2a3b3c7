#include "menu/panels.h"

#include "storage/numbertext.h"
#include "storage/real6.h"

namespace tolvane {

namespace {
constexpr std::size_t at(Nutrient n) { return static_cast<std::size_t>(n); }

void addInto(Nutrients& sums, const Nutrients& values, long double servings)
{
    for (std::size_t n = 0; n < sums.size(); ++n)
        sums[n] = roundToReal6(sums[n] + servings * values[n]);
}

void setSplit(PanelTexts& panel, const CalorieSplit& split)
{
    panel.shares = split.shares;
    panel.carbohydratePercent = split.carbohydrateText;
    panel.proteinPercent = split.proteinText;
    panel.fatPercent = split.fatText;
    panel.fatRed = split.fatRed;
}

PanelTexts emptyPanel()
{
    PanelTexts panel;
    panel.carbohydratePercent = panel.proteinPercent = panel.fatPercent = QStringLiteral("0%");
    return panel;
}
} // namespace

MenuSums sumMenu(const Week& week, int day, int meal)
{
    MenuSums sums;
    for (int d = 0; d < DaysPerWeek; ++d) {
        for (int m = 0; m < MealsPerDay; ++m) {
            const Meal& current = week[static_cast<std::size_t>(weekIndex(d, m))];
            for (int i = 0; i < current.count(); ++i) {
                const Nutrients values = current.item(i).nutrients();
                const long double servings = current.servings(i);
                addInto(sums.week, values, servings);
                if (d == day)
                    addInto(sums.day, values, servings);
                if (d == day && m == meal)
                    addInto(sums.meal, values, servings);
            }
        }
    }
    return sums;
}

Nutrients shownSums(const MenuSums& sums, int view)
{
    switch (view) {
    case MealTotalsView: return sums.meal;
    case DayTotalsView: return sums.day;
    case AverageDayTotalsView: {
        Nutrients average{};
        for (std::size_t n = 0; n < average.size(); ++n)
            average[n] = roundToReal6(sums.week[n] * (1.0L / 7.0L));
        return average;
    }
    default: return sums.week;
    }
}

QString menuCaloriesText(const MenuSums& sums)
{
    return QString::number(roundHalfEven(sums.day[at(Nutrient::Calories)]));
}

PanelTexts initialFoodPanel()
{
    PanelTexts panel;
    panel.values.fill(QStringLiteral("0"));
    panel.carbohydratePercent = panel.proteinPercent = panel.fatPercent = QStringLiteral("00%");
    return panel;
}

PanelTexts initialMenuPanel()
{
    PanelTexts panel = initialFoodPanel();
    panel.values[at(Nutrient::Fat)] = panel.values[at(Nutrient::Sodium)] = panel.values[at(Nutrient::Cholesterol)] =
        QStringLiteral("XXX");
    return panel;
}

PanelTexts foodPanel(const FoodItem* item, const QString& servingsText, int fatTargetPercent)
{
    if (!item)
        return emptyPanel();
    const long double servings = parseLenient(servingsText).value_or(0.0L);
    const Nutrients values = item->nutrients();
    PanelTexts panel;
    setSplit(panel, calorieSplit(values[at(Nutrient::Carbohydrate)], values[at(Nutrient::Protein)],
                                 values[at(Nutrient::Fat)], fatTargetPercent));
    Nutrients scaled{};
    for (std::size_t n = 0; n < values.size(); ++n)
        scaled[n] = values[n] * servings;
    panel.values = valueTexts(scaled);
    return panel;
}

PanelTexts menuPanel(const Nutrients& shown, int fatTargetPercent)
{
    const long double carbohydrate = shown[at(Nutrient::Carbohydrate)];
    const long double protein = shown[at(Nutrient::Protein)];
    const long double fat = shown[at(Nutrient::Fat)];
    if (energyBase(carbohydrate, protein, fat) == 0)
        return emptyPanel();
    PanelTexts panel;
    setSplit(panel, calorieSplit(carbohydrate, protein, fat, fatTargetPercent));
    panel.values = valueTexts(shown);
    return panel;
}

// Every panel's mark follows its pie's fat share (an empty or initial panel
// has none), so it can be set again from the shares alone.
void markFat(PanelTexts& panel, int fatTargetPercent)
{
    panel.fatRed = fatShareIsHigh(panel.shares.fat, fatTargetPercent);
}

} // namespace tolvane
