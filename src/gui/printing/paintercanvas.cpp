#include "printing/paintercanvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <cmath>
#include <numbers>

namespace tolvane {

namespace {
QColor qtColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// The figure of a box whose right and bottom edges lie outside it: a 1-pixel
// outline drawn by QPainter around QRect(x, y, w, h) covers w + 1 pixels.
QRect figureRect(int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1); }
} // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter), font_(painter.font())
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PainterCanvas::setPenColor(Rgb color)
{
    QPen pen = painter_.pen();
    pen.setColor(qtColor(color));
    painter_.setPen(pen);
}

void PainterCanvas::setPenWidth(int width)
{
    QPen pen = painter_.pen();
    pen.setWidth(width);
    painter_.setPen(pen);
}

void PainterCanvas::setBrushColor(Rgb color) { painter_.setBrush(qtColor(color)); }

void PainterCanvas::setFontName(const QString& name)
{
    font_.setFamily(name);
    applyFont();
}

void PainterCanvas::setFontSize(int points)
{
    font_.setPointSize(points);
    applyFont();
}

void PainterCanvas::setFontPixelHeight(int pixels)
{
    font_.setPixelSize(pixels);
    applyFont();
}

void PainterCanvas::setFontStyle(FontStyles style)
{
    font_.setBold((style & Bold) != 0);
    font_.setItalic((style & Italic) != 0);
    font_.setUnderline((style & Underline) != 0);
    applyFont();
}

void PainterCanvas::setFontPitch(FontPitch pitch)
{
    font_.setFixedPitch(pitch == FontPitch::Fixed);
    font_.setStyleHint(pitch == FontPitch::Fixed ? QFont::TypeWriter : QFont::AnyStyle);
    applyFont();
}

void PainterCanvas::applyFont() { painter_.setFont(font_); }

int PainterCanvas::textWidth(const QString& text)
{
    return QFontMetrics(font_, painter_.device()).horizontalAdvance(text);
}

void PainterCanvas::textOut(int x, int y, const QString& text)
{
    const QFontMetrics metrics(font_, painter_.device());
    const int width = metrics.horizontalAdvance(text);
    int left = x;
    if (align_ == TextAlign::Right)
        left = x - width;
    else if (align_ == TextAlign::Center)
        left = x - width / 2;
    if (!transparent_)
        painter_.fillRect(QRect(left, y, width, metrics.height()), Qt::white);
    painter_.drawText(QPoint(left, y + metrics.ascent()), text);
}

void PainterCanvas::textOutEach(const std::vector<QPoint>& at, const QString& text)
{
    if (at.empty() || text.isEmpty())
        return;
    const QFontMetrics metrics(font_, painter_.device());
    const int width = metrics.horizontalAdvance(text);
    const int shift = align_ == TextAlign::Right ? width : align_ == TextAlign::Center ? width / 2 : 0;
    if (!transparent_)
        for (const QPoint& p : at)
            painter_.fillRect(QRect(p.x() - shift, p.y(), width, metrics.height()), Qt::white);
    // Laid out once, as textOut lays it out, and its glyphs placed at every
    // point: one run of glyphs instead of a text shaped and drawn per point.
    QTextLayout layout(text, font_, painter_.device());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    for (QGlyphRun run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> offsets = run.positions();
        QList<quint32> allGlyphs;
        QList<QPointF> allPositions;
        allGlyphs.reserve(glyphs.size() * static_cast<qsizetype>(at.size()));
        allPositions.reserve(allGlyphs.capacity());
        for (const QPoint& p : at) {
            const QPointF baseline(p.x() - shift, p.y() + metrics.ascent() - line.ascent());
            allGlyphs += glyphs;
            for (const QPointF& offset : offsets)
                allPositions.push_back(baseline + offset);
        }
        run.setGlyphIndexes(allGlyphs);
        run.setPositions(allPositions);
        painter_.drawGlyphRun(QPointF(0, 0), run);
    }
}

int PainterCanvas::textHeight(const QString& text)
{
    Q_UNUSED(text);
    return QFontMetrics(font_, painter_.device()).height();
}

void PainterCanvas::setClipRect(int x1, int y1, int x2, int y2)
{
    painter_.setClipRect(QRect(x1, y1, x2 - x1, y2 - y1));
}

void PainterCanvas::clearClip() { painter_.setClipping(false); }

void PainterCanvas::lineTo(int x, int y)
{
    const QPoint to(x, y);
    painter_.drawLine(position_, to);
    position_ = to;
}

void PainterCanvas::rectangle(int x1, int y1, int x2, int y2) { painter_.drawRect(figureRect(x1, y1, x2, y2)); }

void PainterCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    painter_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), painter_.brush());
}

void PainterCanvas::ellipse(int x1, int y1, int x2, int y2) { painter_.drawEllipse(figureRect(x1, y1, x2, y2)); }

PainterCanvas::PieAngles PainterCanvas::pieAngles(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    // The radials run from the figure's centre through the two points. QPainter
    // measures an ellipse's angles on the circle it is stretched from, so each
    // point is first scaled back onto that circle.
    const QRectF figure = figureRect(x1, y1, x2, y2);
    const double cx = figure.center().x();
    const double cy = figure.center().y();
    const double a = std::max(figure.width() / 2.0, 0.5);
    const double b = std::max(figure.height() / 2.0, 0.5);
    const auto degrees = [&](int x, int y) {
        return std::atan2(-(y - cy) / b, (x - cx) / a) * 180.0 / std::numbers::pi;
    };
    const double start = degrees(x3, y3);
    double span = degrees(x4, y4) - start;
    // Counter-clockwise from start to end; the same radial twice is the whole ellipse.
    while (span <= 0)
        span += 360.0;
    return {static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16))};
}

void PainterCanvas::pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const PieAngles angles = pieAngles(x1, y1, x2, y2, x3, y3, x4, y4);
    painter_.drawPie(figureRect(x1, y1, x2, y2), angles.start, angles.span);
}

void PainterCanvas::newPage()
{
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(painter_.device()))
        paged->newPage();
}

} // namespace tolvane
