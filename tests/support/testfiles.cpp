#include "testfiles.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tolvane::test {

FoodItem makeItem(const QString& name, const Nutrients& values, bool personal)
{
    FoodItem item;
    for (std::size_t i = 0; i < item.bytes.size(); ++i)
        item.bytes[i] = static_cast<std::uint8_t>(0xA0 + i % 37);
    EXPECT_EQ(item.setName(name), EncodeResult::Ok);
    for (int n = 0; n < NutrientCount; ++n)
        EXPECT_TRUE(item.setNutrient(static_cast<Nutrient>(n), values[static_cast<std::size_t>(n)]));
    item.setOnPersonalList(personal);
    return item;
}

QByteArray tableBytes(const std::vector<FoodItem>& items)
{
    QByteArray bytes;
    for (const auto& item : items)
        bytes.append(reinterpret_cast<const char*>(item.bytes.data()), FoodItem::Size);
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

std::vector<FoodItem> numberedItems(int count)
{
    std::vector<FoodItem> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        items.push_back(makeItem(QStringLiteral("Item %1").arg(i, 4, 10, QLatin1Char('0')),
                                 {static_cast<long double>(i), 1, 2, 3, 4, 5}));
    return items;
}

} // namespace tolvane::test
