#pragma once
// The "Recipe" group's values panel: the totals of the whole recipe without
// decimals, and the calorie split of its carbohydrate, protein and fat as
// percentages and as the recipe pie.

#include "menu/panels.h"

namespace tolvane {

// The panel as laid out: values "0", percentages "00%", an empty pie.
PanelTexts initialRecipePanel();

// The panel after start-up: the percentages read "0%"; the values keep their text.
PanelTexts startRecipePanel(const PanelTexts& shown);

// The panel for the recipe's totals, fat marked above `fatTargetPercent`.
PanelTexts recipePanel(const Nutrients& totals, int fatTargetPercent);

// A recipe value: no decimals, at least two characters, at most ten.
QString recipeValueText(long double value);

} // namespace tolvane
