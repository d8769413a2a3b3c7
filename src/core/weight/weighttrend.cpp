#include "weight/weighttrend.h"

#include "storage/numbertext.h"
#include "weight/weightgraph.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

WeightTrend weightTrend(const GraphData& data)
{
    // Whole days, as the lines place them; rows in any order are taken by date.
    std::vector<TrendPoint> actual;
    for (const GraphPoint& p : data.points)
        if (p.actual != 0)
            actual.push_back({std::trunc(p.date), p.actual});
    std::stable_sort(actual.begin(), actual.end(),
                     [](const TrendPoint& a, const TrendPoint& b) { return a.date < b.date; });

    WeightTrend trend;
    long double sum = 0;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        sum += actual[i].weight;
        if (i >= TrendWeights)
            sum -= actual[i - TrendWeights].weight;
        const std::size_t count = std::min<std::size_t>(i + 1, TrendWeights);
        trend.points.push_back({actual[i].date, sum / static_cast<long double>(count)});
    }
    if (actual.empty())
        return trend;

    const long double from = actual.back().date - TrendRateDays;
    long double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const TrendPoint& p : actual) {
        if (p.date < from)
            continue;
        const long double x = p.date - from;
        n += 1;
        sx += x;
        sy += p.weight;
        sxx += x * x;
        sxy += x * p.weight;
    }
    const long double spread = n * sxx - sx * sx;
    if (n >= 2 && spread > 0)
        trend.weeklyRate = 7 * (n * sxy - sx * sy) / spread;
    return trend;
}

QString weeklyRateText(long double rate, const QLocale& locale, const QString& unit)
{
    QString number = formatFixed(rate, 1, 1, locale);
    // A rate that rounds to nothing has no sign.
    if (formatFixed(std::fabs(rate), 1, 1, locale) == formatFixed(0, 1, 1, locale))
        number = formatFixed(0, 1, 1, locale);
    else if (rate > 0)
        number.prepend(QLatin1Char('+'));
    return number + QLatin1Char(' ') + unit + QStringLiteral("/week");
}

void drawTrendLegend(Canvas& canvas, const WeightTrend& trend, const QLocale& locale)
{
    constexpr int Row = 13, Pad = 3, Stroke = 14, Gap = 4;
    const std::vector<std::pair<Rgb, QString>> lines = {{colors::Blue, QStringLiteral("Plan")},
                                                         {colors::Red, QStringLiteral("Actual")},
                                                         {TrendColor, QStringLiteral("Trend")}};
    const QString rate = trend.weeklyRate ? weeklyRateText(*trend.weeklyRate, locale, trend.unit) : QString();
    canvas.setFontPixelHeight(11);
    canvas.setTextAlign(TextAlign::Left);
    int width = rate.isEmpty() ? 0 : canvas.textWidth(rate) - Stroke - Gap;
    for (const auto& line : lines)
        width = std::max(width, canvas.textWidth(line.second));
    width += 2 * Pad + Stroke + Gap;
    const int rows = static_cast<int>(lines.size()) + (rate.isEmpty() ? 0 : 1);
    const int right = PlotLeft + PlotWidth - 1 - Gap;
    const int left = right - width;
    const int top = PlotTop + Gap;
    canvas.setPenColor(colors::Black);
    canvas.setPenWidth(1);
    canvas.setBrushColor(colors::White);
    canvas.fillRect(left, top, right, top + rows * Row + 2 * Pad);
    canvas.rectangle(left, top, right, top + rows * Row + 2 * Pad);
    int y = top + Pad;
    for (const auto& [color, name] : lines) {
        canvas.setPenColor(color);
        canvas.setPenWidth(2);
        canvas.moveTo(left + Pad, y + Row / 2);
        canvas.lineTo(left + Pad + Stroke, y + Row / 2);
        canvas.textOut(left + Pad + Stroke + Gap, y, name);
        y += Row;
    }
    if (!rate.isEmpty())
        canvas.textOut(left + Pad, y, rate);
}

} // namespace tolvane
