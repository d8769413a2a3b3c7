#pragma once
// CSV import and export at the end of the "&Main" menu: the food item table,
// the week's menu and the weight log out to a spreadsheet, and food items in
// from one.

#include <QString>

namespace tolvane {

class ExchangeDialogs;
struct NutrientReport;
class MenuPlanner;
class FoodList;
class Program;
class Weight;

inline const QString CsvFilter = QStringLiteral("CSV files (*.csv)");
inline const QString CsvSuffix = QStringLiteral("csv");

class Exchange {
public:
    // Registers the four commands with the program. The import shows its
    // progress through `dialogs`.
    Exchange(Program& program, ExchangeDialogs& dialogs, FoodList& foods, const MenuPlanner& menu,
             const Weight& weight);
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    void importFoodItems();
    void exportFoodItems();
    void exportMenu();
    void exportWeightLog();
    // "Export Nutrient Re&port as CSV...": the report's table as the printout has it.
    void exportNutrientReport(const NutrientReport& report);

private:
    void save(const QString& title, const QByteArray& bytes);

    Program& program_;
    ExchangeDialogs& dialogs_;
    FoodList& foods_;
    const MenuPlanner& menu_;
    const Weight& weight_;
};

} // namespace tolvane
