#pragma once
// The two surfaces every printout draws on: the printer page, measured in the
// printer's device pixels, and the preview window's fixed 800 x 1200 image.
// Also the title prompt that each printout shows before it draws.

#include "printing/canvas.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace tolvane {

enum class PageOrientation { Portrait, Landscape };

// The preview window's page image.
inline constexpr int PreviewWidth = 800;
inline constexpr int PreviewHeight = 1200;

// A page's measures. The layouts assume an 8.5 x 11 inch sheet, so the margins
// come from the pixel size: a quarter inch at the sides, a tenth of an inch as
// a unit, three quarters of an inch at the top. Integer division truncates;
// rounding takes halves to the even neighbour.
struct PageMetrics {
    int width = 0;   // W, device pixels
    int height = 0;  // H, device pixels

    int sideMargin() const;   // Round(W x (1/8.5) x 0.25)
    int tenth() const;        // W div 85
    int topMargin() const;    // Round((H div 11) x 0.75)
    // (H - top margin) div `linesPerPage`.
    int lineHeight(int linesPerPage) const;
};

// Whole-number rounding of a layout measure (halves to even).
int roundMeasure(long double value);

// The Menu Title dialog as a printout sets it up: its prompt, caption and the
// title it starts with (no title is remembered between printouts).
struct TitlePrompt {
    QString prompt;
    QString caption;
    QString initialTitle;
    bool operator==(const TitlePrompt&) const = default;
};

// The title box takes at most this many characters.
inline constexpr int TitleMaxLength = 30;

// One document on the printer: a canvas on its first page and the page size.
// Ending the job sends it; a job dropped without `end` is abandoned.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual Canvas& canvas() = 0;
    virtual PageMetrics page() const = 0;
    // False when the document could not be sent or written whole.
    virtual bool end() = 0;
};

// What the Print Preview window shows and what its menu does.
struct PreviewRequest {
    std::function<void(Canvas&)> draw;      // draws the page image
    std::function<void()> print;            // its "&Print"
    std::function<void()> printSetup;       // its "Print &Setup"
    bool modal = true;                      // false: shown without waiting
};

} // namespace tolvane
