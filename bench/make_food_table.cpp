// Writes a food item table of N records for the benchmarks:
//   make_food_table N path

#include "food/foodtable.h"

#include <QFile>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const int count = std::atoi(argv[1]);
    std::vector<tolvane::FoodItem> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto& item = items[static_cast<std::size_t>(i)];
        item.setName(QStringLiteral("Food item %1").arg(i, 4, 10, QLatin1Char('0')));
        item.setNutrient(tolvane::Nutrient::Calories, 50 + i % 400);
        item.setNutrient(tolvane::Nutrient::Carbohydrate, (i % 50) / 2.0L);
        item.setNutrient(tolvane::Nutrient::Protein, (i % 20) / 4.0L);
        item.setNutrient(tolvane::Nutrient::Fat, (i % 30) / 3.0L);
    }
    tolvane::FoodTable table;
    table.assign(std::move(items));
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    return file.write(table.toBytes()) == qint64{count} * 101 ? 0 : 1;
}
