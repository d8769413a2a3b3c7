// The menu file image: golden bytes, round trips and the files it refuses.

#include "menu/menufile.h"
#include "testfiles.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// A 30022-byte image of zeros with hand-written hex patched in at fixed offsets.
QByteArray zeroImage() { return QByteArray(30022, '\0'); }

void put(QByteArray& bytes, int offset, const char* hex)
{
    const QByteArray patch = QByteArray::fromHex(QByteArray(hex));
    bytes.replace(offset, patch.size(), patch);
}

FoodItem plainItem(const QString& name, const Nutrients& values)
{
    FoodItem item;  // zero reserved bytes
    EXPECT_EQ(item.setName(name), EncodeResult::Ok);
    for (int n = 0; n < NutrientCount; ++n)
        EXPECT_TRUE(item.setNutrient(static_cast<Nutrient>(n), values[static_cast<std::size_t>(n)]));
    return item;
}

MenuImage smallWeek()
{
    MenuImage image;
    image.currentDay = 3;
    image.currentMeal = 2;
    image.totalsView = 1;
    EXPECT_EQ(image.week[0].append(plainItem(QStringLiteral("Apple"), {100, 1, 0, 0, 0, 0}), 2.5L),
              Meal::AddResult::Added);
    EXPECT_EQ(image.week[27].append(plainItem(QStringLiteral("Tea"), {}), 1.0L), Meal::AddResult::Added);
    return image;
}

} // namespace

TEST(MenuFile, WritesASmallWeekByteForByte)
{
    QByteArray expected = zeroImage();
    put(expected, 0, "030002000100");            // Wednesday, Dinner, Day totals
    put(expected, 6, "0100");                    // Sunday Breakfast: one entry
    put(expected, 8, "054170706c65");            // "Apple"
    put(expected, 55, "870000000048");           // 100 calories
    put(expected, 61, "810000000000");           // 1 g carbohydrate
    put(expected, 1018, "820000000020");         // 2.5 servings
    put(expected, 28950, "0100");                // Saturday Snack: one entry
    put(expected, 28952, "03546561");            // "Tea"
    put(expected, 29962, "810000000000");        // 1 serving

    const QByteArray written = writeMenuImage(smallWeek());
    ASSERT_EQ(written.size(), 30022);
    EXPECT_EQ(written.toHex(), expected.toHex());

    const MenuFileRead read = readMenuImage(expected);
    ASSERT_EQ(read.problem, MenuFileProblem::None);
    EXPECT_EQ(read.image, smallWeek());
    EXPECT_EQ(read.image.week[0].item(0).name(), QStringLiteral("Apple"));
    EXPECT_EQ(read.image.week[0].servings(0), 2.5L);
}

TEST(MenuFile, AFullWeekComesBackWhole)
{
    MenuImage image;
    image.currentDay = 6;
    image.currentMeal = 3;
    image.totalsView = 3;
    const auto items = numberedItems(280);
    for (int k = 0; k < MealsPerWeek; ++k)
        for (int i = 0; i < Meal::Capacity; ++i)
            ASSERT_EQ(image.week[static_cast<std::size_t>(k)].append(items[static_cast<std::size_t>(k * 10 + i)],
                                                                     0.5L * (k + i)),
                      Meal::AddResult::Added);

    const QByteArray bytes = writeMenuImage(image);
    ASSERT_EQ(bytes.size(), MenuFileSize);
    const MenuFileRead read = readMenuImage(bytes);
    ASSERT_EQ(read.problem, MenuFileProblem::None);
    EXPECT_EQ(read.image, image);
    // Saturday Snack's last entry, read back from its place in the file.
    EXPECT_EQ(read.image.week[27].item(9).name(), QStringLiteral("Item 0279"));
    EXPECT_EQ(read.image.week[27].servings(9), 18.0L);
    EXPECT_EQ(writeMenuImage(read.image), bytes);
}

TEST(MenuFile, KeepsTheBytesOfUnusedSlotsAsRead)
{
    QByteArray bytes = zeroImage();
    put(bytes, 6 + 1072 * 5, "0000");
    put(bytes, 6 + 1072 * 5 + 2 + 101 * 4, "0a5374616c652064617461");  // a stale record past the count
    const MenuFileRead read = readMenuImage(bytes);
    ASSERT_EQ(read.problem, MenuFileProblem::None);
    EXPECT_EQ(writeMenuImage(read.image), bytes);
}

TEST(MenuFile, RefusesWhatIsNoMenu)
{
    const QByteArray good = zeroImage();
    EXPECT_EQ(readMenuImage(good.left(30021)).problem, MenuFileProblem::TooShort);
    EXPECT_EQ(readMenuImage(QByteArray()).problem, MenuFileProblem::TooShort);

    for (const char* header : {"070000000000", "000004000000", "000000000400", "ffff00000000"}) {
        QByteArray bytes = good;
        put(bytes, 0, header);
        EXPECT_EQ(readMenuImage(bytes).problem, MenuFileProblem::CurrentValuesOutOfRange) << header;
    }
    QByteArray tooMany = good;
    put(tooMany, 6 + 1072 * 13, "0b00");  // Wednesday Lunch with 11 entries
    const MenuFileRead eleven = readMenuImage(tooMany);
    EXPECT_EQ(eleven.problem, MenuFileProblem::CountOutOfRange);
    EXPECT_EQ(eleven.badMeal, 13);

    QByteArray negative = good;
    put(negative, 6, "ffff");
    EXPECT_EQ(readMenuImage(negative).problem, MenuFileProblem::CountOutOfRange);

    QByteArray ten = good;
    put(ten, 6 + 1072 * 27, "0a00");
    put(ten, 0, "060003000300");
    EXPECT_EQ(readMenuImage(ten).problem, MenuFileProblem::None);
}
