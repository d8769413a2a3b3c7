#include "recipes/recipefile.h"

#include <algorithm>
#include <cstring>

namespace tolvane {

namespace {
using namespace recipelayout;

// The file's order of the six totals, by food item nutrient.
constexpr std::array<Nutrient, NutrientCount> FileTotalsOrder = {Nutrient::Calories, Nutrient::Carbohydrate,
                                                                 Nutrient::Protein,  Nutrient::Fat,
                                                                 Nutrient::Cholesterol, Nutrient::Sodium};

std::uint8_t* at(QByteArray& bytes, int offset) { return reinterpret_cast<std::uint8_t*>(bytes.data()) + offset; }
constexpr std::size_t slot(int i) { return static_cast<std::size_t>(i); }
} // namespace

RecipeFileRead readRecipeImage(const QByteArray& bytes)
{
    RecipeFileRead read;
    read.size = bytes.size();
    if (bytes.size() != RecipeFileSize) {
        read.problem = RecipeFileProblem::WrongSize;
        return read;
    }
    // Work on a copy of exactly the file's size, so every offset below is
    // checked against the array the reads come from.
    std::array<std::uint8_t, RecipeFileSize> file{};
    std::copy(bytes.cbegin(), bytes.cend(), file.begin());
    const auto field = [&file](int offset) { return file.data() + offset; };

    const std::uint8_t* c = field(CountOffset);
    read.count = static_cast<qint32>(static_cast<std::uint32_t>(c[0]) | static_cast<std::uint32_t>(c[1]) << 8 |
                                     static_cast<std::uint32_t>(c[2]) << 16 | static_cast<std::uint32_t>(c[3]) << 24);
    if (read.count < 0 || read.count > RecipeCapacity) {
        read.problem = RecipeFileProblem::CountOutOfRange;
        return read;
    }
    const std::uint8_t* text = field(InstructionsOffset);
    const void* zero = std::memchr(text, 0, InstructionsCapacity + 1);
    if (!zero) {
        read.problem = RecipeFileProblem::NoTerminator;
        return read;
    }

    RecipeImage& image = read.image;
    image.count = read.count;
    for (int i = 0; i < image.count; ++i) {
        std::memcpy(image.ingredients[slot(i)].bytes.data(), field(i * FoodItem::Size), FoodItem::Size);
        std::memcpy(image.servings[slot(i)].data(), field(ServingsOffset + 6 * i), 6);
    }
    for (int k = 0; k < NutrientCount; ++k)
        image.totals[static_cast<std::size_t>(FileTotalsOrder[slot(k)])] = real6ToLongDouble(field(TotalsOffset + 6 * k));
    image.instructions = QByteArray(reinterpret_cast<const char*>(text), static_cast<const std::uint8_t*>(zero) - text);
    std::memcpy(image.recipeServings.data(), field(RecipeServingsOffset), 6);
    return read;
}

QByteArray writeRecipeImage(const RecipeImage& image)
{
    QByteArray bytes(RecipeFileSize, '\0');
    const int count = image.count < 0 ? 0 : image.count > RecipeCapacity ? RecipeCapacity : image.count;
    for (int i = 0; i < count; ++i) {
        std::memcpy(at(bytes, i * FoodItem::Size), image.ingredients[slot(i)].bytes.data(), FoodItem::Size);
        std::memcpy(at(bytes, ServingsOffset + 6 * i), image.servings[slot(i)].data(), 6);
    }
    const auto stored = static_cast<std::uint32_t>(count);
    for (int b = 0; b < 4; ++b)
        *at(bytes, CountOffset + b) = static_cast<std::uint8_t>(stored >> (8 * b));
    for (int k = 0; k < NutrientCount; ++k)
        storeReal6(image.totals[static_cast<std::size_t>(FileTotalsOrder[slot(k)])], at(bytes, TotalsOffset + 6 * k));

    QByteArray text = image.instructions.left(InstructionsCapacity);
    if (const qsizetype zero = text.indexOf('\0'); zero >= 0)
        text.truncate(zero);
    std::memcpy(at(bytes, InstructionsOffset), text.constData(), static_cast<std::size_t>(text.size()));
    std::memcpy(at(bytes, RecipeServingsOffset), image.recipeServings.data(), 6);
    return bytes;
}

} // namespace tolvane
