// Food items imported from CSV with "&Import Food Items from CSV...", the
// rows whose calories disagree with their carbohydrate, protein and fat
// and the update of foods already present accepted, into a small table that is set up
// anew for each input; what was imported then goes out and back in unchanged.

#include "fuzzapp.h"

#include "exchange/foodcsv.h"
#include "exchange/foodimport.h"
#include "food/foodtable.h"
#include "testfiles.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    FoodTable& table = f.app.foods.foodTable();
    table.assign({test::makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}, true),
                  test::makeItem(QStringLiteral("Bread"), {265, 49, 9, 3.2L, 491, 0})});
    f.app.foods.selectFoodRow(0);
    const QByteArray before = table.toBytes();
    const QString name = QStringLiteral("foods.csv");
    f.write(name, fuzz::input(data, size));
    f.choose(name);
    f.ui.answers = {Button::Yes, Button::Yes};
    f.app.program.execute(Command::ImportFoodItemsCsv);

    if (table.count() > MaxFoodItems || table.rowCount() != table.count() || f.ui.messages.empty() ||
        f.ui.messages.size() > 3)
        std::abort();
    for (int slot = 1; slot < table.count(); ++slot)
        if (table.order().less(table.item(slot).name(), table.item(slot - 1).name()))
            std::abort();
    // A refused file changes nothing; the personal-list mark survives an update.
    if (f.ui.messages.back().text.endsWith(QStringLiteral("Nothing was imported.")) && table.toBytes() != before)
        fuzz::roundTripFailed("a refused file changed the table");
    if (!table.item(table.findSameName(QStringLiteral("Apple"))).onPersonalList())
        fuzz::roundTripFailed("an update lost the personal-list mark");

    FoodTable back{table.order()};
    const FoodImport again = importFoodCsv(exportFoodCsv(table), name, back);
    if (!again.readable || again.refused != 0 || back.count() != table.count())
        fuzz::roundTripFailed("the exported table did not read back");
    for (int slot = 0; slot < table.count(); ++slot)
        if (back.item(slot).name() != table.item(slot).name() ||
            back.item(slot).nutrients() != table.item(slot).nutrients())
            fuzz::roundTripFailed("an item changed on its way out and back in");
    f.forget();
    return 0;
}
