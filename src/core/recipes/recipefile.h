#pragma once
// The recipe file (.rcp): one 4187-byte image, little-endian, no header:
//      0  2020  20 ingredient slots, each a whole 101-byte food item record
//   2020   120  20 stored reals, the servings of each slot
//   2140     4  ingredient count, 32-bit signed, 0 to 20
//   2144    36  totals: calories, carbohydrate, protein, fat, cholesterol,
//               sodium (cholesterol before sodium, unlike a food item)
//   2180  2001  instructions: single-byte text, CR LF between lines, then a
//               zero byte; at most 2000 characters
//   4181     6  the number of servings the recipe makes, a stored real
// Slots at and after the count and the bytes after the instructions' zero mean
// nothing; this writer leaves them zero. The totals are written for other
// readers but never trusted: a loaded recipe sums its ingredients anew.

#include "food/fooditem.h"
#include "storage/real6.h"

#include <QByteArray>
#include <array>

namespace tolvane {

constexpr int RecipeCapacity = 20;
constexpr int InstructionsCapacity = 2000;
constexpr int RecipeFileSize = 4187;

namespace recipelayout {
constexpr int ServingsOffset = RecipeCapacity * FoodItem::Size;        // 2020
constexpr int CountOffset = ServingsOffset + RecipeCapacity * 6;       // 2140
constexpr int TotalsOffset = CountOffset + 4;                          // 2144
constexpr int InstructionsOffset = TotalsOffset + NutrientCount * 6;   // 2180
constexpr int RecipeServingsOffset = InstructionsOffset + InstructionsCapacity + 1;  // 4181
static_assert(RecipeServingsOffset + 6 == RecipeFileSize);
} // namespace recipelayout

struct RecipeImage {
    int count = 0;
    std::array<FoodItem, RecipeCapacity> ingredients{};
    std::array<Real6, RecipeCapacity> servings{};
    Nutrients totals{};       // in food item order; the file reorders them
    QByteArray instructions;  // the single-byte text without its zero
    Real6 recipeServings{};

    bool operator==(const RecipeImage&) const = default;
};

enum class RecipeFileProblem { None, WrongSize, CountOutOfRange, NoTerminator };

struct RecipeFileRead {
    RecipeImage image;  // meaningful only when problem is None
    RecipeFileProblem problem = RecipeFileProblem::None;
    qint64 size = 0;    // the image's size
    qint32 count = 0;   // the count as stored (also when out of range)
};

// Reads a whole file image. Anything but exactly 4187 bytes, a count outside
// 0 to 20 or instructions without their zero refuses the whole image.
RecipeFileRead readRecipeImage(const QByteArray& bytes);

// The 4187 bytes of a recipe. Instructions beyond 2000 bytes are cut (and
// cannot contain a zero: the text ends at the first one). A total too large for
// a stored real is written as 0; readers recompute it anyway.
QByteArray writeRecipeImage(const RecipeImage& image);

} // namespace tolvane
