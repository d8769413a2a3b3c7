#pragma once
// The drawing surface that pies and printouts draw on. The screen, the printer
// page and the preview image implement it with a QPainter; tests record the
// calls. Coordinates are whole device pixels and follow the classic desktop
// canvas rules: boxes are given by their corners with the right and bottom edge
// outside the figure, the pen outlines and the brush fills.

#include <QPoint>
#include <QString>
#include <vector>

namespace tolvane {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Grey{128, 128, 128};
inline constexpr Rgb Silver{192, 192, 192};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Lime{0, 255, 0};
inline constexpr Rgb Aqua{0, 255, 255};
inline constexpr Rgb Yellow{255, 255, 0};
} // namespace colors

enum FontStyle : unsigned { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };
using FontStyles = unsigned;

enum class FontPitch { Default, Fixed, Variable };

enum class TextAlign { Left, Right, Center };

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setPenColor(Rgb color) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setBrushColor(Rgb color) = 0;

    virtual void setFontName(const QString& name) = 0;
    // Size in points (printer pages).
    virtual void setFontSize(int points) = 0;
    // Height in pixels (screen).
    virtual void setFontPixelHeight(int pixels) = 0;
    virtual void setFontStyle(FontStyles style) = 0;
    virtual void setFontPitch(FontPitch pitch) = 0;

    // Text is drawn with its top at y; x is its left edge, right end or centre.
    virtual void setTextAlign(TextAlign align) = 0;
    // Text leaves what is behind it visible (no background box).
    virtual void setTransparentText(bool transparent) = 0;
    virtual int textWidth(const QString& text) = 0;
    virtual void textOut(int x, int y, const QString& text) = 0;
    // The same text at each of the points, as textOut at each in turn; a
    // surface that lays the text out once draws many markers quicker.
    virtual void textOutEach(const std::vector<QPoint>& at, const QString& text)
    {
        for (const QPoint& p : at)
            textOut(p.x(), p.y(), text);
    }
    // The line height of the current font, for text that stands on a point.
    // Surfaces that only collect texts have no height to give.
    virtual int textHeight(const QString& text)
    {
        (void)text;
        return 0;
    }

    // Lines and figures drawn from here on are cut to (x1, y1)-(x2, y2), the
    // right and bottom edges excluded, until the clip is cleared. Surfaces
    // that draw nothing may ignore it.
    virtual void setClipRect(int x1, int y1, int x2, int y2)
    {
        (void)x1, (void)y1, (void)x2, (void)y2;
    }
    virtual void clearClip() {}

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;

    // Outlined with the pen and filled with the brush, inside (x1, y1) to
    // (x2, y2), the right and bottom edges excluded.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // Filled with the brush only, no outline.
    virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    // The slice of the ellipse in the box (x1, y1)-(x2, y2) from the radial
    // through (x3, y3) counter-clockwise to the radial through (x4, y4); the two
    // radials are drawn from the box's centre. When both radials coincide the
    // whole ellipse is drawn.
    virtual void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;

    virtual void newPage() = 0;
};

} // namespace tolvane
