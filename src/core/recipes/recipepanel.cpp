#include "recipes/recipepanel.h"

#include "storage/numbertext.h"

namespace tolvane {

namespace {
constexpr int TextLimit = 10;

QString recipePercentText(long double share)
{
    return formatFixed(share * 100, 2, 0).left(TextLimit) + QLatin1Char('%');
}
} // namespace

PanelTexts initialRecipePanel()
{
    PanelTexts panel;
    panel.values.fill(QStringLiteral("0"));
    panel.carbohydratePercent = panel.proteinPercent = panel.fatPercent = QStringLiteral("00%");
    return panel;
}

PanelTexts startRecipePanel(const PanelTexts& shown)
{
    PanelTexts panel = shown;
    panel.shares = Shares{};
    panel.carbohydratePercent = panel.proteinPercent = panel.fatPercent = QStringLiteral("0%");
    panel.fatRed = false;
    return panel;
}

QString recipeValueText(long double value) { return formatFixed(value, 2, 0).left(TextLimit); }

PanelTexts recipePanel(const Nutrients& totals, int fatTargetPercent)
{
    PanelTexts panel;
    for (std::size_t n = 0; n < totals.size(); ++n)
        panel.values[n] = recipeValueText(totals[n]);
    const auto value = [&totals](Nutrient n) { return totals[static_cast<std::size_t>(n)]; };
    const CalorieSplit split =
        calorieSplit(value(Nutrient::Carbohydrate), value(Nutrient::Protein), value(Nutrient::Fat), fatTargetPercent);
    panel.shares = split.shares;
    panel.carbohydratePercent = recipePercentText(split.shares.carbohydrate);
    panel.proteinPercent = recipePercentText(split.shares.protein);
    panel.fatPercent = recipePercentText(split.shares.fat);
    panel.fatRed = split.fatRed;
    return panel;
}

} // namespace tolvane
