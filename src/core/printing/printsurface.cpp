#include "printing/printsurface.h"

#include "storage/numbertext.h"

#include <algorithm>
#include <limits>

namespace tolvane {

int roundMeasure(long double value)
{
    // Saturates instead of wrapping past what an int holds.
    constexpr std::int64_t lo = std::numeric_limits<int>::min();
    constexpr std::int64_t hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(roundHalfEven(value), lo, hi));
}

int PageMetrics::sideMargin() const { return roundMeasure(width * (1.0L / 8.5L) * 0.25L); }

int PageMetrics::tenth() const { return width / 85; }

int PageMetrics::topMargin() const { return roundMeasure((height / 11) * 0.75L); }

int PageMetrics::lineHeight(int linesPerPage) const { return (height - topMargin()) / linesPerPage; }

} // namespace tolvane
