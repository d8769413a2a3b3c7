#include "printing/printsurface.h"

#include "storage/numbertext.h"

namespace tolvane {

int roundMeasure(long double value) { return static_cast<int>(roundHalfEven(value)); }

int PageMetrics::sideMargin() const { return roundMeasure(width * (1.0L / 8.5L) * 0.25L); }

int PageMetrics::tenth() const { return width / 85; }

int PageMetrics::topMargin() const { return roundMeasure((height / 11) * 0.75L); }

int PageMetrics::lineHeight(int linesPerPage) const { return (height - topMargin()) / linesPerPage; }

} // namespace tolvane
