#include "menu/dayprintout.h"

#include "menu/valuepage.h"
#include "shell/program.h"
#include "storage/numbertext.h"
#include "storage/real6.h"

namespace tolvane {

namespace {

void add(ValueSums& to, const ValueSums& from)
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
    ValuePage layout(canvas, page);
    const int m = layout.margin();
    layout.titleAndHeadings(title, DayNames.value(day) + QStringLiteral(" - Printed on ") + printedOn, 4);

    ValueSums daySums{};
    int r = 6;
    for (int mealIndex = 0; mealIndex < MealsPerDay; ++mealIndex) {
        if (mealIndex > 0)
            ++r;
        canvas.setFontStyle(Bold);
        layout.text(m, r, MealNames.at(mealIndex));
        ++r;
        canvas.setFontStyle(Plain);
        const Meal& meal = week[static_cast<std::size_t>(weekIndex(day, mealIndex))];
        ValueSums mealSums{};
        for (int e = 0; e < meal.count(); ++e) {
            const FoodItem& item = meal.item(e);
            const long double servings = meal.servings(e);
            layout.text(2 * m, r, dayEntryText(item.name(), servings));
            const ValueSums products = ValuePage::contribution(item, servings);
            layout.values(r, products);
            add(mealSums, products);
            ++r;
        }
        add(daySums, mealSums);
        ++r;
        layout.text(2 * m, r, QStringLiteral("Meal Totals"));
        layout.values(r, mealSums);
        ++r;
        layout.percents(r, QStringLiteral("Meal Percents"), mealSums);
        ++r;
    }
    ++r;
    layout.text(2 * m, r, QStringLiteral("Day Totals"));
    layout.values(r, daySums);
    layout.percents(r + 1, QStringLiteral("Day Percents"), daySums);
}

} // namespace tolvane
