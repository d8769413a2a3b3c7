// Random and cut-short recipe files fed to the reader and the loader: every
// one is either refused as a whole or loaded with its count, lines and
// instructions in step. Seeded, so every run sees the same files.

#include "recipefixture.h"

#include <random>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FileMaker {
public:
    explicit FileMaker(std::uint32_t seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    char byte() { return static_cast<char>(below(256)); }

    QByteArray randomBytes(int size)
    {
        QByteArray bytes(size, '\0');
        for (char& b : bytes)
            b = byte();
        return bytes;
    }

    // A well-formed recipe with random ingredients, servings and text.
    QByteArray validRecipe()
    {
        QByteArray bytes = randomBytes(RecipeFileSize);
        const int count = below(RecipeCapacity + 1);
        for (int b = 0; b < 4; ++b)
            bytes[recipelayout::CountOffset + b] = static_cast<char>(b == 0 ? count : 0);
        const int length = below(InstructionsCapacity + 1);
        for (int i = 0; i < length; ++i)
            if (bytes[recipelayout::InstructionsOffset + i] == '\0')
                bytes[recipelayout::InstructionsOffset + i] = 'z';
        bytes[recipelayout::InstructionsOffset + length] = '\0';
        return bytes;
    }

    // A valid recipe with a few bytes changed where a damaged file differs.
    QByteArray mutated()
    {
        QByteArray bytes = validRecipe();
        const int changes = 1 + below(8);
        for (int k = 0; k < changes; ++k) {
            switch (below(4)) {
            case 0: bytes[recipelayout::CountOffset + below(4)] = byte(); break;
            case 1: bytes[recipelayout::InstructionsOffset + below(InstructionsCapacity + 1)] = byte(); break;
            case 2: bytes[recipelayout::ServingsOffset + below(RecipeCapacity * 6)] = byte(); break;
            default: bytes[below(RecipeFileSize)] = byte(); break;
            }
        }
        if (below(4) == 0)  // no zero anywhere in the text
            bytes.replace(recipelayout::InstructionsOffset, InstructionsCapacity + 1,
                          QByteArray(InstructionsCapacity + 1, 'q'));
        return bytes;
    }

    QByteArray next()
    {
        switch (below(4)) {
        case 0: return randomBytes(below(2) ? RecipeFileSize : below(RecipeFileSize * 2));
        case 1: return validRecipe().left(below(RecipeFileSize + 1));   // cut short
        case 2: return validRecipe() + randomBytes(1 + below(64));      // run on
        default: return mutated();
        }
    }

private:
    std::mt19937 random_;
};

void expectConsistent(const Recipes& recipes)
{
    ASSERT_GE(recipes.count(), 0);
    ASSERT_LE(recipes.count(), RecipeCapacity);
    ASSERT_EQ(recipes.ingredientLines().size(), recipes.count());
    ASSERT_LE(recipes.instructions().size(), InstructionsCapacity);
    for (int i = 0; i < recipes.count(); ++i)
        ASSERT_TRUE(recipes.ingredientLines()[i].endsWith(QLatin1Char('\t') + recipes.ingredient(i).name()));
}

} // namespace

using RecipeFuzzTest = RecipeTest;

TEST_F(RecipeFuzzTest, ThousandsOfImagesAreReadOrRefusedWhole)
{
    FileMaker maker(20261207);
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        const QByteArray bytes = maker.next();
        const RecipeFileRead read = readRecipeImage(bytes);
        if (read.problem != RecipeFileProblem::None)
            continue;
        ++accepted;
        ASSERT_EQ(bytes.size(), RecipeFileSize);
        recipes.apply(read.image);
        expectConsistent(recipes);
        ASSERT_EQ(recipes.count(), read.image.count);

        // What was read is written back the same, text byte for text byte.
        const std::optional<RecipeImage> again = recipes.image();
        ASSERT_TRUE(again.has_value());
        const RecipeFileRead reread = readRecipeImage(writeRecipeImage(*again));
        ASSERT_EQ(reread.problem, RecipeFileProblem::None);
        ASSERT_EQ(reread.image.count, read.image.count);
        ASSERT_EQ(reread.image.instructions, read.image.instructions);
        for (int i = 0; i < read.image.count; ++i) {
            ASSERT_EQ(reread.image.ingredients[static_cast<std::size_t>(i)],
                      read.image.ingredients[static_cast<std::size_t>(i)]);
            ASSERT_EQ(reread.image.servings[static_cast<std::size_t>(i)],
                      read.image.servings[static_cast<std::size_t>(i)]);
        }
    }
    // The generator reaches both sides.
    EXPECT_GT(accepted, 100);
    EXPECT_LT(accepted, 3600);
}

TEST_F(RecipeFuzzTest, TheLoaderKeepsTheRecipeInStepWithItsList)
{
    FileMaker maker(4187);
    for (int round = 0; round < 300; ++round) {
        writeAll(path(QStringLiteral("fuzz.rcp")), maker.next());
        if (recipes.count() > 0)
            ui.answers.push_back(Button::No);
        loadFrom(QStringLiteral("fuzz.rcp"));
        expectConsistent(recipes);
        ASSERT_TRUE(ui.answers.empty());
        // Messages are the question and at most one refusal.
        ASSERT_LE(ui.messages.size(), 2u);
        // The loaded recipe can still be edited.
        drop(0);
        expectConsistent(recipes);
        ui.messages.clear();
    }
}
