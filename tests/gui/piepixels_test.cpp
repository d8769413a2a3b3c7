// The pies as drawn on screen: the painter canvas turns the canvas's pie
// (box, start radial, end radial, counter-clockwise) into the right pixels.

#include "menu/pie.h"
#include "menu/piewidget.h"
#include "printing/paintercanvas.h"
#include "recordingcanvas.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace tolvane;

namespace {

QColor rgb(Rgb c) { return QColor(c.red, c.green, c.blue); }

// The angle of a direction, counter-clockwise from twelve o'clock, in degrees
// 0..360, with y growing downwards.
double turnFromTop(double dx, double dy)
{
    double degrees = std::atan2(-dx, -dy) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

struct Expected {
    int checked = 0;
    int wrong = 0;
};

// A slice as the canvas was asked for it: the box and the two radial points.
struct Slice {
    Rgb color;
    int x3, y3, x4, y4;
};

// Counter-clockwise turn from angle `from` to angle `to`, 0..360.
double ccw(double from, double to)
{
    const double d = std::fmod(to - from + 720.0, 360.0);
    return d;
}

// Checks every pixel well inside the disc and off the slices' outlines
// against the slices the pie drawing asked for: each pixel belongs to the last
// slice whose wedge (from its start radial counter-clockwise to its end
// radial, both from the box's centre) holds it, or else to the yellow disc.
Expected checkSlices(const QImage& image, int size, const Shares& shares)
{
    test::RecordingCanvas recording;
    drawPie(recording, size, size, shares);
    std::vector<Slice> slices;
    Rgb brush = colors::White;
    for (const QString& call : recording.calls) {
        const QStringList parts = call.split(QLatin1Char(' '));
        if (parts[0] == QStringLiteral("brush"))
            brush = {parts[1].toInt(), parts[2].toInt(), parts[3].toInt()};
        if (parts[0] == QStringLiteral("pie"))
            slices.push_back({brush, parts[5].toInt(), parts[6].toInt(), parts[7].toInt(), parts[8].toInt()});
    }
    const double cx = (2 + size - 2 - 1) / 2.0;
    const double cy = (2 + size - 7 - 1) / 2.0;
    const double a = (size - 2 - 2 - 1) / 2.0;
    const double b = (size - 7 - 2 - 1) / 2.0;
    Expected result;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = x - cx;
            const double dy = y - cy;
            if (std::hypot(dx / (a - 3), dy / (b - 3)) >= 1.0 || std::hypot(dx, dy) < 5)
                continue;
            const double turn = turnFromTop(dx, dy);
            Rgb want = piecolors::Fat;
            bool nearBorder = false;
            for (const Slice& slice : slices) {
                const double from = turnFromTop(slice.x3 - cx, slice.y3 - cy);
                const double to = turnFromTop(slice.x4 - cx, slice.y4 - cy);
                double width = ccw(from, to);
                if (width == 0)
                    width = 360;
                const double into = ccw(from, turn);
                // The outline: one pixel along each radial, and the pixels
                // where a radial's whole-pixel end bends it.
                for (const auto& [px, py] : {std::pair{slice.x3, slice.y3}, std::pair{slice.x4, slice.y4}}) {
                    const double ux = px - cx;
                    const double uy = py - cy;
                    const double length = std::hypot(ux, uy);
                    if (dx * ux + dy * uy > 0 && std::abs(dx * uy - dy * ux) / length < 1.8)
                        nearBorder = true;
                }
                if (into < 1.0 || into > 359.0 || std::abs(into - width) < 1.0)
                    nearBorder = true;
                if (into < width)
                    want = slice.color;
            }
            if (nearBorder)
                continue;
            ++result.checked;
            if (image.pixelColor(x, y) != rgb(want))
                ++result.wrong;
        }
    }
    return result;
}

QImage drawnPie(int size, const Shares& shares)
{
    PieWidget pie(QStringLiteral("pie"), nullptr);
    pie.resize(size, size);
    QPalette palette = pie.palette();
    palette.setColor(QPalette::Button, QColor(212, 208, 200));
    pie.setPalette(palette);
    pie.setShares(shares);
    return pie.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(PiePixels, RecommendedPieOnTheLargeArea)
{
    const QImage image = drawnPie(225, RecommendedShares);
    ASSERT_EQ(image.size(), QSize(225, 225));
    const Expected slices = checkSlices(image, 225, RecommendedShares);
    EXPECT_GT(slices.checked, 20000);
    EXPECT_EQ(slices.wrong, 0);

    EXPECT_EQ(image.pixelColor(0, 0), QColor(212, 208, 200));      // background
    EXPECT_EQ(image.pixelColor(112, 220), rgb(piecolors::Shadow));  // below the disc, on the shadow
    EXPECT_EQ(image.pixelColor(112, 2), QColor(0, 0, 0));           // the outline at the top
    EXPECT_EQ(image.pixelColor(40, 110), rgb(piecolors::Carbohydrate));  // nine o'clock
    EXPECT_EQ(image.pixelColor(200, 150), rgb(piecolors::Protein));      // about four o'clock
    EXPECT_EQ(image.pixelColor(180, 50), rgb(piecolors::Fat));           // about two o'clock
}

TEST(PiePixels, SmallPiesOfOtherShares)
{
    for (const Shares shares : {Shares{0.25L, 0.25L, 0.5L}, Shares{0.1L, 0.8L, 0.1L}, Shares{0.5L, 0, 0.5L},
                                Shares{0, 0.25L, 0.75L}, RecommendedShares}) {
        const QImage image = drawnPie(69, shares);
        const Expected slices = checkSlices(image, 69, shares);
        EXPECT_GT(slices.checked, 1000);
        EXPECT_EQ(slices.wrong, 0) << static_cast<double>(shares.carbohydrate);
    }
}

TEST(PiePixels, AllCarbohydrateIsAFullGreenDiscAndNothingIsSilver)
{
    const QImage full = drawnPie(69, {1, 0, 0});
    EXPECT_EQ(full.pixelColor(20, 32), rgb(piecolors::Carbohydrate));
    EXPECT_EQ(full.pixelColor(50, 32), rgb(piecolors::Carbohydrate));
    EXPECT_EQ(full.pixelColor(34, 50), rgb(piecolors::Carbohydrate));

    const QImage empty = drawnPie(69, {});
    EXPECT_EQ(empty.pixelColor(34, 32), rgb(piecolors::Empty));
    EXPECT_EQ(empty.pixelColor(34, 64), rgb(piecolors::Shadow));
}

TEST(PiePixels, TinySharesDoNotFillTheDisc)
{
    // 0.1% carbohydrate, half protein: the left half aqua, the right half fat.
    const QImage half = drawnPie(69, {0.001L, 0.5L, 0.499L});
    EXPECT_EQ(half.pixelColor(15, 32), rgb(piecolors::Protein));
    EXPECT_EQ(half.pixelColor(25, 12), rgb(piecolors::Protein));
    EXPECT_EQ(half.pixelColor(54, 32), rgb(piecolors::Fat));
    EXPECT_EQ(half.pixelColor(45, 50), rgb(piecolors::Fat));
    // 99.9% carbohydrate and 0.1% protein: green all round.
    const QImage green = drawnPie(69, {0.999L, 0.001L, 0});
    for (const QPoint p : {QPoint(15, 32), QPoint(54, 32), QPoint(34, 50), QPoint(25, 15)})
        EXPECT_EQ(green.pixelColor(p), rgb(piecolors::Carbohydrate)) << p.x() << "," << p.y();
    // 0.1% protein alone: the fat's yellow disc with at most a sliver at the top.
    const QImage fat = drawnPie(225, {0, 0.001L, 0.999L});
    for (const QPoint p : {QPoint(40, 110), QPoint(180, 110), QPoint(112, 180), QPoint(80, 40), QPoint(150, 40)})
        EXPECT_EQ(fat.pixelColor(p), rgb(piecolors::Fat)) << p.x() << "," << p.y();
}

TEST(PainterCanvasPie, AnglesFollowTheRadialsOfAStretchedBox)
{
    // Box (2, 2)-(67, 63): centre (34, 32), half axes 32 and 30.
    const auto top = PainterCanvas::pieAngles(2, 2, 67, 63, 34, 2, 2, 32);  // twelve to nine o'clock
    EXPECT_EQ(top.start, 90 * 16);
    EXPECT_EQ(top.span, 90 * 16);
    const auto whole = PainterCanvas::pieAngles(2, 2, 67, 62, 34, 2, 34, 2);
    EXPECT_EQ(whole.span, 360 * 16);
    // A point on the diagonal of the box lies at 45 degrees of the circle the
    // ellipse is stretched from, whatever its pixel angle.
    const auto diagonal = PainterCanvas::pieAngles(0, 0, 101, 51, 100, 0, 0, 25);
    EXPECT_EQ(diagonal.start, 45 * 16);
    EXPECT_EQ(diagonal.span, 135 * 16);
}

TEST(PieWidgetPaint, DrawsNothingWhileTheTableIsBusy)
{
    bool busy = true;
    PieWidget pie(QStringLiteral("pie"), [&busy] { return busy; });
    pie.resize(69, 69);
    pie.setShares(RecommendedShares);
    EXPECT_EQ(pie.accessibleDescription(), QStringLiteral("Carbohydrate 60%, protein 10%, fat 30% of the calories"));
    const QImage idle = pie.grab().toImage();
    EXPECT_EQ(idle.pixelColor(34, 32), idle.pixelColor(0, 0));
    busy = false;
    EXPECT_NE(pie.grab().toImage().pixelColor(34, 32), idle.pixelColor(0, 0));
}
