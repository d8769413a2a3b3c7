#include "menu/nutrientreport.h"

#include "menu/nutrientview.h"
#include "menu/panels.h"
#include "shell/program.h"

namespace tolvane {

NutrientReport makeNutrientReport(const Week& week, FoodNutrients& nutrients, const QString& intakeNote,
                                  const std::array<IntakeGoal, CatalogueSize>& goals)
{
    NutrientReport report{intakeNote, {}, goals};
    for (int day = 0; day < DaysPerWeek; ++day)
        report.columns[static_cast<std::size_t>(day)] = menuNutrients(week, day, 0, DayTotalsView, nutrients);
    report.columns[DaysPerWeek] = menuNutrients(week, 0, 0, AverageDayTotalsView, nutrients);
    return report;
}

std::vector<QStringList> nutrientReportTable(const NutrientReport& report)
{
    std::vector<QStringList> table;
    QStringList heading{QStringLiteral("Nutrient"), QStringLiteral("Unit")};
    for (const QString& day : DayNames)
        heading << day.left(3);
    heading << QStringLiteral("Avg. Day") << QStringLiteral("RDA/AI") << QStringLiteral("UL");
    table.push_back(heading);
    for (int i = 0; i < CatalogueSize; ++i) {
        const CatalogueNutrient& nutrient = nutrientCatalogue()[static_cast<std::size_t>(i)];
        QStringList row{nutrient.name, nutrient.unit};
        for (const NutrientTotals& column : report.columns)
            row << totalAmountText(column, i) +
                       (completenessText(column, i).isEmpty() ? QString() : QStringLiteral("*"));
        const IntakeGoal& goal = report.goals[static_cast<std::size_t>(i)];
        row << (goal.amount ? amountText(i, *goal.amount) + (goal.adequateIntake ? QStringLiteral(" AI") : QString())
                            : QString());
        row << (goal.upperLimit ? amountText(i, *goal.upperLimit) +
                                      (goal.upperLimitSupplementsOnly ? QStringLiteral(" s") : QString())
                                : QString());
        table.push_back(row);
    }
    return table;
}

TitlePrompt nutrientReportTitlePrompt()
{
    return {QStringLiteral("Enter nutrient report title:"), QStringLiteral("Nutrient Report Title"),
            QStringLiteral("Nutrient Report")};
}

void drawNutrientReport(Canvas& canvas, const PageMetrics& page, const NutrientReport& report, const QString& title)
{
    const int m = page.sideMargin();
    const int top = page.topMargin();
    const int line = page.lineHeight(48);
    const int width = page.width - 2 * m;
    auto y = [&](int row) { return top + row * line; };
    // The name and unit columns start at the left; the ten number columns end
    // at equal steps up to the right margin.
    auto columnX = [&](int c) {
        return c == 0 ? m : c == 1 ? m + width * 22 / 100 : m + width * (30 + (c - 1) * 7) / 100;
    };

    canvas.setTransparentText(true);
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(16);
    canvas.setFontStyle(Bold);
    canvas.setTextAlign(TextAlign::Left);
    canvas.textOut((page.width - canvas.textWidth(title)) / 2, y(1), title);
    canvas.setFontSize(10);
    canvas.setFontStyle(Plain);
    canvas.textOut(m, y(3), report.intakeNote);

    const std::vector<QStringList> table = nutrientReportTable(report);
    for (std::size_t r = 0; r < table.size(); ++r) {
        canvas.setFontStyle(r == 0 ? Bold : Plain);
        const QStringList& cells = table[r];
        for (int c = 0; c < cells.size(); ++c) {
            if (cells[c].isEmpty())
                continue;
            canvas.setTextAlign(c < 2 ? TextAlign::Left : TextAlign::Right);
            canvas.textOut(columnX(c), y(5 + static_cast<int>(r)), cells[c]);
        }
    }
    canvas.setFontStyle(Plain);
    canvas.setTextAlign(TextAlign::Left);
    canvas.textOut(m, y(5 + static_cast<int>(table.size()) + 1), NutrientReportFootnote);
}

} // namespace tolvane
