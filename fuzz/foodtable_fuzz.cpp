// "fooditem.dbt" as the start-up loads it; a table that loads is written and
// loaded again and must come back the same.

#include "fuzzapp.h"

#include "food/foodtableio.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    Program& program = f.app.program;
    FoodList& foods = f.app.foods;
    f.write(FoodTableFileName, fuzz::input(data, size));
    if (!loadFoodTable(foods.foodTable(), program.workDir(), f.ui).ok)
        return 0;
    const QByteArray saved = foods.foodTable().toBytes();
    if (!foods.saveFoodTable(QString()))
        std::abort();
    if (!loadFoodTable(foods.foodTable(), program.workDir(), f.ui).ok || foods.foodTable().toBytes() != saved)
        fuzz::roundTripFailed("food item table");
    f.forget();
    return 0;
}
