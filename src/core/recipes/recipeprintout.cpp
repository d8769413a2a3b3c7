#include "recipes/recipeprintout.h"

#include "menu/dayprintout.h"
#include "menu/valuepage.h"
#include "shell/printout.h"
#include "recipes/recipes.h"
#include "shell/userinterface.h"
#include "storage/numbertext.h"

#include <cmath>
#include <optional>

namespace tolvane {

TitlePrompt recipeTitlePrompt()
{
    return {QStringLiteral("Enter recipe title:"), QStringLiteral("Enter Recipe Title"), QString()};
}

QStringList memoLines(const QString& text)
{
    const QString separator = QStringLiteral("\r\n");
    QStringList lines = text.split(separator);
    if (text.isEmpty() || text.endsWith(separator))
        lines.removeLast();
    return lines;
}

void drawRecipePage(Canvas& canvas, const PageMetrics& page, const Recipes& recipes, const QString& title,
                    const QStringList& instructions)
{
    ValuePage layout(canvas, page);
    const int m = layout.margin();
    layout.titleAndHeadings(title, QStringLiteral("Ingredients"), 5);

    canvas.setFontStyle(Plain);
    ValueSums sums{};
    const int n = recipes.count();
    for (int i = 0; i < n; ++i) {
        const FoodItem& item = recipes.ingredient(i);
        const long double servings = recipes.ingredientServings(i);
        const int row = 7 + i;
        layout.text(2 * m, row, dayEntryText(item.name(), servings));
        const ValueSums products = ValuePage::contribution(item, servings);
        layout.values(row, products);
        for (std::size_t col = 0; col < sums.size(); ++col)
            sums[col] += products[col];
    }

    layout.text(2 * m, 8 + n, QStringLiteral("Recipe Totals"));
    layout.values(8 + n, sums);
    // An unreadable servings count prints the totals again. A count of 0 has
    // no per-serving values: the row keeps its label and leaves the columns
    // empty rather than printing infinities.
    const long double s = parseLenient(recipes.recipeServingsText()).value_or(1.0L);
    if (s != 0 && std::isfinite(s)) {
        ValueSums perServing{};
        for (std::size_t col = 0; col < sums.size(); ++col)
            perServing[col] = sums[col] / s;
        layout.text(2 * m, 9 + n, QStringLiteral("Recipe Totals per serving"));
        layout.values(9 + n, perServing);
    } else {
        layout.text(2 * m, 9 + n, QStringLiteral("Recipe Totals per serving"));
    }

    layout.percents(10 + n, QStringLiteral("Recipe Percents"), sums);

    canvas.setFontStyle(Bold);
    layout.text(m, 12 + n, QStringLiteral("Recipe Directions"));
    canvas.setFontStyle(Plain);

    int row = 14 + n;
    for (const QString& line : instructions) {
        layout.text(2 * m, row, line);
        ++row;
        if (row > RecipeLastRow) {
            canvas.newPage();
            row = RecipeContinuationRow;
        }
    }
}

void printRecipe(UserInterface& ui, Preferences& preferences, const Recipes& recipes, const QStringList& instructions)
{
    std::optional<QString> title = ui.askTitle(recipeTitlePrompt());
    if (!title)
        return;
    *title = title->left(TitleMaxLength);
    runPrintout(ui, preferences, PageOrientation::Portrait, *title, [&](Canvas& canvas, const PageMetrics& page) {
        drawRecipePage(canvas, page, recipes, *title, instructions);
    });
}

} // namespace tolvane
