// Pictures drawn for the screen's pixel ratio, so that a zoomed window shows
// them sharp: the trash cans and the print preview's pages.

#include "menu/meal.h"
#include "menu/menuprintout.h"
#include "menu/trashcan.h"
#include "printing/previewwindow.h"
#include "testfiles.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace tolvane;

TEST(TrashCanPicture, DrawnAtThePixelRatioOfTheScreen)
{
    for (const qreal ratio : {1.0, 2.0, 3.0})
        for (const bool open : {false, true}) {
            const QPixmap picture = TrashCan::picture(open, ratio);
            EXPECT_EQ(picture.size(), QSize(50, 50) * ratio);
            EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), ratio);
        }
    // Each ratio's picture is drawn anew: the 2x can is not the 1x one blown up.
    const QImage one = TrashCan::picture(false, 1.0).toImage();
    const QImage two = TrashCan::picture(false, 2.0).toImage();
    EXPECT_NE(two, one.scaled(100, 100).convertToFormat(two.format()));
    EXPECT_NE(TrashCan::picture(true, 2.0).toImage(), two);
}

TEST(PreviewPages, DrawnAtTwiceTheRatioTheyAreTheSamePageInTwiceThePixels)
{
    Week week{};
    week[weekIndex(1, 0)].append(test::makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}), 1.5L);
    const auto draw = [&](Canvas& c) { drawMenuPreview(c, week, QStringLiteral("Weekly Menu")); };
    const QImage one = PreviewWindow::render(draw);
    const std::vector<QImage> twice = PreviewWindow::renderPages(draw, 2.0);
    ASSERT_EQ(twice.size(), 1u);
    const QImage& two = twice.front();
    ASSERT_EQ(two.size(), QSize(1600, 2400));
    EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0);
    // The lines of the page stand where they stood, at twice the coordinates.
    for (const QPoint at : {QPoint(10, 600), QPoint(400, 40), QPoint(400, 221)}) {
        EXPECT_EQ(qGray(one.pixel(at)), 0);
        EXPECT_LT(qGray(two.pixel(at * 2)), 128) << at.x() << "," << at.y();
    }
    EXPECT_EQ(qGray(two.pixel(600, 600)), 255);
    // Drawn anew, not enlarged: the 2x page is not the 1x page scaled up.
    EXPECT_NE(two.convertToFormat(QImage::Format_RGB32),
              one.scaled(1600, 2400).convertToFormat(QImage::Format_RGB32));
}
