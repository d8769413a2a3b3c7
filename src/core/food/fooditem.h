#pragma once
// One food item: 101 bytes, the same image in memory and in the files.
//
//   0  31  name (short string, at most 30 characters)
//  31  16  reserved
//  47  36  nutrients of one serving: six stored reals
//  83   1  personal-list flag (1 = on the personal list)
//  84  17  reserved
//
// The record keeps its raw bytes, so reserved areas and the bytes after the
// name come back out exactly as they went in.

#include "storage/real6.h"
#include "storage/shortstring.h"

#include <QString>
#include <array>
#include <cstdint>

namespace tolvane {

enum class Nutrient { Calories = 0, Carbohydrate, Protein, Fat, Sodium, Cholesterol };
constexpr int NutrientCount = 6;

// The six values of a serving, always in the order of `Nutrient`.
using Nutrients = std::array<long double, NutrientCount>;

struct FoodItem {
    static constexpr int Size = 101;
    static constexpr int NameCapacity = 30;
    static constexpr int NutrientsOffset = 47;
    static constexpr int PersonalFlagOffset = 83;

    std::array<std::uint8_t, Size> bytes{};

    QString name() const { return decodeShortString(bytes.data(), NameCapacity); }
    EncodeResult setName(const QString& name) { return encodeShortString(name, bytes.data(), NameCapacity); }

    long double nutrient(Nutrient n) const;
    // Stores the value rounded to the stored format; false on overflow.
    bool setNutrient(Nutrient n, long double value);
    Nutrients nutrients() const;

    bool onPersonalList() const { return bytes[PersonalFlagOffset] == 1; }
    void setOnPersonalList(bool on) { bytes[PersonalFlagOffset] = on ? 1 : 0; }

    bool operator==(const FoodItem&) const = default;
};

} // namespace tolvane
