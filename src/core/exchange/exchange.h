#pragma once
// CSV import and export at the end of the "&Main" menu: the food item table,
// the week's menu and the weight log out to a spreadsheet, and food items in
// from one.

#include <QString>

namespace tolvane {

class MenuPlanner;
class FoodList;
class Program;
class Weight;

inline const QString CsvFilter = QStringLiteral("CSV files (*.csv)");
inline const QString CsvSuffix = QStringLiteral("csv");
constexpr int MaxListedCsvProblems = 20;

class Exchange {
public:
    // Registers the four commands with the program.
    Exchange(Program& program, FoodList& foods, const MenuPlanner& menu, const Weight& weight);
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    void importFoodItems();
    void exportFoodItems();
    void exportMenu();
    void exportWeightLog();

private:
    void save(const QString& title, const QByteArray& bytes);

    Program& program_;
    FoodList& foods_;
    const MenuPlanner& menu_;
    const Weight& weight_;
};

} // namespace tolvane
