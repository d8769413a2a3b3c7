#include "exchange/tablecsv.h"

#include "exchange/csvtext.h"
#include "food/fooditemform.h"
#include "shell/program.h"
#include "storage/numbertext.h"
#include "weight/weightlog.h"

namespace tolvane {

namespace {
void appendValues(QStringList& row, const Nutrients& values)
{
    for (int n = 0; n < NutrientCount; ++n) {
        const auto field = FoodItemForm::fieldOf(static_cast<Nutrient>(n));
        row.append(formatFixed(values[static_cast<std::size_t>(n)], 0, FoodItemForm::decimals(field)));
    }
}
// A weight cell the grid reads as a number, without blanks and with "." for
// the locale's decimal separator; any other text as it stands (made safe for
// a spreadsheet).
QString weightCsvText(const QString& cell, const QLocale& locale)
{
    if (!parseStrict(cell, locale))
        return spreadsheetSafe(cell);
    return cell.trimmed().replace(locale.decimalPoint(), QStringLiteral("."));
}

} // namespace

QByteArray nutrientReportCsv(const NutrientReport& report)
{
    QByteArray out;
    appendCsvRow(out, {report.intakeNote});
    for (const QStringList& row : nutrientReportTable(report))
        appendCsvRow(out, row);
    appendCsvRow(out, {NutrientReportFootnote});
    return out;
}

QByteArray exportMenuCsv(const Week& week, int* rows)
{
    QByteArray out;
    QStringList header{QStringLiteral("Day"), QStringLiteral("Meal"), QStringLiteral("Food"),
                       QStringLiteral("Servings")};
    for (int n = 0; n < NutrientCount; ++n)
        header.append(FoodItemForm::label(FoodItemForm::fieldOf(static_cast<Nutrient>(n))));
    appendCsvRow(out, header);
    int written = 0;
    for (int day = 0; day < DaysPerWeek; ++day) {
        Nutrients dayTotal{};
        for (int m = 0; m < MealsPerDay; ++m) {
            const Meal& meal = week[static_cast<std::size_t>(weekIndex(day, m))];
            for (int e = 0; e < meal.count(); ++e) {
                const long double servings = meal.servings(e);
                Nutrients values = meal.item(e).nutrients();
                for (std::size_t n = 0; n < values.size(); ++n) {
                    values[n] *= servings;
                    dayTotal[n] += values[n];
                }
                QStringList row{DayNames.value(day), MealNames.value(m), spreadsheetSafe(meal.item(e).name()),
                                formatFixed(servings, 0, 1)};
                appendValues(row, values);
                appendCsvRow(out, row);
                ++written;
            }
        }
        QStringList total{DayNames.value(day), DayTotalText, QString(), QString()};
        appendValues(total, dayTotal);
        appendCsvRow(out, total);
        ++written;
    }
    if (rows)
        *rows = written;
    return out;
}

QByteArray exportWeightCsv(const WeightLog& log, int* rows)
{
    QByteArray out;
    // The columns keep their plain names in either units: the file is the
    // same whichever units the grid's headings name.
    appendCsvRow(out, {QStringLiteral("Date"), QStringLiteral("Plan"), QStringLiteral("Actual")});
    int written = 0;
    for (int r = 1; r < log.rowCount(); ++r) {
        const QStringList row{spreadsheetSafe(log.cell(DateColumn, r)),
                              weightCsvText(log.cell(PlanColumn, r), log.locale()),
                              weightCsvText(log.cell(ActualColumn, r), log.locale())};
        if (row.join(QString()).trimmed().isEmpty())
            continue;
        appendCsvRow(out, row);
        ++written;
    }
    if (rows)
        *rows = written;
    return out;
}

} // namespace tolvane
