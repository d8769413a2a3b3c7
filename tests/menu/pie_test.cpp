// The pie's drawing calls for the small (69 x 69) and large (225 x 225) areas.

#include "menu/pie.h"
#include "recordingcanvas.h"
#include "qstringprint.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {
QStringList drawn(int size, const Shares& shares, bool busy = false)
{
    RecordingCanvas canvas;
    drawPie(canvas, size, size, shares, busy);
    return canvas.calls;
}

QStringList lines(std::initializer_list<const char*> texts)
{
    QStringList l;
    for (const char* t : texts)
        l.append(QString::fromLatin1(t));
    return l;
}
} // namespace

TEST(Pie, RecommendedSplitOnTheSmallArea)
{
    EXPECT_EQ(drawn(69, RecommendedShares), lines({"pen 0 0 0", "penwidth 1", "brush 128 128 128", "ellipse 3 9 69 67",
                                                   "brush 255 255 0", "ellipse 2 2 67 62", "brush 0 255 0",
                                                   "pie 2 2 67 62 34 2 53 60", "brush 0 255 255",
                                                   "pie 2 2 67 62 53 60 64 44"}));
}

TEST(Pie, RecommendedSplitOnTheLargeArea)
{
    EXPECT_EQ(drawn(225, RecommendedShares),
              lines({"pen 0 0 0", "penwidth 1", "brush 128 128 128", "ellipse 3 9 225 223", "brush 255 255 0",
                     "ellipse 2 2 223 218", "brush 0 255 0", "pie 2 2 223 218 112 2 177 201", "brush 0 255 255",
                     "pie 2 2 223 218 177 201 217 146"}));
}

TEST(Pie, AllCarbohydrateIsOneSliceThatClosesOnItself)
{
    // Start and end at twelve o'clock: the platform draws the whole disc.
    EXPECT_EQ(drawn(69, {1, 0, 0}), lines({"pen 0 0 0", "penwidth 1", "brush 128 128 128", "ellipse 3 9 69 67",
                                           "brush 255 255 0", "ellipse 2 2 67 62", "brush 0 255 0",
                                           "pie 2 2 67 62 34 2 34 2"}));
    const QStringList large = drawn(225, {1, 0, 0});
    ASSERT_EQ(large.size(), 8);
    EXPECT_EQ(large.last(), QStringLiteral("pie 2 2 223 218 112 2 112 2"));
}

TEST(Pie, NothingGivesASilverDiscOverTheShadow)
{
    EXPECT_EQ(drawn(69, {0, 0, 0}), lines({"pen 0 0 0", "penwidth 1", "brush 128 128 128", "ellipse 3 9 69 67",
                                           "brush 192 192 192", "ellipse 2 2 67 62"}));
    EXPECT_EQ(drawn(225, {0, 0, 0}).mid(3), lines({"ellipse 3 9 225 223", "brush 192 192 192", "ellipse 2 2 223 218"}));
}

TEST(Pie, FatOnlyIsAYellowDiscWithoutSlices)
{
    const QStringList calls = drawn(69, {0, 0, 1});
    EXPECT_EQ(calls.last(), QStringLiteral("ellipse 2 2 67 62"));
    EXPECT_TRUE(calls.contains(QStringLiteral("brush 255 255 0")));
    EXPECT_FALSE(calls.join(QLatin1Char('|')).contains(QStringLiteral("pie")));
}

TEST(Pie, ProteinAloneStartsAtTwelveOClock)
{
    // A quarter of protein: from the top to nine o'clock.
    EXPECT_EQ(drawn(69, {0, 0.25L, 0.75L}).last(), QStringLiteral("pie 2 2 67 62 34 2 2 34"));
}

TEST(Pie, ATinyShareWhoseEndFallsOnItsStartIsLeftOut)
{
    // 0.1% carbohydrate ends on the start point: drawn, it would be a full
    // green disc hiding the protein's half and the fat.
    EXPECT_EQ(drawn(69, {0.001L, 0.5L, 0.499L}).mid(4),
              lines({"brush 255 255 0", "ellipse 2 2 67 62", "brush 0 255 255", "pie 2 2 67 62 34 2 34 66"}));
    // 99.9% carbohydrate closes on itself and is the whole disc; the 0.1% of
    // protein after it would cover everything in aqua.
    EXPECT_EQ(drawn(69, {0.999L, 0.001L, 0}).mid(4),
              lines({"brush 255 255 0", "ellipse 2 2 67 62", "brush 0 255 0", "pie 2 2 67 62 34 2 34 2"}));
    EXPECT_EQ(drawn(69, {0, 0.001L, 0.999L}).mid(4), lines({"brush 255 255 0", "ellipse 2 2 67 62"}));
    EXPECT_EQ(drawn(225, {0.0005L, 0.5L, 0.4995L}).mid(4), lines({"brush 255 255 0", "ellipse 2 2 223 218",
                                                                  "brush 0 255 255", "pie 2 2 223 218 112 2 112 222"}));
    // A small share whose end point moved off the start is still drawn.
    EXPECT_EQ(drawn(69, {0.004L, 0.5L, 0.496L}).mid(6, 2), lines({"brush 0 255 0", "pie 2 2 67 62 34 2 33 2"}));
}

TEST(Pie, NothingIsDrawnWhileTheTableIsBusy)
{
    EXPECT_TRUE(drawn(69, RecommendedShares, true).isEmpty());
}

TEST(Pie, DescriptionNamesTheThreeShares)
{
    EXPECT_EQ(pieDescription(RecommendedShares), QStringLiteral("Carbohydrate 60%, protein 10%, fat 30% of the calories"));
    EXPECT_EQ(pieDescription({}), QStringLiteral("Empty pie: no carbohydrate, protein or fat"));
}
