// "fooditem.dbt" as the start-up loads it; a table that loads is written and
// loaded again and must come back the same.

#include "fuzzapp.h"

#include "food/foodtableio.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    Program& program = f.app.program;
    f.write(FoodTableFileName, fuzz::input(data, size));
    if (!loadFoodTable(program.foodTable(), program.workDir(), f.ui).ok)
        return 0;
    const QByteArray saved = program.foodTable().toBytes();
    if (!program.saveFoodTable())
        std::abort();
    if (!loadFoodTable(program.foodTable(), program.workDir(), f.ui).ok || program.foodTable().toBytes() != saved)
        fuzz::roundTripFailed("food item table");
    f.forget();
    return 0;
}
