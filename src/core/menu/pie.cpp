#include "menu/pie.h"

#include <cmath>
#include <numbers>

namespace tolvane {

namespace {
// Where the radial at a share of the full turn meets the circle, counted
// counter-clockwise from twelve o'clock. Both coordinates use the same centre:
// the paint areas are square.
struct Point {
    int x;
    int y;
};

Point endPoint(long double centre, int radius, long double share)
{
    const long double angle = share * 2 * std::numbers::pi_v<long double>;
    return {static_cast<int>(std::trunc(centre - radius * std::sin(angle))),
            static_cast<int>(std::trunc(centre - radius * std::cos(angle)))};
}

int roundHalfEvenInt(long double value) { return static_cast<int>(std::nearbyint(value)); }

// A slice whose end point falls on its start point is drawn by the platform as
// the whole disc. That is right for a share that fills (nearly) the whole turn;
// a tiny share truncated onto its start point is left out instead.
bool drawable(Point start, Point end, long double share)
{
    return start.x != end.x || start.y != end.y || share >= 0.5L;
}
} // namespace

void drawPie(Canvas& canvas, int width, int height, const Shares& shares, bool tableBusy)
{
    if (tableBusy)
        return;
    const int left = 2;
    const int top = 2;
    const int right = width - 2;
    const int bottom = height - 7;
    const int radius = (right - left) / 2;
    const long double centre = width * 0.5L;

    canvas.setPenColor(colors::Black);
    canvas.setPenWidth(1);
    canvas.setBrushColor(piecolors::Shadow);
    canvas.ellipse(3, 9, width, height - 2);

    if (!(shares.carbohydrate + shares.protein + shares.fat > 0)) {
        canvas.setBrushColor(piecolors::Empty);
        canvas.ellipse(left, top, right, bottom);
        return;
    }
    canvas.setBrushColor(piecolors::Fat);
    canvas.ellipse(left, top, right, bottom);

    // The default rounding mode takes halves to the even neighbour.
    Point start{roundHalfEvenInt(centre), top};
    if (shares.carbohydrate > 0) {
        const Point end = endPoint(centre, radius, shares.carbohydrate);
        if (drawable(start, end, shares.carbohydrate)) {
            canvas.setBrushColor(piecolors::Carbohydrate);
            canvas.pie(left, top, right, bottom, start.x, start.y, end.x, end.y);
        }
        start = end;
    }
    if (shares.protein > 0) {
        const Point end = endPoint(centre, radius, shares.carbohydrate + shares.protein);
        if (drawable(start, end, shares.protein)) {
            canvas.setBrushColor(piecolors::Protein);
            canvas.pie(left, top, right, bottom, start.x, start.y, end.x, end.y);
        }
    }
}

QString pieDescription(const Shares& shares)
{
    if (!(shares.carbohydrate + shares.protein + shares.fat > 0))
        return QStringLiteral("Empty pie: no carbohydrate, protein or fat");
    return QStringLiteral("Carbohydrate %1, protein %2, fat %3 of the calories")
        .arg(percentText(shares.carbohydrate).trimmed(), percentText(shares.protein).trimmed(),
             percentText(shares.fat).trimmed());
}

} // namespace tolvane
