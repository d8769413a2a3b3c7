#include "exchange/foodcsv.h"

#include "exchange/csvtext.h"
#include "food/fooditemform.h"
#include "storage/numbertext.h"
#include "storage/shortstring.h"

#include <array>
#include <cmath>

namespace tolvane {

namespace {
constexpr std::array<FoodItemForm::Field, NutrientCount> ValueFields = {
    FoodItemForm::Calories, FoodItemForm::Carbo, FoodItemForm::Protein,
    FoodItemForm::Fat,      FoodItemForm::Sodium, FoodItemForm::Chol};
} // namespace

QStringList foodCsvHeader()
{
    QStringList header{QStringLiteral("Name")};
    for (FoodItemForm::Field field : ValueFields)
        header.append(FoodItemForm::label(field));
    return header;
}

QString exactNumberText(long double value)
{
    // A stored value has 40 significant bits, so a double holds it exactly and
    // 13 significant digits always tell it apart from its neighbours.
    const auto stored = [](long double v) {
        std::array<std::uint8_t, 6> bytes{};
        storeReal6(v, bytes.data());
        return bytes;
    };
    const auto target = stored(value);
    const auto readsBack = [&](const QString& text) {
        const auto back = parseLenient(text);
        return back && stored(*back) == target;
    };
    const double v = static_cast<double>(value);
    // Plain decimals where a spreadsheet shows them so; an exponent only for
    // the very large and the very small.
    if (std::fabs(v) >= 1e-6 && std::fabs(v) < 1e15)
        for (int decimals = 0; decimals <= 21; ++decimals)
            if (const QString text = QString::number(v, 'f', decimals); readsBack(text))
                return text;
    for (int digits = 1; digits < 17; ++digits)
        if (const QString text = QString::number(v, 'g', digits); readsBack(text))
            return text;
    return QString::number(v, 'g', 17);
}

QByteArray exportFoodCsv(const FoodTable& table)
{
    QByteArray out;
    appendCsvRow(out, foodCsvHeader());
    for (int slot = 0; slot < table.count(); ++slot) {
        const FoodItem& item = table.item(slot);
        QStringList row{spreadsheetSafe(item.name())};
        for (long double v : item.nutrients())
            row.append(exactNumberText(v));
        appendCsvRow(out, row);
    }
    return out;
}

} // namespace tolvane
