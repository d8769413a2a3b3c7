#pragma once
// The week's menu and the weight log as CSV for a spreadsheet. Numbers use "."
// as the decimal point whatever the user's locale, as spreadsheets expect in a
// comma-separated file.

#include "menu/meal.h"
#include "menu/nutrientreport.h"

#include <QByteArray>

namespace tolvane {

class WeightLog;

// One row per entry (day, meal, food, servings, the six values of the entry:
// the food's values times its servings) and after each day a "Day total" row.
// Returns the image and the number of rows after the header.
QByteArray exportMenuCsv(const Week& week, int* rows = nullptr);

// The grid's data rows: date, plan, actual. Weights the grid reads as numbers
// are written with "."; other texts as they stand.
QByteArray exportWeightCsv(const WeightLog& log, int* rows = nullptr);

// The nutrient report's table, heading first, the footnote as the last row.
QByteArray nutrientReportCsv(const NutrientReport& report);

inline const QString DayTotalText = QStringLiteral("Day total");

} // namespace tolvane
