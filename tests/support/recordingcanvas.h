#pragma once
// A canvas that draws nothing and writes down every call with its arguments,
// one line per call ("ellipse 3 9 69 67", "brush 128 128 128", "text 10 20 Hi").
// Text is `charWidth` pixels per character, so layouts can be checked exactly.

#include "printing/canvas.h"

#include <QStringList>

namespace tolvane::test {

class RecordingCanvas : public Canvas {
public:
    QStringList calls;
    int charWidth = 6;
    int lineHeight = 10;

    void setPenColor(Rgb color) override { record(u"pen", color); }
    void setPenWidth(int width) override { calls.append(QStringLiteral("penwidth %1").arg(width)); }
    void setBrushColor(Rgb color) override { record(u"brush", color); }
    void setFontName(const QString& name) override { calls.append(QStringLiteral("font ") + name); }
    void setFontSize(int points) override { calls.append(QStringLiteral("fontsize %1").arg(points)); }
    void setFontPixelHeight(int pixels) override { calls.append(QStringLiteral("fontheight %1").arg(pixels)); }
    void setFontStyle(FontStyles style) override { calls.append(QStringLiteral("fontstyle %1").arg(style)); }
    void setFontPitch(FontPitch pitch) override;
    void setTextAlign(TextAlign align) override;
    void setTransparentText(bool transparent) override
    {
        calls.append(QStringLiteral("transparent %1").arg(transparent ? 1 : 0));
    }
    int textWidth(const QString& text) override { return static_cast<int>(text.size()) * charWidth; }
    void textOut(int x, int y, const QString& text) override
    {
        calls.append(QStringLiteral("text %1 %2 ").arg(x).arg(y) + text);
    }
    int textHeight(const QString&) override { return lineHeight; }
    void setClipRect(int x1, int y1, int x2, int y2) override { record(u"clip", {x1, y1, x2, y2}); }
    void clearClip() override { calls.append(QStringLiteral("noclip")); }
    void moveTo(int x, int y) override { record(u"moveto", {x, y}); }
    void lineTo(int x, int y) override { record(u"lineto", {x, y}); }
    void rectangle(int x1, int y1, int x2, int y2) override { record(u"rectangle", {x1, y1, x2, y2}); }
    void fillRect(int x1, int y1, int x2, int y2) override { record(u"fillrect", {x1, y1, x2, y2}); }
    void ellipse(int x1, int y1, int x2, int y2) override { record(u"ellipse", {x1, y1, x2, y2}); }
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        record(u"pie", {x1, y1, x2, y2, x3, y3, x4, y4});
    }
    void newPage() override { calls.append(QStringLiteral("newpage")); }

    // The calls whose line starts with `prefix`.
    QStringList only(const QString& prefix) const;
    // The text calls as "L x y text" or "R x y text" with the alignment in
    // effect, and "newpage" where a page ends.
    QStringList alignedTexts() const;

private:
    void record(QStringView op, Rgb color) { record(op, {color.red, color.green, color.blue}); }
    void record(QStringView op, std::initializer_list<int> args);
};

} // namespace tolvane::test
