#pragma once
// The daily menu printout: one portrait page with the shown day's four meals,
// each entry with what it contributes, the meal and day totals and their
// calorie percentages. Text is placed by row: row r has its top at r x the
// line height.

#include "menu/meal.h"
#include "printing/printsurface.h"

#include <QDate>
#include <QString>

namespace tolvane {

// The Menu Title dialog of the daily menu for day 0 (Sunday) to 6.
TitlePrompt dayTitlePrompt(int day);

// "(" + servings in 4 characters with 1 decimal + ") ", cut to 10, a blank,
// the name; the whole at most 41 characters.
QString dayEntryText(const QString& name, long double servings);

void drawDayPage(Canvas& canvas, const PageMetrics& page, const Week& week, int day, const QString& title,
                 const QString& printedOn);

} // namespace tolvane
