#pragma once
// The trend of the weight graph's actual weights: a moving average and the
// weekly rate, and the small legend that names the graph's lines with it.

#include "printing/canvas.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

namespace tolvane {

struct GraphData;

// The option's settings key, the rate's unit unless the pages show kilograms,
// and the line's colour.
inline const QString ShowTrendKey = QStringLiteral("ShowTrend");
inline const QString TrendUnit = QStringLiteral("lb");
inline constexpr Rgb TrendColor{0, 128, 0};
inline constexpr int TrendWeights = 7;
inline constexpr int TrendRateDays = 28;

struct TrendPoint {
    long double date = 0;
    long double weight = 0;
};

struct WeightTrend {
    std::vector<TrendPoint> points;
    std::optional<long double> weeklyRate;
    QString unit = TrendUnit;  // of the weights, for the rate's text
};

// The trend of the actual weights: at each actual weight, by date, the average
// of it and the (up to) six actual weights before it; rows without an actual
// weight are skipped, not counted as 0. The weekly rate is the least-squares
// slope over the actual weights of the last 28 days, by their dates, times 7;
// it needs two weights on different days.
WeightTrend weightTrend(const GraphData& data);
// "-0.8 lb/week", "+0.3 lb/week", "0.0 lb/week", in the log's number format.
QString weeklyRateText(long double rate, const QLocale& locale, const QString& unit = TrendUnit);

// The legend in the plot box's top right corner: a stroke of each line's
// colour with its name, then the weekly rate.
void drawTrendLegend(Canvas& canvas, const WeightTrend& trend, const QLocale& locale);

} // namespace tolvane
