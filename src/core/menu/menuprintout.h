#pragma once
// The weekly menu printout: a grid of the seven days by the four meals with
// every entry, each meal's calories and calorie split and each day's, drawn on
// the preview image or on a printer page.

#include "menu/meal.h"
#include "printing/printsurface.h"

#include <QString>

namespace tolvane {

// The Menu Title dialog of the weekly menu.
TitlePrompt menuTitlePrompt();

// Calories and the three energy nutrients of a meal or a day. Each addition is
// rounded to a stored real, as the sums always were.
struct EnergySums {
    long double calories = 0;
    long double carbohydrate = 0;
    long double protein = 0;
    long double fat = 0;

    void add(const EnergySums& other);
};

EnergySums mealEnergySums(const Meal& meal);

// Carbohydrate, protein and fat as percentages of the energy base of the
// grams (a base of 0 taken as 1), unrounded.
struct EnergyPercents {
    long double carbohydrate = 0;
    long double protein = 0;
    long double fat = 0;
};
EnergyPercents energyPercents(long double carbohydrate, long double protein, long double fat);

// "(" + servings with one decimal in at least 4 characters + ") ", at most 10 characters.
QString menuServingsText(long double servings);
// "Meal Calories: %4.0f    c %2.0f  p %2.0f  f %2.0f"
QString mealCaloriesLine(const EnergySums& sums);
// "Day Calories: %5.0f    c %2.0f  p %2.0f  f %2.0f"
QString dayCaloriesLine(const EnergySums& sums);

// The preview page, 800 x 1200, cleared first.
void drawMenuPreview(Canvas& canvas, const Week& week, const QString& title);
// The printer page of `page`'s size.
void drawMenuPage(Canvas& canvas, const PageMetrics& page, const Week& week, const QString& title);

} // namespace tolvane
