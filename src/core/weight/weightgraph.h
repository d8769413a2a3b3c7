#pragma once
// The weight graph: the log's planned weights in blue and actual weights in
// red over time, drawn on the Weight page beside the grid and printed on one
// landscape page. It keeps no data: every drawing reads the cells afresh.

#include "printing/canvas.h"
#include "printing/printsurface.h"
#include "weight/units.h"
#include "weight/weighttrend.h"

#include <QLocale>
#include <QDate>
#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

namespace tolvane {

class Program;
class WeightLog;

namespace graphmsg {
inline const QString NotANumber = QStringLiteral("The value in one of the rows does not convert to a number.");
inline const QString TrendNotRemembered = QStringLiteral(
    "The Show Trend option could not be stored in the settings file; it holds until the program ends.");
} // namespace graphmsg

// The graph area on the Weight page and the white plot box inside it.
inline constexpr int GraphAreaWidth = 377;
inline constexpr int GraphAreaHeight = 337;
inline constexpr int PlotLeft = 56;
inline constexpr int PlotTop = 8;
inline constexpr int PlotWidth = 321;
inline constexpr int PlotHeight = 289;

// One data row: its day number and weights, 0 for an empty weight cell.
struct GraphPoint {
    long double date = 0;
    long double plan = 0;
    long double actual = 0;
    quint64 stamp = 0;  // the log's stamp of the row it was read from; 0: none
};

struct GraphData {
    std::vector<GraphPoint> points;  // rows 1 ... n
    long double max = 0;             // largest non-zero weight
    long double min = 30000;         // smallest non-zero weight
    long double range = 1;           // max - min, or 1
    long double span = 1;            // last date - first date, or 1
};

// The screen reads a two-digit year 00 to 80 as 2000 to 2080 and takes a cell
// of blanks as empty; the printer takes every text as it stands.
enum class GraphReading { Screen, Printer };

struct GraphRead {
    enum class Status { Ok, TooFewRows, BadDate, BadWeight };
    Status status = Status::Ok;
    GraphData data;
};

// The rows last read for the screen, each with the stamp of the row's change
// it was read from, so that a keystroke reads one row again and not all.
struct GraphRowCache {
    struct Entry {
        quint64 stamp = 0;
        GraphRead::Status status = GraphRead::Status::Ok;
        GraphPoint point;
    };
    std::vector<Entry> rows;  // data row r at r - 1
    QDate today;              // two-digit years were read for this day
    // A loaded weight's text read back, by its stored bytes: a file repeats
    // few weights, and reading each text once makes a large file quick.
    QHash<quint64, long double> loadedWeights;
    // The points of the last reading, handed back to be filled again: a new
    // table of 100000 points on every keystroke costs more than reading them.
    std::vector<GraphPoint> spare;
    // `spare` handed back whole after a reading that was Ok, at the log's
    // `revision`, with its largest and smallest weight: the next reading
    // starts from it and reads only the rows changed since.
    bool spareWhole = false;
    quint64 revision = 0;
    long double max = 0, min = 0;
};

GraphRead readGraph(const WeightLog& log, GraphReading reading, GraphRowCache* cache = nullptr);

// The plot columns of the rows last drawn on the screen, kept while the
// horizontal scale stays, so that a keystroke places one row again and not all.
struct GraphPixels {
    long double xScale = 0, first = 0;
    std::vector<quint64> stamps;
    std::vector<int> x;
};

// The graph area on the screen; `data` is empty when only the empty plot box
// is to be shown. Metric weights are named by "kg" below the weight axis.
void drawWeightGraph(Canvas& canvas, const std::optional<GraphData>& data, Rgb face, const QLocale& locale,
                     GraphPixels* kept = nullptr, const WeightTrend* trend = nullptr, Units units = Units::Us);
// How the page's lines and markers are drawn: the points of one device pixel
// column through what covers the same pixels, or every point as it comes (the
// drawing the merged one is compared with).
enum class PagePoints { Merged, Every };
// The landscape page with its title, markers and legend; a metric legend names the unit.
void drawWeightGraphPage(Canvas& canvas, const PageMetrics& page, const GraphData& data, const QString& title,
                         const QLocale& locale, const WeightTrend* trend = nullptr, Units units = Units::Us,
                         PagePoints points = PagePoints::Merged);

// The graph area in words, for a screen reader: the lines, the rows and the
// ends of the two axes as their labels show them, metric weights with their unit.
QString describeWeightGraph(const std::optional<GraphData>& data, const QLocale& locale,
                            const WeightTrend* trend = nullptr, Units units = Units::Us);

class WeightGraph {
public:
    WeightGraph(Program& program, WeightLog& log);
    WeightGraph(const WeightGraph&) = delete;
    WeightGraph& operator=(const WeightGraph&) = delete;

    // The paint of the graph area. A weight that does not convert is to be
    // told once for the grid as it stands, so the repaint the message box
    // itself causes does not bring it back; the message waits until the paint
    // is over.
    void paint(Canvas& canvas, Rgb face);
    bool messagePending() const { return messagePending_; }
    // What the last paint showed, in words.
    const QString& description() const { return description_; }
    void showPendingMessage();
    // "Print &Weight Graph".
    void print();
    // "Show &Trend": the option, kept in the user's settings.
    bool trendShown();
    void toggleTrend();
    // The trend of the shown weights, its rate in the unit the pages show.
    WeightTrend shownTrend(const GraphData& data) const;

private:
    Program& program_;
    WeightLog& log_;
    GraphRowCache screenRows_;
    GraphPixels screenPixels_;
    TrendKeeper screenTrend_;
    std::optional<quint64> toldFor_;  // the log's revision the message was shown for
    bool messagePending_ = false;
    QString description_;
    std::optional<bool> trendShown_;  // read from the settings at first use
};

} // namespace tolvane
