#pragma once
// The "Nutrient report": every nutrient of each day of the week and of the
// average day, beside the person's reference intake and upper limit. One
// landscape page on the printouts' canvas, and the same table as CSV.

#include "menu/meal.h"
#include "nutrients/nutrienttotals.h"
#include "nutrients/referenceintakes.h"
#include "printing/printsurface.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tolvane {

class FoodNutrients;

struct NutrientReport {
    QString intakeNote;  // "Reference intakes: Women 31-50 years"
    std::array<NutrientTotals, DaysPerWeek + 1> columns;  // Sunday to Saturday, then the average day
    std::array<IntakeGoal, CatalogueSize> goals;
};

NutrientReport makeNutrientReport(const Week& week, FoodNutrients& nutrients, const QString& intakeNote,
                                  const std::array<IntakeGoal, CatalogueSize>& goals);

// The table's cells, heading first: "Nutrient", "Unit", the days, "Avg. Day",
// "RDA/AI", "UL". An amount not known for every entry of its column ends in
// "*"; an AI in " AI"; a UL for supplements only in " s".
std::vector<QStringList> nutrientReportTable(const NutrientReport& report);
// The line under the table that explains the marks.
inline const QString NutrientReportFootnote = QStringLiteral(
    "* not known for every entry: at least this amount.  AI: adequate intake.  s: the upper limit counts "
    "supplements and fortified foods only.");

// The Menu Title dialog of the report.
TitlePrompt nutrientReportTitlePrompt();

// Title centred on row 1 (Arial 16 bold, the rest Arial 10), the intake note on row 3, the headings in bold on
// row 5 and a row per nutrient from row 6 (48 rows a page), the footnote two
// rows under the last.
void drawNutrientReport(Canvas& canvas, const PageMetrics& page, const NutrientReport& report, const QString& title);

} // namespace tolvane
