// The recipe file byte for byte: what "&Save Recipe" writes, and which images
// the reader refuses.

#include "recipefixture.h"

#include <QDir>
#include <QFile>
#include <limits>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QByteArray zeroImage() { return QByteArray(RecipeFileSize, '\0'); }

// A valid image of `count` slots with `text` as the instructions.
QByteArray imageWith(qint32 count, const QByteArray& text = {})
{
    QByteArray bytes = zeroImage();
    const auto c = static_cast<quint32>(count);
    for (int b = 0; b < 4; ++b)
        bytes[2140 + b] = static_cast<char>((c >> (8 * b)) & 0xFF);
    bytes.replace(2180, text.size(), text);
    return bytes;
}

} // namespace

using RecipeFileTest = RecipeTest;

TEST_F(RecipeFileTest, AnEmptyRecipeIsZerosWithOneServing)
{
    QByteArray expected = zeroImage();
    put(expected, 4181, "810000000000");  // recipe servings 1.0

    const QByteArray written = saveAs(QStringLiteral("empty.rcp"));
    ASSERT_EQ(written.size(), 4187);
    EXPECT_EQ(written.toHex(), expected.toHex());
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].filter, QStringLiteral("Recipes (*.rcp)"));
    EXPECT_EQ(ui.saveRequests[0].defaultSuffix, QStringLiteral("rcp"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecipeFileTest, OneIngredientWithInstructionsAndServings)
{
    drop(2, QStringLiteral("2.5"));  // Soup: 100 kcal, 10 g, 5 g, 2 g, 4 mg sodium, 2 mg cholesterol
    recipes.setInstructions(QStringLiteral("Stir.\r\nServe."));
    recipes.setRecipeServingsText(QStringLiteral("4"));

    QByteArray expected = zeroImage();
    put(expected, 0, "04536f7570");          // "Soup"
    put(expected, 47, "870000000048"         // 100 kcal
                      "840000000020"         // 10 g carbohydrate
                      "830000000020"         // 5 g protein
                      "820000000000"         // 2 g fat
                      "830000000000"         // 4 mg sodium
                      "820000000000");       // 2 mg cholesterol
    put(expected, 2020, "820000000020");     // 2.5 servings
    put(expected, 2140, "01000000");         // one ingredient
    put(expected, 2144, "88000000007a"       // 250 kcal
                        "850000000048"       // 25 g carbohydrate
                        "840000000048"       // 12.5 g protein
                        "830000000020"       // 5 g fat
                        "830000000020"       // cholesterol 5 mg comes before
                        "840000000020");     // sodium 10 mg
    put(expected, 2180, "537469722e0d0a53657276652e00");  // "Stir.\r\nServe." and its zero
    put(expected, 4181, "830000000000");     // 4 servings

    const QByteArray written = saveAs(QStringLiteral("soup.rcp"));
    EXPECT_EQ(written.toHex(), expected.toHex());
}

TEST_F(RecipeFileTest, TwentyIngredientsInTheirOrder)
{
    std::vector<FoodItem> items;
    for (int i = 0; i < RecipeCapacity; ++i)
        items.push_back(makeItem(QStringLiteral("Item %1").arg(i, 2, 10, QLatin1Char('0')), {100, 0, 0, 0, 0, 0}));
    start(items);
    for (int i = RecipeCapacity - 1; i >= 0; --i)
        drop(i);

    QByteArray expected = zeroImage();
    for (int k = 0; k < RecipeCapacity; ++k) {
        // Slot k holds table row 19 - k, whole, reserved bytes and all.
        const FoodItem& item = items[static_cast<std::size_t>(RecipeCapacity - 1 - k)];
        expected.replace(101 * k, 101, QByteArray(reinterpret_cast<const char*>(item.bytes.data()), 101));
        put(expected, 2020 + 6 * k, "810000000000");
    }
    put(expected, 2140, "14000000");       // 20
    put(expected, 2144, "8b000000007a");   // 2000 kcal = 1.953125 * 2^10
    put(expected, 4181, "810000000000");

    const QByteArray written = saveAs(QStringLiteral("twenty.rcp"));
    EXPECT_EQ(written.toHex(), expected.toHex());
    EXPECT_EQ(QByteArray::fromRawData(written.constData() + 1919, 8), QByteArrayLiteral("\x07Item 00"));
}

TEST_F(RecipeFileTest, TwoThousandCharactersEndInTheLastInstructionByte)
{
    QString text;
    for (int i = 0; i < InstructionsCapacity; ++i)
        text.append(QChar(u'a' + i % 26));
    recipes.setInstructions(text + QStringLiteral("overflow"));
    EXPECT_EQ(recipes.instructions(), text);

    QByteArray expected = zeroImage();
    expected.replace(2180, 2000, text.toLatin1());
    put(expected, 4180, "00810000000000");  // the zero in byte 2001, then 1.0 servings
    const QByteArray written = saveAs(QStringLiteral("long.rcp"));
    EXPECT_EQ(written.toHex(), expected.toHex());
}

TEST_F(RecipeFileTest, InstructionsAreCutBeforeAHalfLineBreak)
{
    const QString text = QString(1999, QLatin1Char('x')) + QStringLiteral("\r\nmore");
    recipes.setInstructions(text);
    EXPECT_EQ(recipes.instructions(), QString(1999, QLatin1Char('x')));
}

TEST_F(RecipeFileTest, InstructionsAreWesternEuropeanBytes)
{
    recipes.setInstructions(QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e \u20ac5"));
    const QByteArray written = saveAs(QStringLiteral("creme.rcp"));
    // è, û, é and € have single bytes in the Western European code page.
    EXPECT_EQ(written.mid(2180, 16).toHex(), QByteArray("4372e86d65206272fb6ce96520803500"));
}

TEST_F(RecipeFileTest, InstructionsWithoutASingleByteFormAreNotSaved)
{
    recipes.setInstructions(QStringLiteral("Garnish \u2603"));
    ui.saveAnswers.push_back(QStringLiteral("snow.rcp"));
    EXPECT_EQ(recipes.save(), Recipes::SaveOutcome::Failed);
    EXPECT_EQ(ui.messages, std::vector<Message>{warning(recipemsg::InstructionsNotStorable)});
    EXPECT_TRUE(ui.saveRequests.empty());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("snow.rcp"))));
    EXPECT_EQ(recipes.instructions(), QStringLiteral("Garnish \u2603"));
}

TEST_F(RecipeFileTest, UnreadableRecipeServingsAreSavedAsOne)
{
    for (const QString& text : {QString(), QStringLiteral("abc"), QStringLiteral("1,5")}) {
        recipes.setRecipeServingsText(text);
        const QByteArray written = saveAs(QStringLiteral("servings.rcp"));
        EXPECT_EQ(written.mid(4181).toHex(), QByteArray("810000000000")) << text.toStdString();
    }
    recipes.setRecipeServingsText(QStringLiteral(" 2."));
    EXPECT_EQ(saveAs(QStringLiteral("servings.rcp")).mid(4181).toHex(), QByteArray("820000000000"));
}

TEST_F(RecipeFileTest, CancellingTheDialogWritesNothing)
{
    drop(0);
    EXPECT_EQ(recipes.save(), Recipes::SaveOutcome::Cancelled);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.rcp")}), QStringList());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecipeFileTest, AFileThatCannotBeCreatedIsReported)
{
    ui.saveAnswers.push_back(path(QStringLiteral("missing/folder/x.rcp")));
    EXPECT_EQ(recipes.save(), Recipes::SaveOutcome::Failed);
    EXPECT_EQ(ui.messages,
              (std::vector<Message>{createQuestion(QStringLiteral("x.rcp")), warning(recipemsg::CannotCreate)}));
}

TEST_F(RecipeFileTest, SavingReplacesAnOlderFileWhole)
{
    writeAll(path(QStringLiteral("old.rcp")), QByteArray(9000, 'z'));
    EXPECT_EQ(saveAs(QStringLiteral("old.rcp")).size(), RecipeFileSize);
}

// --- The reader.

TEST(RecipeImage, ReadsTheLayoutItWasGiven)
{
    QByteArray bytes = imageWith(2, QByteArrayLiteral("Mix"));
    put(bytes, 0, "0141");                   // "A"
    put(bytes, 101, "0142");                 // "B"
    put(bytes, 202, "0143");                 // a third slot, beyond the count
    put(bytes, 2020, "810000000000820000000020");
    put(bytes, 2144, "810000000000820000000000830000000000840000000000850000000000860000000000");
    put(bytes, 2184, "ffffff");              // after the zero: ignored
    put(bytes, 4181, "820000000020");

    const RecipeFileRead read = readRecipeImage(bytes);
    ASSERT_EQ(read.problem, RecipeFileProblem::None);
    const RecipeImage& image = read.image;
    EXPECT_EQ(image.count, 2);
    EXPECT_EQ(image.ingredients[0].name(), QStringLiteral("A"));
    EXPECT_EQ(image.ingredients[1].name(), QStringLiteral("B"));
    EXPECT_EQ(image.ingredients[2], FoodItem{});
    EXPECT_EQ(real6ToLongDouble(image.servings[1]), 2.5L);
    EXPECT_EQ(image.instructions, QByteArrayLiteral("Mix"));
    EXPECT_EQ(real6ToLongDouble(image.recipeServings), 2.5L);
    // In the file cholesterol (16) comes before sodium (32).
    EXPECT_EQ(image.totals, (Nutrients{1, 2, 4, 8, 32, 16}));
}

TEST(RecipeImage, RefusesWhatIsNotARecipe)
{
    for (const qsizetype size : {0, 1, 4186, 4188, 30022}) {
        const RecipeFileRead read = readRecipeImage(QByteArray(size, '\0'));
        EXPECT_EQ(read.problem, RecipeFileProblem::WrongSize) << size;
        EXPECT_EQ(read.size, size);
    }
    for (const qint32 count : {-1, 21, 1000, std::numeric_limits<qint32>::min()}) {
        const RecipeFileRead read = readRecipeImage(imageWith(count));
        EXPECT_EQ(read.problem, RecipeFileProblem::CountOutOfRange) << count;
        EXPECT_EQ(read.count, count);
    }
    EXPECT_EQ(readRecipeImage(imageWith(20)).problem, RecipeFileProblem::None);
    EXPECT_EQ(readRecipeImage(imageWith(0)).problem, RecipeFileProblem::None);

    // 2001 bytes of text and no zero among them.
    QByteArray unterminated = imageWith(0, QByteArray(2001, 'x'));
    EXPECT_EQ(readRecipeImage(unterminated).problem, RecipeFileProblem::NoTerminator);
    // The zero in the last of the 2001 bytes is fine.
    const RecipeFileRead full = readRecipeImage(imageWith(0, QByteArray(2000, 'x')));
    ASSERT_EQ(full.problem, RecipeFileProblem::None);
    EXPECT_EQ(full.image.instructions.size(), 2000);
}

TEST(RecipeImage, WritesWhatItReads)
{
    RecipeImage image;
    image.count = 3;
    for (int i = 0; i < 3; ++i) {
        image.ingredients[static_cast<std::size_t>(i)] = makeItem(QStringLiteral("Food %1").arg(i), {1, 2, 3, 4, 5, 6});
        image.servings[static_cast<std::size_t>(i)] = *longDoubleToReal6(0.5L + i);
    }
    image.totals = {10, 20, 30, 40, 50, 60};
    image.instructions = QByteArrayLiteral("Line 1\r\nLine 2");
    image.recipeServings = *longDoubleToReal6(6);
    const RecipeFileRead read = readRecipeImage(writeRecipeImage(image));
    ASSERT_EQ(read.problem, RecipeFileProblem::None);
    EXPECT_EQ(read.image, image);
}

TEST(RecipeImage, TotalsTooLargeToStoreAreWrittenAsZero)
{
    RecipeImage image;
    image.totals[0] = 1e300L;
    image.totals[1] = 3;
    const QByteArray bytes = writeRecipeImage(image);
    EXPECT_EQ(bytes.mid(2144, 12).toHex(), QByteArray("000000000000820000000040"));
}
