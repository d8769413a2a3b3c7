#include "weight/weighttrend.h"

#include "storage/numbertext.h"
#include "weight/weightgraph.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {
// Past this many changed rows since the last drawing, computing all points
// again is as quick as moving entries one by one.
constexpr std::size_t MostRowsUpdated = 64;
} // namespace

WeightTrend weightTrend(const GraphData& data)
{
    TrendKeeper keeper;
    keeper.rebuild(data);
    return std::move(keeper.trend_);
}

void TrendKeeper::rebuild(const GraphData& data)
{
    // Whole days, as the lines place them; rows in any order are taken by date.
    rows_.clear();
    order_.clear();
    rows_.reserve(data.points.size());
    for (std::size_t r = 0; r < data.points.size(); ++r) {
        const GraphPoint& p = data.points[r];
        rows_.push_back({std::trunc(p.date), p.actual});
        if (p.actual != 0)
            order_.push_back({rows_.back().date, p.actual, r});
    }
    std::stable_sort(order_.begin(), order_.end(), [](const Entry& a, const Entry& b) { return a.date < b.date; });
    trend_.points.resize(order_.size());
    average(0, order_.size());
    rate();
}

WeightTrend& TrendKeeper::update(const GraphData& data)
{
    const std::size_t n = data.points.size();
    if (n != rows_.size()) {
        rebuild(data);
        return trend_;
    }
    std::vector<std::size_t> changed;
    for (std::size_t r = 0; r < n && changed.size() <= MostRowsUpdated; ++r)
        if (rows_[r] != Row{std::trunc(data.points[r].date), data.points[r].actual})
            changed.push_back(r);
    if (changed.size() > MostRowsUpdated) {
        rebuild(data);
        return trend_;
    }
    for (const std::size_t r : changed) {
        const Row now{std::trunc(data.points[r].date), data.points[r].actual};
        const Row was = rows_[r];
        rows_[r] = now;
        if (was.actual != 0 && now.actual != 0 && was.date == now.date) {
            const auto at = place(was.date, r);
            at->weight = now.actual;
            const auto i = static_cast<std::size_t>(at - order_.begin());
            average(i, i + TrendWeights);
            continue;
        }
        if (was.actual != 0) {
            const auto at = order_.erase(place(was.date, r));
            const auto i = static_cast<std::size_t>(at - order_.begin());
            trend_.points.erase(trend_.points.begin() + static_cast<std::ptrdiff_t>(i));
            average(i, i + TrendWeights);
        }
        if (now.actual != 0) {
            const auto at = order_.insert(place(now.date, r), Entry{now.date, now.actual, r});
            const auto i = static_cast<std::size_t>(at - order_.begin());
            trend_.points.insert(trend_.points.begin() + static_cast<std::ptrdiff_t>(i), TrendPoint{});
            average(i, i + TrendWeights);
        }
    }
    if (!changed.empty())
        rate();
    return trend_;
}

std::vector<TrendKeeper::Entry>::iterator TrendKeeper::place(long double date, std::size_t row)
{
    return std::lower_bound(order_.begin(), order_.end(), Entry{date, 0, row}, [](const Entry& a, const Entry& b) {
        return a.date < b.date || (a.date == b.date && a.row < b.row);
    });
}

// Each point's average is summed from its own weights, oldest first, so a
// point computed again alone comes out as it does among all the others.
void TrendKeeper::average(std::size_t from, std::size_t to)
{
    to = std::min(to, order_.size());
    for (std::size_t i = from; i < to; ++i) {
        const std::size_t count = std::min<std::size_t>(i + 1, TrendWeights);
        long double sum = 0;
        for (std::size_t j = i + 1 - count; j <= i; ++j)
            sum += order_[j].weight;
        trend_.points[i] = {order_[i].date, sum / static_cast<long double>(count)};
    }
}

void TrendKeeper::rate()
{
    trend_.weeklyRate.reset();
    if (order_.empty())
        return;
    const long double from = order_.back().date - TrendRateDays;
    const auto first = std::lower_bound(order_.begin(), order_.end(), from,
                                        [](const Entry& e, long double day) { return e.date < day; });
    long double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (auto p = first; p != order_.end(); ++p) {
        const long double x = p->date - from;
        n += 1;
        sx += x;
        sy += p->weight;
        sxx += x * x;
        sxy += x * p->weight;
    }
    const long double spread = n * sxx - sx * sx;
    if (n >= 2 && spread > 0)
        trend_.weeklyRate = 7 * (n * sxy - sx * sy) / spread;
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
