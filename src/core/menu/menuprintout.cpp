#include "menu/menuprintout.h"

#include "menu/caloriesplit.h"
#include "shell/program.h"
#include "storage/numbertext.h"
#include "storage/real6.h"

namespace tolvane {

namespace {

const QString Arial = QStringLiteral("Arial");

// Where the grid of one surface puts each day's texts.
struct MenuGrid {
    // Left edge of meal m's texts; top of day d's first entry; entry spacing.
    std::function<int(int)> entryX;
    std::function<int(int)> entryTop;
    int entrySpacing = 0;
    int nameOffset = 0;      // from the servings text to the name
    int mealLineOffset = 0;  // from the first entry's top to the meal line
    int dayLineOffset = 0;   // from the first entry's top to the day line
};

void drawTitle(Canvas& canvas, int centre, int y, const QString& title)
{
    canvas.setFontName(Arial);
    canvas.setFontSize(16);
    canvas.setFontStyle(Plain);
    canvas.setFontPitch(FontPitch::Default);
    canvas.textOut(centre - canvas.textWidth(title) / 2, y, title);
}

void line(Canvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

// Each day's name written downwards, one character a line.
void drawDayNames(Canvas& canvas, int x, const std::function<int(int day, int k)>& charTop)
{
    canvas.setFontName(QStringLiteral("system"));
    canvas.setFontPitch(FontPitch::Fixed);
    canvas.setFontSize(10);
    for (int day = 0; day < DaysPerWeek; ++day) {
        const QString& name = DayNames.at(day);
        for (int k = 1; k <= name.size(); ++k)
            canvas.textOut(x, charTop(day, k), name.mid(k - 1, 1));
    }
}

void drawEntries(Canvas& canvas, const Week& week, const MenuGrid& grid)
{
    canvas.setFontName(QStringLiteral("arial"));
    canvas.setFontSize(7);
    canvas.setFontStyle(Bold);
    canvas.setFontPitch(FontPitch::Default);
    for (int day = 0; day < DaysPerWeek; ++day) {
        EnergySums daySums;
        const int top = grid.entryTop(day);
        for (int m = 0; m < MealsPerDay; ++m) {
            const Meal& meal = week[static_cast<std::size_t>(weekIndex(day, m))];
            const int x = grid.entryX(m);
            for (int e = 0; e < meal.count(); ++e) {
                const int y = top + e * grid.entrySpacing;
                canvas.textOut(x, y, menuServingsText(meal.servings(e)));
                canvas.textOut(x + grid.nameOffset, y, meal.item(e).name());
            }
            const EnergySums sums = mealEnergySums(meal);
            canvas.textOut(x, top + grid.mealLineOffset, mealCaloriesLine(sums));
            daySums.add(sums);
        }
        canvas.textOut(grid.entryX(3), top + grid.dayLineOffset, dayCaloriesLine(daySums));
    }
}

QString energyLine(const QString& label, int calorieWidth, const EnergySums& sums)
{
    const EnergyPercents p = energyPercents(sums.carbohydrate, sums.protein, sums.fat);
    return label + formatFixed(sums.calories, calorieWidth, 0) + QStringLiteral("    c ") +
           formatFixed(p.carbohydrate, 2, 0) + QStringLiteral("  p ") + formatFixed(p.protein, 2, 0) +
           QStringLiteral("  f ") + formatFixed(p.fat, 2, 0);
}

} // namespace

TitlePrompt menuTitlePrompt()
{
    return {QStringLiteral("Enter menu title:"), QStringLiteral("Menu Title"), QStringLiteral("Weekly Menu")};
}

void EnergySums::add(const EnergySums& other)
{
    calories = roundToReal6(calories + other.calories);
    carbohydrate = roundToReal6(carbohydrate + other.carbohydrate);
    protein = roundToReal6(protein + other.protein);
    fat = roundToReal6(fat + other.fat);
}

EnergySums mealEnergySums(const Meal& meal)
{
    EnergySums sums;
    for (int e = 0; e < meal.count(); ++e) {
        const long double servings = meal.servings(e);
        const FoodItem& item = meal.item(e);
        sums.add({servings * item.nutrient(Nutrient::Calories), servings * item.nutrient(Nutrient::Carbohydrate),
                  servings * item.nutrient(Nutrient::Protein), servings * item.nutrient(Nutrient::Fat)});
    }
    return sums;
}

EnergyPercents energyPercents(long double carbohydrate, long double protein, long double fat)
{
    long double base = energyBase(carbohydrate, protein, fat);
    if (base == 0)
        base = 1;
    return {carbohydrate * 400 / base, protein * 400 / base, fat * 900 / base};
}

QString menuServingsText(long double servings)
{
    return (QStringLiteral("(") + formatFixed(servings, 4, 1) + QStringLiteral(") ")).left(10);
}

QString mealCaloriesLine(const EnergySums& sums) { return energyLine(QStringLiteral("Meal Calories: "), 4, sums); }

QString dayCaloriesLine(const EnergySums& sums) { return energyLine(QStringLiteral("Day Calories: "), 5, sums); }

void drawMenuPreview(Canvas& canvas, const Week& week, const QString& title)
{
    constexpr int Column = 193;
    constexpr int Band = 161;
    canvas.setBrushColor(colors::White);
    canvas.fillRect(0, 0, PreviewWidth, PreviewHeight);
    canvas.setTransparentText(true);
    canvas.setTextAlign(TextAlign::Left);
    canvas.setPenColor(colors::Black);
    canvas.setPenWidth(1);
    drawTitle(canvas, 400, 10, title);

    line(canvas, 10, 40, 790, 40);
    line(canvas, 10, 60, 790, 60);
    canvas.setFontSize(10);
    canvas.setFontStyle(Bold);
    const int mealCentres[] = {121, 314, 507, 700};
    for (int m = 0; m < MealsPerDay; ++m)
        canvas.textOut(mealCentres[m] - canvas.textWidth(MealNames.at(m)) / 2, 41, MealNames.at(m));
    for (int x : {25, 10, 790})
        line(canvas, x, 40, x, 1190);
    line(canvas, 10, 1190, 790, 1190);
    for (int x : {218, 411, 604})
        line(canvas, x, 40, x, 1190);
    for (int i = 1; i <= 6; ++i)
        line(canvas, 10, Band * i + 60, 790, Band * i + 60);

    drawDayNames(canvas, 12, [](int day, int k) { return Band * day + 63 + 12 * k; });
    MenuGrid grid;
    grid.entryX = [](int m) { return Column * m + 30; };
    grid.entryTop = [](int day) { return Band * day + 62; };
    grid.entrySpacing = 10;
    grid.nameOffset = 25;
    grid.mealLineOffset = 130;
    grid.dayLineOffset = 140;
    drawEntries(canvas, week, grid);
}

void drawMenuPage(Canvas& canvas, const PageMetrics& page, const Week& week, const QString& title)
{
    const int w = page.width;
    const int h = page.height;
    const int margin = page.sideMargin();
    const int tenth = page.tenth();
    const int x0 = roundMeasure(tenth * 1.5L) + margin;  // the day names' strip lies left of it
    const int column = (w - (margin + x0)) / 4;
    const int top = page.topMargin();
    const int n = page.lineHeight(96);
    const int band = (h - top - 4 * n) / 7;

    canvas.setTransparentText(true);
    canvas.setTextAlign(TextAlign::Left);
    canvas.setPenColor(colors::Black);
    canvas.setPenWidth(1);
    drawTitle(canvas, w / 2, n, title);

    line(canvas, margin, top, w - margin, top);
    line(canvas, margin, top + 2 * n, w - margin, top + 2 * n);
    canvas.setFontSize(10);
    canvas.setFontStyle(Bold);
    for (int m = 0; m < MealsPerDay; ++m)
        canvas.textOut(x0 + m * column + column / 2 - canvas.textWidth(MealNames.at(m)) / 2, top + 10,
                       MealNames.at(m));
    for (int k = 0; k <= 4; ++k)
        line(canvas, x0 + k * column, top, x0 + k * column, h - 2 * n);
    line(canvas, margin, top, margin, h - 2 * n);
    for (int i = 1; i <= 7; ++i)
        line(canvas, margin, top + 2 * n + i * band, w - margin, top + 2 * n + i * band);

    drawDayNames(canvas, roundMeasure(margin + tenth * 0.25L),
                 [&](int day, int k) { return day * band + (3 * n + top) + (k - 1) * n; });
    MenuGrid grid;
    grid.entryX = [&](int m) { return x0 + 10 + m * column; };
    grid.entryTop = [&](int day) { return top + 2 * n + 10 + day * band; };
    grid.entrySpacing = n;
    grid.nameOffset = 3 * tenth;
    grid.mealLineOffset = 11 * n - 2;
    grid.dayLineOffset = 12 * n - 4;
    drawEntries(canvas, week, grid);
}

} // namespace tolvane
