#include "weight/weightgraph.h"

#include "shell/printout.h"
#include "shell/program.h"
#include "storage/daytext.h"
#include "storage/numbertext.h"
#include "weight/weightlog.h"


#include <algorithm>
#include <cmath>
#include <utility>

namespace tolvane {

namespace {
// A two-digit year 00 to 80 is this program's 2000 to 2080 on screen, wherever
// the short date format puts the year. A year typed with any other number of
// digits is read as it stands.
QString screenDateText(const QString& text, const QLocale& locale)
{
    const int yearField = shortDateYearField(locale);
    int field = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!text[i].isDigit()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end].isDigit())
            ++end;
        if (field == yearField) {
            const QString year = text.mid(i, end - i);
            if (year.size() != 2 || year > QStringLiteral("80"))
                return text;
            return text.left(i) + QStringLiteral("20") + text.mid(i);
        }
        ++field;
        i = end;
    }
    return text;
}

// An empty cell is 0, no point; nothing when the text is not a number.
std::optional<long double> readWeight(const QString& text, GraphReading reading, const QLocale& locale)
{
    const bool empty = reading == GraphReading::Screen ? text.trimmed().isEmpty() : text.isEmpty();
    if (empty)
        return 0.0L;
    return parseStrict(text, locale);
}

void fold(GraphData& data, long double value)
{
    if (value == 0)
        return;
    if (value > data.max)
        data.max = value;
    if (value < data.min)
        data.min = value;
}

// Weights a billionth apart put a row without a weight billions of pixels off
// the box. Such a point is drawn at this distance instead, far past any page
// and on its own side, so that the clipped line looks the same and adding the
// box's offset cannot overflow.
constexpr long double CoordinateLimit = 1 << 24;

int coordinate(long double value) { return roundMeasure(std::clamp(value, -CoordinateLimit, CoordinateLimit)); }

int pointX(const GraphData& data, long double date, long double xScale, bool wrapEarlier)
{
    long double days = date - data.points.front().date;
    if (wrapEarlier && days < 0)
        days += 36526;
    return coordinate(std::trunc(days) * xScale);
}

int pointY(const GraphData& data, long double weight, long double yScale)
{
    return coordinate((data.max - weight) * yScale);
}

// A long log puts many points on one pixel column, and a line that runs up and
// down one column covers no more than the span from its lowest to its highest
// point. Each run of points on one column is drawn through its first, lowest,
// highest and last point only, which gives the same pixels. Heights fall as
// weights rise, so the run's extreme heights are those of its extreme weights
// and only those few are placed.
class ColumnRuns {
public:
    ColumnRuns(Canvas& canvas, const GraphData& data, long double yScale) : canvas_(canvas), data_(data), yScale_(yScale) {}
    void lineTo(int x, long double weight)
    {
        if (open_ && x == x_) {
            low_ = std::min(low_, weight);
            high_ = std::max(high_, weight);
            last_ = weight;
            return;
        }
        flush();
        open_ = true;
        x_ = x;
        first_ = low_ = high_ = last_ = weight;
    }
    void flush()
    {
        if (!open_)
            return;
        open_ = false;
        const int a = y(low_);
        const int b = y(high_);
        int at = y(first_);
        canvas_.lineTo(x_, at);
        for (const int next : {std::min(a, b), std::max(a, b), y(last_)}) {
            if (next != at)
                canvas_.lineTo(x_, next);
            at = next;
        }
    }

private:
    int y(long double weight) const { return PlotTop + pointY(data_, weight, yScale_); }

    Canvas& canvas_;
    const GraphData& data_;
    long double yScale_;
    bool open_ = false;
    int x_ = 0;
    long double first_ = 0, low_ = 0, high_ = 0, last_ = 0;
};

// A printed line with a marker on each of its points. The markers are wider
// than the pen, so a marker stands wherever a point does: a column keeps each
// of its distinct heights once (the same text at the same place covers the
// same pixels), and its line runs through the first, lowest, highest and last
// point as on the screen. Each column's markers are drawn with the line's
// colour after it, all in one call.
class PrintedRuns {
public:
    PrintedRuns(Canvas& canvas, const QString& marker, PagePoints points)
        : canvas_(canvas), marker_(marker), markerHeight_(canvas.textHeight(marker)), points_(points)
    {
    }
    // The first point: the line starts there, with a marker when `marked`.
    void start(int x, int y, bool marked)
    {
        canvas_.moveTo(x, y);
        if (!marked)
            return;
        if (points_ == PagePoints::Every) {
            mark(x, y);
            canvas_.moveTo(x, y);
            return;
        }
        open_ = true;
        x_ = x;
        first_ = low_ = high_ = last_ = y;
        heights_.push_back(y);
        drawn_ = true;  // the pen is already there
    }
    void lineTo(int x, int y)
    {
        if (points_ == PagePoints::Every) {
            canvas_.lineTo(x, y);
            mark(x, y);
            canvas_.moveTo(x, y);
            return;
        }
        if (open_ && x == x_) {
            low_ = std::min(low_, y);
            high_ = std::max(high_, y);
            last_ = y;
            heights_.push_back(y);
            return;
        }
        flush();
        open_ = true;
        drawn_ = false;
        x_ = x;
        first_ = low_ = high_ = last_ = y;
        heights_.push_back(y);
    }
    // Ends the line and draws the markers.
    void finish()
    {
        flush();
        canvas_.textOutEach(markers_, marker_);
    }

private:
    void mark(int x, int y) { canvas_.textOut(x, y - markerHeight_, marker_); }
    void flush()
    {
        if (!open_)
            return;
        open_ = false;
        int at = first_;
        if (!drawn_)
            canvas_.lineTo(x_, at);
        for (const int next : {low_, high_, last_}) {
            if (next != at)
                canvas_.lineTo(x_, next);
            at = next;
        }
        std::sort(heights_.begin(), heights_.end());
        heights_.erase(std::unique(heights_.begin(), heights_.end()), heights_.end());
        for (const int y : heights_)
            markers_.emplace_back(x_, y - markerHeight_);
        heights_.clear();
    }

    Canvas& canvas_;
    QString marker_;
    int markerHeight_;
    PagePoints points_;
    bool open_ = false, drawn_ = false;
    int x_ = 0, first_ = 0, low_ = 0, high_ = 0, last_ = 0;
    std::vector<int> heights_;
    std::vector<QPoint> markers_;
};

QString weightLabel(const GraphData& data, int i, const QLocale& locale)
{
    return formatFixed(data.max - data.range * 0.1L * i, 5, 1, locale);
}

QString dateLabel(const GraphData& data, int i, const QLocale& locale)
{
    return formatShortDate(dateFromDayNumber(data.points.front().date + data.span * 0.1L * i), locale);
}
} // namespace

namespace {
// A row loaded from a file whose cells are untouched: its date text, written
// to read back as the stored day, is that day; its weight texts are read once
// per stored value. Blank padding and the empty text of an actual weight of 0
// or below read the same on the screen and on paper.
GraphRowCache::Entry readLoadedRow(const WeightLog& log, int r, const WeightRecord& record, GraphRowCache& cache)
{
    const auto weight = [&](const Real6& stored, int column) {
        // The column is part of the key: an actual weight of 0 or below shows empty.
        const quint64 key = storedWeightKey(stored, column);
        auto it = cache.loadedWeights.constFind(key);
        if (it == cache.loadedWeights.constEnd())
            it = cache.loadedWeights.insert(
                key, readWeight(log.cell(column, r), GraphReading::Screen, log.locale()).value_or(0.0L));
        return *it;
    };
    GraphRowCache::Entry entry;
    // A loaded day passed the file's check (years 1 to 9999): its calendar day
    // is its whole part, with no date to build.
    entry.point = GraphPoint{std::trunc(static_cast<long double>(record.date)), weight(record.plan, PlanColumn),
                             weight(record.actual, ActualColumn)};
    return entry;
}

GraphRowCache::Entry readRow(const WeightLog& log, int r, GraphReading reading, const QDate& today)
{
    GraphRowCache::Entry entry;
    QString dateText = log.cell(DateColumn, r);
    if (reading == GraphReading::Screen)
        dateText = screenDateText(dateText, log.locale());
    const std::optional<QDate> date = parseShortDate(dateText, log.locale(), today);
    if (!date) {
        entry.status = GraphRead::Status::BadDate;
        return entry;
    }
    const std::optional<long double> plan = readWeight(log.cell(PlanColumn, r), reading, log.locale());
    const std::optional<long double> actual =
        plan ? readWeight(log.cell(ActualColumn, r), reading, log.locale()) : std::nullopt;
    if (!actual) {
        entry.status = GraphRead::Status::BadWeight;
        return entry;
    }
    entry.point = GraphPoint{dayNumberFromDate(*date), *plan, *actual};
    return entry;
}
} // namespace

namespace {
// The rows changed since the points handed back were read, when few: only
// those are read again into them. False when all are to be read.
bool readChangedRows(const WeightLog& log, GraphReading reading, GraphRowCache& cache, GraphRead& read)
{
    const auto n = static_cast<int>(cache.rows.size());
    const std::optional<std::pair<int, int>> changed = log.changedRows(cache.revision);
    if (!std::exchange(cache.spareWhole, false) || static_cast<int>(cache.spare.size()) != n || !changed ||
        changed->second - changed->first > n / 16)
        return false;
    GraphData& data = read.data;
    data.points = std::move(cache.spare);
    data.max = cache.max;
    data.min = cache.min;
    bool refold = false;
    for (int r = std::max(changed->first, 1); r <= std::min(changed->second, n); ++r) {
        GraphRowCache::Entry& kept = cache.rows[static_cast<std::size_t>(r - 1)];
        const quint64 stamp = log.rowStamp(r);
        if (kept.stamp != stamp) {
            const WeightRecord* loaded = log.loadedRecord(r);
            kept = loaded ? readLoadedRow(log, r, *loaded, cache) : readRow(log, r, reading, cache.today);
            kept.stamp = stamp;
        }
        // Rows before this one are as last read, which was Ok: this is the first that is not.
        if (kept.status != GraphRead::Status::Ok) {
            read.status = kept.status;
            return true;
        }
        GraphPoint& point = data.points[static_cast<std::size_t>(r - 1)];
        // A weight that made an end of the range and is gone: the ends are found again.
        for (const long double old : {point.plan, point.actual})
            refold = refold || (old != 0 && (old == data.max || old == data.min));
        point = kept.point;
        point.stamp = stamp;
        fold(data, point.plan);
        fold(data, point.actual);
    }
    if (refold) {
        data.max = GraphData{}.max;
        data.min = GraphData{}.min;
        for (const GraphPoint& point : data.points) {
            fold(data, point.plan);
            fold(data, point.actual);
        }
    }
    return true;
}
} // namespace

namespace {
void readAllRows(const WeightLog& log, GraphReading reading, GraphRowCache* cache, GraphRowCache& weights,
                 const QDate& today, GraphRead& read)
{
    GraphData& data = read.data;
    const int n = log.rowCount() - 1;
    data.points.reserve(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        GraphRowCache::Entry unkept;
        GraphRowCache::Entry* kept = cache ? &cache->rows[static_cast<std::size_t>(r - 1)] : nullptr;
        const quint64 stamp = log.rowStamp(r);
        if (!kept || kept->stamp != stamp || stamp == 0) {
            const WeightRecord* loaded = log.loadedRecord(r);
            GraphRowCache::Entry& entry = kept ? *kept : unkept;
            entry = loaded ? readLoadedRow(log, r, *loaded, weights) : readRow(log, r, reading, today);
            entry.stamp = stamp;
        }
        const GraphRowCache::Entry& fresh = kept ? *kept : unkept;
        if (fresh.status != GraphRead::Status::Ok) {
            read.status = fresh.status;
            return;
        }
        fold(data, fresh.point.plan);
        fold(data, fresh.point.actual);
        data.points.push_back(fresh.point);
        data.points.back().stamp = stamp;
    }
}
} // namespace

GraphRead readGraph(const WeightLog& log, GraphReading reading, GraphRowCache* cache)
{
    GraphRead read;
    const int n = log.rowCount() - 1;
    if (n < 2) {
        read.status = GraphRead::Status::TooFewRows;
        return read;
    }
    const QDate today = log.today();
    GraphRowCache once;
    GraphRowCache& weights = cache ? *cache : once;
    if (cache) {
        if (cache->today != today) {
            cache->rows.clear();
            cache->loadedWeights.clear();
            cache->spareWhole = false;
        }
        cache->today = today;
        cache->rows.resize(static_cast<std::size_t>(n));
    }
    GraphData& data = read.data;
    if (cache && readChangedRows(log, reading, *cache, read)) {
        if (read.status != GraphRead::Status::Ok)
            return read;
    } else {
        if (cache) {
            data.points = std::move(cache->spare);
            data.points.clear();
        }
        readAllRows(log, reading, cache, weights, today, read);
        if (read.status != GraphRead::Status::Ok)
            return read;
    }
    if (cache) {
        cache->revision = log.revision();
        cache->max = data.max;
        cache->min = data.min;
    }
    data.range = data.max - data.min;
    if (data.range == 0)
        data.range = 1;
    data.span = data.points.back().date - data.points.front().date;
    if (data.span == 0)
        data.span = 1;
    return read;
}



void drawWeightGraph(Canvas& canvas, const std::optional<GraphData>& data, Rgb face, const QLocale& locale,
                     GraphPixels* kept, const WeightTrend* trend, Units units)
{
    canvas.setPenColor(colors::Black);
    canvas.setPenWidth(1);
    canvas.setBrushColor(face);
    canvas.rectangle(0, 0, GraphAreaWidth - 1, GraphAreaHeight - 1);

    const int right = PlotLeft + PlotWidth - 1;
    const int bottom = PlotTop + PlotHeight - 1;
    canvas.setBrushColor(colors::White);
    canvas.fillRect(PlotLeft, PlotTop, right, bottom);
    canvas.rectangle(PlotLeft, PlotTop, right, bottom);
    if (!data)
        return;

    const long double yScale = (PlotHeight - 5) / data->range;
    const long double xScale = (PlotWidth - 5) / data->span;

    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontPixelHeight(13);
    canvas.setFontStyle(Plain);
    canvas.setTransparentText(true);
    canvas.setTextAlign(TextAlign::Left);
    for (int i = 0; i <= 10; ++i)
        canvas.textOut(5, roundMeasure(i * PlotHeight * 0.1L) + 1, weightLabel(*data, i, locale));
    // Below the weight axis, left of the first date, where nothing else is drawn.
    if (units == Units::Metric)
        canvas.textOut(5, PlotHeight + 29, weightUnit(units));
    canvas.setTextAlign(TextAlign::Center);
    for (int i = 0; i <= 9; ++i)
        canvas.textOut(roundMeasure(i * PlotWidth * 0.1L) + PlotLeft, PlotHeight + (i % 2 == 0 ? 14 : 29),
                       dateLabel(*data, i, locale));

    // Every row's column, taken from the last drawing where neither the row
    // nor the horizontal scale changed.
    const std::size_t n = data->points.size();
    GraphPixels fresh;
    GraphPixels& xs = kept ? *kept : fresh;
    const long double first = data->points.front().date;
    if (xs.xScale != xScale || xs.first != first) {
        xs.stamps.clear();
        xs.xScale = xScale;
        xs.first = first;
    }
    xs.stamps.resize(n);
    xs.x.resize(n);
    for (std::size_t r = 0; r < n; ++r) {
        const GraphPoint& p = data->points[r];
        if (p.stamp != 0 && xs.stamps[r] == p.stamp)
            continue;
        xs.stamps[r] = p.stamp;
        xs.x[r] = pointX(*data, p.date, xScale, true);
    }

    canvas.setClipRect(PlotLeft, PlotTop, PlotLeft + PlotWidth, PlotTop + PlotHeight);
    const auto line = [&](Rgb color, long double GraphPoint::*weight) {
        canvas.setPenColor(color);
        canvas.setPenWidth(2);
        canvas.moveTo(PlotLeft + 2, PlotTop + pointY(*data, data->points.front().*weight, yScale));
        ColumnRuns runs(canvas, *data, yScale);
        for (std::size_t r = 1; r < n; ++r)
            if (data->points[r].*weight != 0)
                runs.lineTo(PlotLeft + xs.x[r], data->points[r].*weight);
        runs.flush();
    };
    line(colors::Blue, &GraphPoint::plan);
    line(colors::Red, &GraphPoint::actual);
    if (trend && !trend->points.empty()) {
        canvas.setPenColor(TrendColor);
        canvas.setPenWidth(2);
        const TrendPoint& front = trend->points.front();
        canvas.moveTo(PlotLeft + pointX(*data, front.date, xScale, true), PlotTop + pointY(*data, front.weight, yScale));
        ColumnRuns runs(canvas, *data, yScale);
        for (std::size_t i = 1; i < trend->points.size(); ++i)
            runs.lineTo(PlotLeft + pointX(*data, trend->points[i].date, xScale, true), trend->points[i].weight);
        runs.flush();
    }
    canvas.clearClip();
    if (trend)
        drawTrendLegend(canvas, *trend, locale);
}

void drawWeightGraphPage(Canvas& canvas, const PageMetrics& page, const GraphData& data, const QString& title,
                         const QLocale& locale, const WeightTrend* trend, Units units, PagePoints points)
{
    const int w = page.width;
    const int h = page.height;
    const int t = h / 66;
    const int left = 2 * (w / 11);
    const int top = h / 8 + h / 32;
    const int right = w - w / 11;
    const int bottom = h - h / 8 - h / 16;

    canvas.setTransparentText(true);
    canvas.setPenColor(colors::Black);
    canvas.setPenWidth(1);
    canvas.setBrushColor(colors::White);
    canvas.rectangle(w / 11, h / 8, w - w / 11, h - h / 8);
    canvas.rectangle(left, top, right, bottom);

    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(16);
    canvas.setFontStyle(Bold);
    canvas.setTextAlign(TextAlign::Left);
    canvas.textOut(w / 2 - canvas.textWidth(title) / 2, t, title);

    canvas.setFontSize(10);
    canvas.setFontStyle(Plain);
    for (int i = 0; i <= 10; ++i)
        canvas.textOut(w / 11 + w / 22, roundMeasure(i * (bottom - top) * 0.1L) + top - t / 2,
                       weightLabel(data, i, locale));
    canvas.setTextAlign(TextAlign::Center);
    for (int i = 0; i <= 9; ++i)
        canvas.textOut(roundMeasure(i * (right - left) * 0.1L) + left, bottom + (i % 2 == 0 ? t : 2 * t),
                       dateLabel(data, i, locale));

    const long double yScale = (bottom - top - 5) / data.range;
    const long double xScale = (right - left - 5) / data.span;
    // The markers stand on their points, centred.
    const auto line = [&](Rgb color, long double GraphPoint::*weight, const QString& marker) {
        canvas.setPenColor(color);
        canvas.setPenWidth(5);
        PrintedRuns runs(canvas, marker, points);
        runs.start(left + 2, top + pointY(data, data.points.front().*weight, yScale), false);
        for (std::size_t r = 1; r < data.points.size(); ++r) {
            const GraphPoint& p = data.points[r];
            if (p.*weight != 0)
                runs.lineTo(left + pointX(data, p.date, xScale, false), top + pointY(data, p.*weight, yScale));
        }
        runs.finish();
    };
    line(colors::Blue, &GraphPoint::plan, QStringLiteral("x"));
    line(colors::Red, &GraphPoint::actual, QStringLiteral("+"));
    if (trend && !trend->points.empty()) {
        canvas.setPenColor(TrendColor);
        canvas.setPenWidth(5);
        PrintedRuns runs(canvas, QStringLiteral("o"), points);
        const auto x = [&](const TrendPoint& p) { return left + pointX(data, p.date, xScale, false); };
        const auto y = [&](const TrendPoint& p) { return top + pointY(data, p.weight, yScale); };
        runs.start(x(trend->points.front()), y(trend->points.front()), true);
        for (std::size_t i = 1; i < trend->points.size(); ++i)
            runs.lineTo(x(trend->points[i]), y(trend->points[i]));
        runs.finish();
    }

    canvas.setTextAlign(TextAlign::Left);
    const QString unit = units == Units::Metric ? QStringLiteral(" (%1)").arg(weightUnit(units)) : QString();
    canvas.textOut(w / 11, h - h / 8 + t, QStringLiteral("Plan%1 - x").arg(unit));
    canvas.textOut(w / 11, h - h / 8 + 2 * t, QStringLiteral("Actual%1 - +").arg(unit));
    if (trend) {
        canvas.textOut(w / 11, h - h / 8 + 3 * t, QStringLiteral("Trend (average of %1 weights) - o").arg(TrendWeights));
        if (trend->weeklyRate)
            canvas.textOut(w / 11, h - h / 8 + 4 * t,
                           QStringLiteral("Last 4 weeks: ") + weeklyRateText(*trend->weeklyRate, locale, trend->unit));
    }
}

WeightGraph::WeightGraph(Program& program, WeightLog& log) : program_(program), log_(log)
{
    program_.setHandler(Command::PrintWeightGraph, [this] { print(); });
    program_.setHandler(Command::ShowTrend, [this] { toggleTrend(); });
    program_.setCheckState(Command::ShowTrend, [this] { return trendShown(); });
}

bool WeightGraph::trendShown()
{
    if (!trendShown_)
        trendShown_ = program_.readSetting(ShowTrendKey) != 0;
    return *trendShown_;
}

WeightTrend WeightGraph::shownTrend(const GraphData& data) const
{
    WeightTrend trend = weightTrend(data);
    trend.unit = weightUnit(log_.units());
    return trend;
}

void WeightGraph::toggleTrend()
{
    trendShown_ = !trendShown();
    // Not remembered, the option still holds for this run.
    if (!program_.writeSetting(ShowTrendKey, *trendShown_ ? 1 : 0))
        program_.ui().showMessage(
            Message::typed(graphmsg::TrendNotRemembered, Icon::Warning, only(Button::Ok), GeneralHelpContext));
    if (log_.repaintGraph)
        log_.repaintGraph();
}

QString describeWeightGraph(const std::optional<GraphData>& data, const QLocale& locale, const WeightTrend* trend,
                            Units units)
{
    QString lines = QStringLiteral("Planned weight in blue and actual weight in red");
    if (trend) {
        lines += QStringLiteral(", trend of the last %1 actual weights in green").arg(TrendWeights);
        if (trend->weeklyRate)
            lines += QStringLiteral(" (") + weeklyRateText(*trend->weeklyRate, locale, trend->unit) +
                     QStringLiteral(" over the last 4 weeks)");
    }
    if (!data)
        return lines + QStringLiteral(": nothing to draw until two rows of the grid hold dates and weights");
    return lines + QStringLiteral(", %1 rows from %2 to %3, weights from %4 to %5%6")
                       .arg(data->points.size())
                       .arg(dateLabel(*data, 0, locale),
                            formatShortDate(dateFromDayNumber(data->points.back().date), locale),
                            weightLabel(*data, 10, locale).trimmed(), weightLabel(*data, 0, locale).trimmed(),
                            units == Units::Metric ? QStringLiteral(" ") + weightUnit(units) : QString());
}

void WeightGraph::paint(Canvas& canvas, Rgb face)
{
    const QDate readFor = screenRows_.today;
    GraphRead read = readGraph(log_, GraphReading::Screen, &screenRows_);
    // Another day may read the same texts as other dates.
    if (screenRows_.today != readFor)
        screenPixels_ = GraphPixels{};
    if (read.status == GraphRead::Status::Ok) {
        toldFor_.reset();
        std::optional<GraphData> shown(std::move(read.data));
        WeightTrend* drawn = nullptr;
        if (trendShown()) {
            drawn = &screenTrend_.update(*shown);
            drawn->unit = weightUnit(log_.units());
        }
        drawWeightGraph(canvas, shown, face, log_.locale(), &screenPixels_, drawn, log_.units());
        description_ = describeWeightGraph(shown, log_.locale(), drawn, log_.units());
        screenRows_.spare = std::move(shown->points);
        screenRows_.spareWhole = true;
        return;
    }
    drawWeightGraph(canvas, std::nullopt, face, log_.locale(), nullptr, nullptr, log_.units());
    description_ = describeWeightGraph(std::nullopt, log_.locale(), nullptr, log_.units());
    if (read.status == GraphRead::Status::BadWeight) {
        if (toldFor_ != log_.revision()) {
            toldFor_ = log_.revision();
            messagePending_ = true;
        }
    }
}

void WeightGraph::showPendingMessage()
{
    if (!messagePending_)
        return;
    messagePending_ = false;
    program_.ui().showMessage(
        Message::typed(graphmsg::NotANumber, Icon::Information, only(Button::Ok), GeneralHelpContext));
}

void WeightGraph::print()
{
    const GraphRead read = readGraph(log_, GraphReading::Printer);
    if (read.status == GraphRead::Status::BadWeight)
        program_.ui().showMessage(
            Message::typed(graphmsg::NotANumber, Icon::Information, only(Button::Ok), GeneralHelpContext));
    if (read.status != GraphRead::Status::Ok)
        return;
    std::optional<QString> title = program_.ui().askTitle(
        {QStringLiteral("Enter graph title:"), QStringLiteral("Enter Graph Title"), QString()});
    if (!title)
        return;
    *title = title->left(TitleMaxLength);
    const std::optional<WeightTrend> trend =
        trendShown() ? std::optional<WeightTrend>(shownTrend(read.data)) : std::nullopt;
    runPrintout(program_.ui(), program_.preferences(), PageOrientation::Landscape, *title,
                [&](Canvas& canvas, const PageMetrics& page) {
                    drawWeightGraphPage(canvas, page, read.data, *title, log_.locale(), trend ? &*trend : nullptr, log_.units());
                });
}

} // namespace tolvane
