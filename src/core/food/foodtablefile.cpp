#include "food/foodtablefile.h"

#include "food/foodtable.h"

#include <algorithm>
#include <cstring>

namespace tolvane {

FoodTableImage readFoodTableImage(const QByteArray& bytes)
{
    FoodTableImage image;
    const qsizetype whole = bytes.size() / FoodItem::Size;
    const qsizetype records = std::min<qsizetype>(whole, MaxFoodItems);
    image.records.resize(static_cast<std::size_t>(records));
    for (qsizetype i = 0; i < records; ++i)
        std::memcpy(image.records[static_cast<std::size_t>(i)].bytes.data(), bytes.constData() + i * FoodItem::Size,
                    FoodItem::Size);
    image.truncated = records < MaxFoodItems && bytes.size() % FoodItem::Size != 0;
    return image;
}

} // namespace tolvane
