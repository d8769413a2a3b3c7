#pragma once
// The calorie pie: a grey shadow, a yellow disc (fat), and from twelve o'clock
// counter-clockwise a green slice for carbohydrate and an aqua slice for
// protein. Nothing at all gives a silver disc.

#include "menu/caloriesplit.h"
#include "printing/canvas.h"

namespace tolvane {

namespace piecolors {
inline constexpr Rgb Shadow = colors::Grey;
inline constexpr Rgb Empty = colors::Silver;
inline constexpr Rgb Carbohydrate = colors::Lime;
inline constexpr Rgb Protein = colors::Aqua;
inline constexpr Rgb Fat = colors::Yellow;
} // namespace piecolors

// Draws the pie for a paint area of width x height pixels. Skipped while the
// food item table is being rewritten (`tableBusy`).
void drawPie(Canvas& canvas, int width, int height, const Shares& shares, bool tableBusy = false);

// A short description of a pie for assistive technology.
QString pieDescription(const Shares& shares);

} // namespace tolvane
