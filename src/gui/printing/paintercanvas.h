#pragma once
// The canvas on a QPainter: the screen's pies, the printer page and the
// preview image. Boxes keep the classic canvas meaning (right and bottom edge
// outside the figure); pies go counter-clockwise from the start radial to the
// end radial, as the slices of the calorie pies expect.

#include "printing/canvas.h"

#include <QFont>
#include <QPoint>

class QPainter;

namespace tolvane {

class PainterCanvas : public Canvas {
public:
    // Draws without antialiasing, so figures cover whole pixels as on paper.
    explicit PainterCanvas(QPainter& painter);

    void setPenColor(Rgb color) override;
    void setPenWidth(int width) override;
    void setBrushColor(Rgb color) override;
    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void setFontPixelHeight(int pixels) override;
    void setFontStyle(FontStyles style) override;
    void setFontPitch(FontPitch pitch) override;
    void setTextAlign(TextAlign align) override { align_ = align; }
    void setTransparentText(bool transparent) override { transparent_ = transparent; }
    int textWidth(const QString& text) override;
    void textOut(int x, int y, const QString& text) override;
    void textOutEach(const std::vector<QPoint>& at, const QString& text) override;
    int textHeight(const QString& text) override;
    void setClipRect(int x1, int y1, int x2, int y2) override;
    void clearClip() override;
    void moveTo(int x, int y) override { position_ = QPoint(x, y); }
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void newPage() override;

    // The start and span, in sixteenths of a degree as QPainter::drawPie takes
    // them, of the slice in the box from radial (x3, y3) to radial (x4, y4).
    struct PieAngles {
        int start;
        int span;
    };
    static PieAngles pieAngles(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

private:
    void applyFont();

    QPainter& painter_;
    QFont font_;
    QPoint position_;
    TextAlign align_ = TextAlign::Left;
    bool transparent_ = false;
};

} // namespace tolvane
