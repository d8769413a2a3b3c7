#include "recipes/recipeprintout.h"

#include "menu/dayprintout.h"
#include "menu/menuprintout.h"
#include "shell/printout.h"
#include "recipes/recipes.h"
#include "shell/userinterface.h"
#include "storage/numbertext.h"

#include <array>
#include <cmath>
#include <optional>

namespace tolvane {

namespace {

// The printed columns, in their order on the page.
constexpr std::array<Nutrient, 6> Columns = {Nutrient::Calories, Nutrient::Carbohydrate, Nutrient::Protein,
                                             Nutrient::Fat,      Nutrient::Cholesterol,  Nutrient::Sodium};
using Sums = std::array<long double, 6>;
constexpr std::size_t CarbohydrateColumn = 1;
constexpr std::size_t ProteinColumn = 2;
constexpr std::size_t FatColumn = 3;

QString columnText(std::size_t column, long double value)
{
    const Nutrient n = Columns[column];
    return n == Nutrient::Calories || n == Nutrient::Cholesterol || n == Nutrient::Sodium ? formatFixed(value, 5, 0)
                                                                                         : formatFixed(value, 4, 1);
}

class RecipeLayout {
public:
    RecipeLayout(Canvas& canvas, const PageMetrics& page) : canvas_(canvas)
    {
        margin_ = page.sideMargin();
        unit_ = (page.width - 2 * margin_ - roundMeasure(1.5L * page.tenth())) / 10;
        // The top allowance only shortens the line height; rows start at 0.
        const int allowance = roundMeasure((page.height / 11) * 0.75L);
        line_ = (page.height - allowance) / 66;
    }

    int margin() const { return margin_; }
    int unit() const { return unit_; }

    void text(int x, int row, const QString& s) { canvas_.textOut(x, row * line_, s); }
    void rightText(int x, int row, const QString& s)
    {
        canvas_.setTextAlign(TextAlign::Right);
        canvas_.textOut(x, row * line_, s);
        canvas_.setTextAlign(TextAlign::Left);
    }
    // The label at 2m and the six values right-aligned at 5c to 10c.
    void valueRow(int row, const QString& label, const Sums& sums)
    {
        text(2 * margin_, row, label);
        for (std::size_t i = 0; i < Columns.size(); ++i)
            rightText(static_cast<int>(5 + i) * unit_, row, columnText(i, sums[i]));
    }

private:
    Canvas& canvas_;
    int margin_ = 0;
    int unit_ = 0;
    int line_ = 0;
};

} // namespace

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
    RecipeLayout layout(canvas, page);
    const int m = layout.margin();
    const int c = layout.unit();
    canvas.setTransparentText(true);
    canvas.setTextAlign(TextAlign::Left);
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(16);
    canvas.setFontStyle(Plain);
    canvas.setFontPitch(FontPitch::Default);
    layout.text(page.width / 2 - canvas.textWidth(title) / 2, 1, title);

    canvas.setFontSize(10);
    canvas.setFontStyle(Bold);
    layout.text(m, 5, QStringLiteral("Ingredients"));
    const std::pair<const char16_t*, long double> headings[] = {
        {u"Food Item", 2.5L}, {u"KCal", 4.5L},     {u"Carbo(g)", 5.5L}, {u"Prot(g)", 6.5L},
        {u"Fat(g)", 7.5L},    {u"Chol(mg)", 8.5L}, {u"Na(mg)", 9.5L}};
    for (const auto& [heading, at] : headings)
        layout.text(roundMeasure(at * c), 6, QString::fromUtf16(heading));

    canvas.setFontStyle(Plain);
    Sums sums{};
    const int n = recipes.count();
    for (int i = 0; i < n; ++i) {
        const FoodItem& item = recipes.ingredient(i);
        const long double servings = recipes.ingredientServings(i);
        const int row = 7 + i;
        layout.text(2 * m, row, dayEntryText(item.name(), servings));
        for (std::size_t col = 0; col < Columns.size(); ++col) {
            const long double product = item.nutrient(Columns[col]) * servings;
            layout.rightText(static_cast<int>(5 + col) * c, row, columnText(col, product));
            sums[col] += product;
        }
    }

    layout.valueRow(8 + n, QStringLiteral("Recipe Totals"), sums);
    // An unreadable servings count prints the totals again. A count of 0 has
    // no per-serving values: the row keeps its label and leaves the columns
    // empty rather than printing infinities.
    const long double s = parseLenient(recipes.recipeServingsText()).value_or(1.0L);
    if (s != 0 && std::isfinite(s)) {
        Sums perServing{};
        for (std::size_t col = 0; col < sums.size(); ++col)
            perServing[col] = sums[col] / s;
        layout.valueRow(9 + n, QStringLiteral("Recipe Totals per serving"), perServing);
    } else {
        layout.text(2 * m, 9 + n, QStringLiteral("Recipe Totals per serving"));
    }

    layout.text(2 * m, 10 + n, QStringLiteral("Recipe Percents"));
    const EnergyPercents p = energyPercents(sums[CarbohydrateColumn], sums[ProteinColumn], sums[FatColumn]);
    const QString percent = QStringLiteral("%");
    layout.rightText(6 * c, 10 + n, formatFixed(p.carbohydrate, 2, 1) + percent);
    layout.rightText(7 * c, 10 + n, formatFixed(p.protein, 2, 1) + percent);
    layout.rightText(8 * c, 10 + n, formatFixed(p.fat, 2, 1) + percent);

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

void printRecipe(UserInterface& ui, const QString& workDir, const Recipes& recipes, const QStringList& instructions)
{
    std::optional<QString> title = ui.askTitle(recipeTitlePrompt());
    if (!title)
        return;
    *title = title->left(TitleMaxLength);
    runPrintout(ui, workDir, PageOrientation::Portrait, *title, [&](Canvas& canvas, const PageMetrics& page) {
        drawRecipePage(canvas, page, recipes, *title, instructions);
    });
}

} // namespace tolvane
