#include "menu/dayprintout.h"

#include "menu/menuprintout.h"
#include "shell/program.h"
#include "storage/numbertext.h"
#include "storage/real6.h"

#include <array>

namespace tolvane {

namespace {

// The printed columns, in their order on the page.
constexpr std::array<Nutrient, 6> Columns = {Nutrient::Calories, Nutrient::Carbohydrate, Nutrient::Protein,
                                             Nutrient::Fat,      Nutrient::Cholesterol,  Nutrient::Sodium};
using Sums = std::array<long double, 6>;

QString valueText(std::size_t column, long double value)
{
    const Nutrient n = Columns[column];
    return n == Nutrient::Calories || n == Nutrient::Cholesterol || n == Nutrient::Sodium ? formatFixed(value, 5, 0)
                                                                                         : formatFixed(value, 4, 1);
}

class DayLayout {
public:
    DayLayout(Canvas& canvas, const PageMetrics& page) : canvas_(canvas)
    {
        margin_ = page.sideMargin();
        const int tenth = page.tenth();
        unit_ = (page.width - 2 * margin_ - roundMeasure(1.5L * tenth)) / 10;
        const int allowance = roundMeasure((page.height / 11) * 0.75L);
        line_ = (page.height - allowance) / 66;
    }

    int margin() const { return margin_; }
    int unit() const { return unit_; }
    int rowTop(int row) const { return row * line_; }

    void text(int x, int row, const QString& s) { canvas_.textOut(x, rowTop(row), s); }
    void rightText(int x, int row, const QString& s)
    {
        canvas_.setTextAlign(TextAlign::Right);
        canvas_.textOut(x, rowTop(row), s);
        canvas_.setTextAlign(TextAlign::Left);
    }
    // The six values right-aligned at 5c to 10c.
    void values(int row, const Sums& sums)
    {
        for (std::size_t i = 0; i < Columns.size(); ++i)
            rightText(static_cast<int>(5 + i) * unit_, row, valueText(i, sums[i]));
    }
    void percents(const QString& label, int row, const Sums& sums)
    {
        text(2 * margin_, row, label);
        const EnergyPercents p = energyPercents(sums[1], sums[2], sums[3]);
        const QString percent = QStringLiteral("%");
        rightText(6 * unit_, row, formatFixed(p.carbohydrate, 2, 1) + percent);
        rightText(7 * unit_, row, formatFixed(p.protein, 2, 1) + percent);
        rightText(8 * unit_, row, formatFixed(p.fat, 2, 1) + percent);
    }

private:
    Canvas& canvas_;
    int margin_ = 0;
    int unit_ = 0;
    int line_ = 0;
};

void add(Sums& to, const Sums& from)
{
    for (std::size_t i = 0; i < to.size(); ++i)
        to[i] = roundToReal6(to[i] + from[i]);
}

} // namespace

TitlePrompt dayTitlePrompt(int day)
{
    return {QStringLiteral("Enter daily menu title:"), QStringLiteral("Daily Menu Title"),
            (QStringLiteral("Daily Menu for ") + DayNames.value(day)).left(24)};
}

QString dayEntryText(const QString& name, long double servings)
{
    const QString servingsText = (QStringLiteral("(") + formatFixed(servings, 4, 1) + QStringLiteral(") ")).left(10);
    return (servingsText + QLatin1Char(' ') + name).left(41);
}

void drawDayPage(Canvas& canvas, const PageMetrics& page, const Week& week, int day, const QString& title,
                 const QString& printedOn)
{
    DayLayout layout(canvas, page);
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
    layout.text(m, 4, DayNames.value(day) + QStringLiteral(" - Printed on ") + printedOn);
    const std::pair<const char16_t*, long double> headings[] = {
        {u"Food Item", 2.5L}, {u"KCal", 4.5L},     {u"Carbo(g)", 5.5L}, {u"Prot(g)", 6.5L},
        {u"Fat(g)", 7.5L},    {u"Chol(mg)", 8.5L}, {u"Na(mg)", 9.5L}};
    for (const auto& [heading, at] : headings)
        layout.text(roundMeasure(at * c), 5, QString::fromUtf16(heading));

    Sums daySums{};
    int r = 6;
    for (int mealIndex = 0; mealIndex < MealsPerDay; ++mealIndex) {
        if (mealIndex > 0)
            ++r;
        canvas.setFontStyle(Bold);
        layout.text(m, r, MealNames.at(mealIndex));
        ++r;
        canvas.setFontStyle(Plain);
        const Meal& meal = week[static_cast<std::size_t>(weekIndex(day, mealIndex))];
        Sums mealSums{};
        for (int e = 0; e < meal.count(); ++e) {
            const FoodItem& item = meal.item(e);
            const long double servings = meal.servings(e);
            layout.text(2 * m, r, dayEntryText(item.name(), servings));
            Sums products{};
            for (std::size_t i = 0; i < Columns.size(); ++i)
                products[i] = item.nutrient(Columns[i]) * servings;
            layout.values(r, products);
            add(mealSums, products);
            ++r;
        }
        add(daySums, mealSums);
        ++r;
        layout.text(2 * m, r, QStringLiteral("Meal Totals"));
        layout.values(r, mealSums);
        ++r;
        layout.percents(QStringLiteral("Meal Percents"), r, mealSums);
        ++r;
    }
    ++r;
    layout.text(2 * m, r, QStringLiteral("Day Totals"));
    layout.values(r, daySums);
    layout.percents(QStringLiteral("Day Percents"), r + 1, daySums);
}

} // namespace tolvane
