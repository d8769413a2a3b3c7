// Another food item table merged with "Mer&ge Other FOODITEM.DBT", every item
// accepted, into a small table that is set up anew for each input.

#include "fuzzapp.h"

#include "food/foodtable.h"
#include "testfiles.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    FoodTable& table = f.app.foods.foodTable();
    table.assign({test::makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}),
                  test::makeItem(QStringLiteral("Bread"), {265, 49, 9, 3.2L, 491, 0})});
    f.app.foods.selectFoodRow(0);
    const QString other = QStringLiteral("other.dbt");
    f.write(other, fuzz::input(data, size));
    f.choose(other);
    f.app.program.execute(Command::MergeOtherTable);
    if (table.count() > MaxFoodItems || table.rowCount() != table.count())
        std::abort();
    for (int slot = 1; slot < table.count(); ++slot)
        if (table.order().less(table.item(slot).name(), table.item(slot - 1).name()))
            std::abort();
    f.forget();
    return 0;
}
