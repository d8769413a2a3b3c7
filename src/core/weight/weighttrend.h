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

// The trend kept from one drawing to the next: a key typed into the grid
// changes one row, and an average of seven weights changes at most seven
// points, so only those are computed again. The result is the same as
// `weightTrend` of the same rows, to the last bit.
class TrendKeeper {
public:
    WeightTrend& update(const GraphData& data);

private:
    struct Entry {
        long double date = 0;
        long double weight = 0;
        std::size_t row = 0;
    };
    struct Row {
        long double date = 0;
        long double actual = 0;
        bool operator==(const Row&) const = default;
    };
    friend WeightTrend weightTrend(const GraphData& data);
    void rebuild(const GraphData& data);
    std::vector<Entry>::iterator place(long double date, std::size_t row);
    void average(std::size_t from, std::size_t to);
    void rate();

    std::vector<Row> rows_;      // each row's day and actual weight as last seen
    std::vector<Entry> order_;   // the actual weights by date, then by row
    WeightTrend trend_;          // a point for each entry of order_
};
// "-0.8 lb/week", "+0.3 lb/week", "0.0 lb/week", in the log's number format.
QString weeklyRateText(long double rate, const QLocale& locale, const QString& unit = TrendUnit);

// The legend in the plot box's top right corner: a stroke of each line's
// colour with its name, then the weekly rate.
void drawTrendLegend(Canvas& canvas, const WeightTrend& trend, const QLocale& locale);

} // namespace tolvane
