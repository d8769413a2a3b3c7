#pragma once
// One meal of the week: up to ten entries, each a full copy of a food item
// record with its number of servings. Entries are snapshots, so editing or
// deleting the food item later changes no meal.
//
// Stored image, 1072 bytes, the same in memory and in menu files:
//      0     2  entry count, 16-bit signed little-endian, 0 to 10
//      2  1010  ten 101-byte food item records (entry i at 2 + 101 i)
//   1012    60  ten stored reals, the servings (entry i at 1012 + 6 i)
// Only the first `count` slots mean anything.

#include "food/fooditem.h"
#include "storage/real6.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace tolvane {

class Meal {
public:
    static constexpr int Size = 1072;
    static constexpr int Capacity = 10;
    static constexpr int ItemsOffset = 2;
    static constexpr int ServingsOffset = 1012;

    int count() const { return count_; }
    bool isFull() const { return count_ >= Capacity; }
    const FoodItem& item(int entry) const { return items_.at(static_cast<std::size_t>(entry)); }
    long double servings(int entry) const { return real6ToLongDouble(servings_.at(static_cast<std::size_t>(entry))); }

    enum class AddResult { Added, Full, ServingsOverflow };
    // Appends an entry at the end; the servings are stored as a 6-byte real.
    AddResult append(const FoodItem& item, long double servings);
    // Gives an entry new servings; false (nothing changed) when they are too
    // large to store.
    bool setServings(int entry, long double servings);
    // Removes an entry and closes the gap, keeping the order of the others.
    // The freed slot is zeroed so no stale record is written to disk.
    void removeAt(int entry);
    // No entries, all slots zeroed.
    void clear() { *this = Meal{}; }

    void toBytes(std::uint8_t* out) const;
    // The meal of a stored image; empty when its count is outside 0..10.
    static std::optional<Meal> fromBytes(const std::uint8_t* in);

    bool operator==(const Meal&) const = default;

private:
    std::int16_t count_ = 0;
    std::array<FoodItem, Capacity> items_{};
    std::array<Real6, Capacity> servings_{};
};

constexpr int DaysPerWeek = 7;
constexpr int MealsPerDay = 4;
constexpr int MealsPerWeek = DaysPerWeek * MealsPerDay;

// Meal (day, meal) is at day * 4 + meal: Sunday Breakfast first, Saturday Snack last.
using Week = std::array<Meal, MealsPerWeek>;
constexpr int weekIndex(int day, int meal) { return day * MealsPerDay + meal; }

inline const QStringList MealNames = {QStringLiteral("Breakfast"), QStringLiteral("Lunch"),
                                      QStringLiteral("Dinner"), QStringLiteral("Snack")};

// The meal list's line for an entry: "(", the servings with one decimal in at
// least 4 characters, ")", a TAB, the name; at most 50 characters.
QString mealLine(const QString& name, long double servings);
QString mealLine(const Meal& meal, int entry);
QStringList mealLines(const Meal& meal);

} // namespace tolvane
