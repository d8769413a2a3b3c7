// The weight trend: the moving average of the last seven actual weights and
// the weekly rate over the last four weeks, by date; the "Show Trend" option,
// remembered in the settings; the third line and legend on screen and paper.

#include "weightfixture.h"

#include "recordingcanvas.h"
#include "scriptedprinter.h"
#include "storage/daytext.h"

#include <QSettings>
#include <functional>

namespace tolvane::test {
namespace {

// Rows of (day, actual weight); the plan is 1 so every row reads.
GraphData actuals(const std::vector<std::pair<long double, long double>>& rows)
{
    GraphData data;
    for (const auto& [day, weight] : rows)
        data.points.push_back({day, 1, weight});
    return data;
}

TEST(WeightTrendMath, MovingAverageOfSevenActualWeightsInDateOrder)
{
    // Rows out of date order, one without an actual weight: it is skipped,
    // not averaged as 0, and the average runs in date order.
    const WeightTrend trend = weightTrend(
        actuals({{2, 203}, {0, 201}, {1, 202}, {3, 0}, {5, 204}, {8, 205}, {9, 206}, {12, 207}, {13, 215}}));
    std::vector<long double> days, averages;
    for (const TrendPoint& p : trend.points) {
        days.push_back(p.date);
        averages.push_back(p.weight);
    }
    EXPECT_EQ(days, (std::vector<long double>{0, 1, 2, 5, 8, 9, 12, 13}));
    ASSERT_EQ(averages.size(), 8u);
    EXPECT_DOUBLE_EQ(double(averages[0]), 201);
    EXPECT_DOUBLE_EQ(double(averages[1]), 201.5);
    EXPECT_DOUBLE_EQ(double(averages[6]), 204);       // 201 ... 207
    EXPECT_DOUBLE_EQ(double(averages[7]), 1442 / 7.0);  // 202 ... 207 and 215: the first drops out
}

TEST(WeightTrendMath, WeeklyRateOverTheLastFourWeeksByDate)
{
    struct Case {
        const char* what;
        std::vector<std::pair<long double, long double>> rows;
        std::optional<long double> rate;
    };
    const std::vector<Case> cases = {
        // 0.1 lb a day down on uneven gaps; the 250 of day 6 is older than 28
        // days before day 35 and left out; day 7 is just inside.
        {"uneven gaps", {{6, 250}, {7, 199.3L}, {10, 199}, {20, 198}, {30, 197}, {35, 196.5L}}, -0.7L},
        // By row the rise would be 1 per row; by date it is 1 per 7 days.
        {"by date", {{0, 100}, {14, 102}, {21, 103}}, 1.0L},
        // A weight exactly 28 days before the last one still counts.
        {"four weeks to the day", {{0, 110}, {28, 100}}, -2.5L},
        {"one weight", {{0, 100}}, std::nullopt},
        {"one day", {{4, 100}, {4, 102}}, std::nullopt},
        {"none", {{4, 0}, {5, 0}}, std::nullopt},
    };
    for (const Case& c : cases) {
        const WeightTrend trend = weightTrend(actuals(c.rows));
        ASSERT_EQ(trend.weeklyRate.has_value(), c.rate.has_value()) << c.what;
        if (c.rate) {
            EXPECT_NEAR(double(*trend.weeklyRate), double(*c.rate), 1e-9) << c.what;
        }
    }
}

TEST(WeightTrendMath, KeptTrendFollowsEditsAsTheFullComputation)
{
    // 120 rows over 60 days, two a day, every third without an actual weight.
    GraphData data;
    for (int r = 0; r < 120; ++r)
        data.points.push_back({46000.0L + r / 2, 1, r % 3 == 0 ? 0 : 180 + (r * 37 % 11) / 10.0L});
    struct Edit {
        const char* what;
        std::function<void(std::vector<GraphPoint>&)> apply;
    };
    const std::vector<Edit> edits = {
        {"a weight typed", [](auto& p) { p[50].actual = 181.3L; }},
        {"the first weight", [](auto& p) { p[1].actual = 170; }},
        {"the last weight", [](auto& p) { p[119].actual = 190; }},
        {"a weight cleared", [](auto& p) { p[52].actual = 0; }},
        {"an empty row given a weight", [](auto& p) { p[54].actual = 175.5L; }},
        {"a row moved back to another row's day", [](auto& p) { p[100].date = 46003; }},
        {"a row moved past the last day", [](auto& p) { p[10].date = 46100; }},
        {"a time of day, the same day", [](auto& p) { p[20].date += 0.5L; }},
        {"two rows at once", [](auto& p) { p[70].actual = 0, p[80].date = 46001; }},
        {"a row added", [](auto& p) { p.push_back({46070, 1, 177}); }},
        {"many rows", [](auto& p) { for (std::size_t r = 0; r < p.size(); r += 1) p[r].actual += 1; }},
        {"a row taken out", [](auto& p) { p.erase(p.begin() + 30); }},
        {"nothing", [](auto&) {}},
    };
    TrendKeeper keeper;
    keeper.update(data);
    for (const Edit& edit : edits) {
        edit.apply(data.points);
        const WeightTrend& kept = keeper.update(data);
        const WeightTrend full = weightTrend(data);
        ASSERT_EQ(kept.points.size(), full.points.size()) << edit.what;
        for (std::size_t i = 0; i < full.points.size(); ++i) {
            // Bit for bit: the drawing must not depend on how the trend was reached.
            EXPECT_EQ(kept.points[i].date, full.points[i].date) << edit.what << " " << i;
            EXPECT_EQ(kept.points[i].weight, full.points[i].weight) << edit.what << " " << i;
        }
        EXPECT_EQ(kept.weeklyRate, full.weeklyRate) << edit.what;
    }
}

TEST(WeightTrendMath, RateTexts)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(weeklyRateText(-0.75L, UsLocale), QStringLiteral("-0.8 lb/week"));  // half away from zero
    EXPECT_EQ(weeklyRateText(0.3L, UsLocale), QStringLiteral("+0.3 lb/week"));
    EXPECT_EQ(weeklyRateText(-0.04L, UsLocale), QStringLiteral("0.0 lb/week"));
    EXPECT_EQ(weeklyRateText(0.04L, UsLocale), QStringLiteral("0.0 lb/week"));
    EXPECT_EQ(weeklyRateText(12.25L, UsLocale), QStringLiteral("+12.3 lb/week"));
    EXPECT_EQ(weeklyRateText(-0.75L, german), QStringLiteral("-0,8 lb/week"));
}

class WeightTrendTest : public WeightTest {
protected:
    WeightGraph& graph = weight.graph();

    // Actual 200 on 12/7/26 and 199 on 12/17/26 (none between): the trend
    // runs 200, 199.5, and the rate is -0.7 lb a week.
    void fillLog()
    {
        fill({{{QStringLiteral("12/7/26"), QStringLiteral("200.0"), QStringLiteral("200.0")}},
              {{QStringLiteral("12/12/26"), QStringLiteral("198.0"), QString()}},
              {{QStringLiteral("12/17/26"), QStringLiteral("196.0"), QStringLiteral("199.0")}}});
    }
    RecordingCanvas paint()
    {
        RecordingCanvas canvas;
        graph.paint(canvas, Rgb{212, 208, 200});
        return canvas;
    }
    QVariant stored() const
    {
        return QSettings(dir.filePath(QStringLiteral("Tolvane.conf")), QSettings::NativeFormat)
            .value(QStringLiteral("ShowTrend"));
    }
};

TEST_F(WeightTrendTest, OptionIsOffUntilChosenAndRemembered)
{
    fillLog();
    EXPECT_FALSE(program.isChecked(Command::ShowTrend));
    EXPECT_FALSE(paint().calls.contains(QStringLiteral("pen 0 128 0")));
    EXPECT_FALSE(stored().isValid());  // nothing written until the user chooses

    program.execute(Command::ShowTrend);
    EXPECT_TRUE(program.isChecked(Command::ShowTrend));
    EXPECT_EQ(stored().toInt(), 1);
    EXPECT_EQ(graphRepaints, 1);
    EXPECT_TRUE(ui.messages.empty());

    {
        // The next run starts with it.
        SettingsStore again(dir.filePath(QStringLiteral("Tolvane.conf")));
        Program next(ui, again, dir.path());
        Weight nextWeight(next, UsLocale);
        EXPECT_TRUE(next.isChecked(Command::ShowTrend));
    }

    program.execute(Command::ShowTrend);
    EXPECT_FALSE(program.isChecked(Command::ShowTrend));
    EXPECT_EQ(stored().toInt(), 0);
    EXPECT_FALSE(paint().calls.contains(QStringLiteral("pen 0 128 0")));
}

TEST_F(WeightTrendTest, ThirdLineAndLegendOnScreen)
{
    fillLog();
    const QStringList plain = paint().calls;
    program.execute(Command::ShowTrend);
    const RecordingCanvas canvas = paint();

    // Everything of the graph without the trend comes first, unchanged.
    const qsizetype noclip = plain.indexOf(QStringLiteral("noclip"));
    ASSERT_GT(noclip, 0);
    EXPECT_EQ(canvas.calls.mid(0, noclip), plain.mid(0, noclip));
    // yScale 71, xScale 31.6: 199.5 is 35.5 px below the top, taken to 36.
    EXPECT_EQ(canvas.calls.mid(noclip),
              (QStringList{
                  QStringLiteral("pen 0 128 0"), QStringLiteral("penwidth 2"), QStringLiteral("moveto 56 8"),
                  QStringLiteral("lineto 372 44"), QStringLiteral("noclip"), QStringLiteral("fontheight 11"),
                  QStringLiteral("align left"), QStringLiteral("pen 0 0 0"), QStringLiteral("penwidth 1"),
                  QStringLiteral("brush 255 255 255"), QStringLiteral("fillrect 294 12 372 70"),
                  QStringLiteral("rectangle 294 12 372 70"), QStringLiteral("pen 0 0 255"),
                  QStringLiteral("penwidth 2"), QStringLiteral("moveto 297 21"), QStringLiteral("lineto 311 21"),
                  QStringLiteral("text 315 15 Plan"), QStringLiteral("pen 255 0 0"), QStringLiteral("penwidth 2"),
                  QStringLiteral("moveto 297 34"), QStringLiteral("lineto 311 34"),
                  QStringLiteral("text 315 28 Actual"), QStringLiteral("pen 0 128 0"), QStringLiteral("penwidth 2"),
                  QStringLiteral("moveto 297 47"), QStringLiteral("lineto 311 47"),
                  QStringLiteral("text 315 41 Trend"), QStringLiteral("text 297 54 -0.7 lb/week")}));
    EXPECT_TRUE(graph.description().contains(QStringLiteral("-0.7 lb/week over the last 4 weeks")));
}

TEST_F(WeightTrendTest, PrintoutDrawsTheTrendWhenShown)
{
    fillLog();
    ui.printerPage = {6600, 5100};
    ui.titleAnswers = {QStringLiteral("Weight"), QStringLiteral("Weight")};
    program.execute(Command::PrintWeightGraph);
    program.execute(Command::ShowTrend);
    program.execute(Command::PrintWeightGraph);
    ASSERT_EQ(ui.prints.size(), 2u);
    const QStringList& plain = ui.prints[0]->canvas.calls;
    const QStringList& shown = ui.prints[1]->canvas.calls;

    // The page as without the trend, then the green line with its markers
    // (plot frame 1200, 796; yScale 836, xScale 479.5), then two more legend lines.
    const qsizetype legend = plain.indexOf(QStringLiteral("align left"), plain.indexOf(QStringLiteral("pen 255 0 0")));
    ASSERT_GT(legend, 0);
    EXPECT_EQ(shown.mid(0, legend), plain.mid(0, legend));
    EXPECT_EQ(shown.mid(legend),
              (QStringList{QStringLiteral("pen 0 128 0"), QStringLiteral("penwidth 5"), QStringLiteral("moveto 1200 796"),
                           QStringLiteral("lineto 5995 1214"), QStringLiteral("text 1200 786 o"),
                           QStringLiteral("text 5995 1204 o"), QStringLiteral("align left"),
                           QStringLiteral("text 600 4540 Plan - x"), QStringLiteral("text 600 4617 Actual - +"),
                           QStringLiteral("text 600 4694 Trend (average of 7 weights) - o"),
                           QStringLiteral("text 600 4771 Last 4 weeks: -0.7 lb/week")}));
}

} // namespace
} // namespace tolvane::test
