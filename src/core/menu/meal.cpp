#include "menu/meal.h"

#include "storage/numbertext.h"

#include <cstring>

namespace tolvane {

namespace {
constexpr int MealLineLimit = 50;
constexpr std::size_t slot(int entry) { return static_cast<std::size_t>(entry); }
} // namespace

Meal::AddResult Meal::append(const FoodItem& item, long double servings)
{
    if (isFull())
        return AddResult::Full;
    Real6 stored{};
    if (!storeReal6(servings, stored.data()))
        return AddResult::ServingsOverflow;
    items_[slot(count_)] = item;
    servings_[slot(count_)] = stored;
    ++count_;
    return AddResult::Added;
}

bool Meal::setServings(int entry, long double servings)
{
    Real6 stored{};
    if (entry < 0 || entry >= count_ || !storeReal6(servings, stored.data()))
        return false;
    servings_[slot(entry)] = stored;
    return true;
}

void Meal::removeAt(int entry)
{
    if (entry < 0 || entry >= count_)
        return;
    for (int i = entry; i + 1 < count_; ++i) {
        items_[slot(i)] = items_[slot(i + 1)];
        servings_[slot(i)] = servings_[slot(i + 1)];
    }
    --count_;
    items_[slot(count_)] = FoodItem{};
    servings_[slot(count_)] = Real6{};
}

void Meal::toBytes(std::uint8_t* out) const
{
    const auto count = static_cast<std::uint16_t>(count_);
    out[0] = static_cast<std::uint8_t>(count & 0xFF);
    out[1] = static_cast<std::uint8_t>(count >> 8);
    for (int i = 0; i < Capacity; ++i) {
        std::memcpy(out + ItemsOffset + FoodItem::Size * i, items_[slot(i)].bytes.data(), FoodItem::Size);
        std::memcpy(out + ServingsOffset + 6 * i, servings_[slot(i)].data(), 6);
    }
}

std::optional<Meal> Meal::fromBytes(const std::uint8_t* in)
{
    const auto count = static_cast<std::int16_t>(static_cast<std::uint16_t>(in[0] | (in[1] << 8)));
    if (count < 0 || count > Capacity)
        return std::nullopt;
    Meal meal;
    meal.count_ = count;
    for (int i = 0; i < Capacity; ++i) {
        std::memcpy(meal.items_[slot(i)].bytes.data(), in + ItemsOffset + FoodItem::Size * i, FoodItem::Size);
        std::memcpy(meal.servings_[slot(i)].data(), in + ServingsOffset + 6 * i, 6);
    }
    return meal;
}

QString mealLine(const QString& name, long double servings)
{
    const QString line = QLatin1Char('(') + formatFixed(servings, 4, 1) + QLatin1String(")\t") + name;
    return line.left(MealLineLimit);
}

QString mealLine(const Meal& meal, int entry) { return mealLine(meal.item(entry).name(), meal.servings(entry)); }

QStringList mealLines(const Meal& meal)
{
    QStringList lines;
    for (int i = 0; i < meal.count(); ++i)
        lines.append(mealLine(meal, i));
    return lines;
}

} // namespace tolvane
