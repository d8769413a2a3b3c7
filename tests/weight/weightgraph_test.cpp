// The weight graph: its screen geometry and labels from the log's cells, the
// rows it cannot read, and the printed landscape page.

#include "weightfixture.h"

#include "recordingcanvas.h"
#include "scriptedprinter.h"

namespace tolvane::test {
namespace {

const Rgb Face{212, 208, 200};

class WeightGraphTest : public WeightTest {
protected:
    WeightGraph& graph = weight.graph();

    RecordingCanvas paint()
    {
        RecordingCanvas canvas;
        graph.paint(canvas, Face);
        graph.showPendingMessage();
        return canvas;
    }

    // What a first reading of the log draws, with nothing kept.
    QStringList firstDrawing() const
    {
        RecordingCanvas canvas;
        const GraphRead read = readGraph(log, GraphReading::Screen);
        drawWeightGraph(canvas, read.status == GraphRead::Status::Ok ? std::optional<GraphData>(read.data)
                                                                     : std::nullopt,
                        Face, log.locale());
        return canvas.calls;
    }

    // Plan 200 -> 198 -> 196 over ten days; actual 200, none, 199.
    void fillSmallLog()
    {
        fill({{{QStringLiteral("12/7/26"), QStringLiteral("200.0"), QStringLiteral("200.0")}},
              {{QStringLiteral("12/12/26"), QStringLiteral("198.0"), QString()}},
              {{QStringLiteral("12/17/26"), QStringLiteral("196.0"), QStringLiteral("199.0")}}});
    }
};

const QStringList EmptyBox{QStringLiteral("pen 0 0 0"),         QStringLiteral("penwidth 1"),
                           QStringLiteral("brush 212 208 200"), QStringLiteral("rectangle 0 0 376 336"),
                           QStringLiteral("brush 255 255 255"), QStringLiteral("fillrect 56 8 376 296"),
                           QStringLiteral("rectangle 56 8 376 296")};

TEST_F(WeightGraphTest, SmallLogOnScreen)
{
    fillSmallLog();
    const RecordingCanvas canvas = paint();
    EXPECT_EQ(canvas.calls.mid(0, 7), EmptyBox);
    EXPECT_TRUE(canvas.calls.contains(QStringLiteral("fontheight 13")));

    // max 200, range 4, yScale 284 / 4 = 71; span 10 days, xScale 31.6.
    const QStringList texts = canvas.only(QStringLiteral("text"));
    ASSERT_EQ(texts.size(), 21);
    EXPECT_EQ(texts[0], QStringLiteral("text 5 1 200.0"));
    EXPECT_EQ(texts[1], QStringLiteral("text 5 30 199.6"));
    EXPECT_EQ(texts[4], QStringLiteral("text 5 117 198.4"));
    EXPECT_EQ(texts[10], QStringLiteral("text 5 290 196.0"));
    EXPECT_EQ(texts[11], QStringLiteral("text 56 303 12/7/26"));
    EXPECT_EQ(texts[12], QStringLiteral("text 88 318 12/8/26"));
    EXPECT_EQ(texts[17], QStringLiteral("text 249 303 12/13/26"));
    EXPECT_EQ(texts[20], QStringLiteral("text 345 318 12/16/26"));

    // The lines inside the plot box at (56, 8), clipped to it; the actual line
    // skips row 2, which has no actual weight.
    const qsizetype clip = canvas.calls.indexOf(QStringLiteral("clip 56 8 377 297"));
    ASSERT_GE(clip, 0);
    EXPECT_EQ(canvas.calls.mid(clip + 1),
              (QStringList{QStringLiteral("pen 0 0 255"), QStringLiteral("penwidth 2"), QStringLiteral("moveto 58 8"),
                           QStringLiteral("lineto 214 150"), QStringLiteral("lineto 372 292"),
                           QStringLiteral("pen 255 0 0"), QStringLiteral("penwidth 2"), QStringLiteral("moveto 58 8"),
                           QStringLiteral("lineto 372 79"), QStringLiteral("noclip")}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WeightGraphTest, ScreenDatesAndEdgeValues)
{
    // 00 is 2000 on screen; a later row dated before row 1 is moved a century
    // on; equal weights put every point on the top edge; row 1 without an
    // actual weight starts the red line below the box.
    fill({{{QStringLiteral("1/3/00"), QStringLiteral("150"), QString()}},
          {{QStringLiteral("1/2/00"), QStringLiteral("150"), QStringLiteral(" 150 ")}},
          {{QStringLiteral("1/13/00"), QStringLiteral("150"), QStringLiteral("   ")}}});
    const RecordingCanvas canvas = paint();
    const QStringList lines = canvas.only(QStringLiteral("moveto")) + canvas.only(QStringLiteral("lineto"));
    // range 1, yScale 284: the red start is 150 x 284 below the top. Span 10,
    // xScale 31.6; row 2 is 36525 days on, 36525 x 31.6 = 1154190: clipped.
    EXPECT_EQ(lines, (QStringList{QStringLiteral("moveto 58 8"), QStringLiteral("moveto 58 42608"),
                                  QStringLiteral("lineto 1154246 8"), QStringLiteral("lineto 372 8"),
                                  QStringLiteral("lineto 1154246 8")}));
    EXPECT_TRUE(canvas.only(QStringLiteral("text")).contains(QStringLiteral("text 56 303 1/3/00")));
    EXPECT_TRUE(canvas.only(QStringLiteral("text")).contains(QStringLiteral("text 5 1 150.0")));

    // A year typed in full is read as it stands, not rebuilt into "/20".
    fill({{{QStringLiteral("12/7/2026"), QStringLiteral("200"), QString()}},
          {{QStringLiteral("12/17/2026"), QStringLiteral("190"), QString()}}});
    EXPECT_EQ(paint().only(QStringLiteral("lineto")), QStringList{QStringLiteral("lineto 372 292")});
}

TEST_F(WeightGraphTest, PointsFarOffTheBoxStayOnTheirSide)
{
    // Plans a billionth apart: yScale is 284e9, so row 1's missing actual
    // weight lies 150 x 284e9 pixels below the top, far past any int. It is
    // drawn 2^24 pixels down, still below the box, on screen and on paper.
    fill({{{QStringLiteral("12/7/26"), QStringLiteral("150"), QString()}},
          {{QStringLiteral("12/17/26"), QStringLiteral("150.000000001"), QStringLiteral("150")}}});
    const RecordingCanvas canvas = paint();
    EXPECT_EQ(canvas.only(QStringLiteral("moveto")),
              (QStringList{QStringLiteral("moveto 58 292"), QStringLiteral("moveto 58 16777224")}));
    EXPECT_EQ(canvas.only(QStringLiteral("lineto")),
              (QStringList{QStringLiteral("lineto 372 8"), QStringLiteral("lineto 372 292")}));

    // Page 5100 x 6600: plot frame 926, 1031 to 4637, 5363.
    ui.titleAnswers = {QStringLiteral("Plan")};
    program.execute(Command::PrintWeightGraph);
    ASSERT_EQ(ui.prints.size(), 1u);
    EXPECT_EQ(ui.prints.back()->canvas.only(QStringLiteral("moveto")),
              (QStringList{QStringLiteral("moveto 928 5358"), QStringLiteral("moveto 928 16778247")}));
}

// The screen keeps the rows it read and reads again only rows that changed;
// after every kind of change it draws what a first reading draws.
TEST_F(WeightGraphTest, KeptRowsFollowEveryChangeOfTheLog)
{
    const auto fresh = [this] { return firstDrawing(); };
    fillSmallLog();
    EXPECT_EQ(paint().calls, fresh());

    // A typed cell, a cell set by the program, rows added, removed and cleared.
    log.editCell(PlanColumn, 2, QStringLiteral("197"));
    EXPECT_EQ(paint().calls, fresh());
    log.setCell(DateColumn, 3, QStringLiteral("12/27/26"));
    EXPECT_EQ(paint().calls, fresh());
    log.removeRow();
    log.newRow();
    log.setCell(DateColumn, 3, QStringLiteral("12/9/26"));
    log.setCell(PlanColumn, 3, QStringLiteral("190"));
    const QStringList afterRows = paint().calls;
    EXPECT_EQ(afterRows, fresh());
    EXPECT_TRUE(afterRows.contains(QStringLiteral("text 5 290 190.0")));

    // A loaded file over rows of the same count: every row is read anew.
    std::vector<WeightRecord> records(3);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].date = 46363.0 + 7.0 * static_cast<double>(i);
        storeReal6(180.0L - static_cast<long double>(i), records[i].plan.data());
        storeReal6(i == 1 ? -5.0L : 181.0L - static_cast<long double>(i), records[i].actual.data());
    }
    writeAll(path(QStringLiteral("log.wgt")), writeWeightImage(records));
    log.loadweightfile(path(QStringLiteral("log.wgt")));
    const QStringList loaded = paint().calls;
    EXPECT_EQ(loaded, fresh());
    EXPECT_TRUE(loaded.contains(QStringLiteral("text 5 1 181.0")));
    // Loaded rows are drawn as the same texts typed in would be, on the screen and on paper.
    ui.titleAnswers.push_back(QStringLiteral("Loaded"));
    program.execute(Command::PrintWeightGraph);
    for (int r = 1; r < log.rowCount(); ++r)
        for (int c = 0; c < WeightColumnCount; ++c)
            log.setCell(c, r, log.cell(c, r));
    EXPECT_EQ(paint().calls, loaded);
    ui.titleAnswers.push_back(QStringLiteral("Loaded"));
    program.execute(Command::PrintWeightGraph);
    ASSERT_EQ(ui.prints.size(), 2u);
    EXPECT_EQ(ui.prints[0]->canvas.calls, ui.prints[1]->canvas.calls);
    EXPECT_EQ(ui.prints[0]->canvas.only(QStringLiteral("lineto")).size(), 3);  // no actual weight in row 2
    // Typing over one cell of a loaded row keeps the row's other cells.
    log.editCell(ActualColumn, 1, QStringLiteral("182"));
    EXPECT_EQ(row(1), (QStringList{QStringLiteral("12/7/26"), QStringLiteral(" 180.0"), QStringLiteral("182")}));
    EXPECT_EQ(paint().calls, fresh());

    // Another day reads a year above 80 in another century. (The typed weight
    // is not saved: Clear Grid asks first, and OK clears.)
    ui.answers = {Button::Ok};
    log.clearGrid();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, weightmsg::clearQuestion(3));
    ui.messages.clear();
    fillSmallLog();
    log.setCell(DateColumn, 2, QStringLiteral("12/12/95"));
    const QStringList thisCentury = paint().calls;
    log.today = [] { return QDate(2126, 12, 7); };
    const QStringList nextCentury = paint().calls;
    EXPECT_EQ(nextCentury, fresh());
    EXPECT_NE(nextCentury, thisCentury);
    EXPECT_TRUE(ui.messages.empty());
}

// A typed cell is read alone; when its old weight made an end of the scale
// (row 1's 200s the top, row 3's plan 196 the bottom), the ends are found again.
TEST_F(WeightGraphTest, KeptRowsFollowATypedWeightAtAnEndOfTheScale)
{
    fillSmallLog();
    paint();
    for (const auto& [column, row, text] : {std::tuple{PlanColumn, 1, "150"}, {ActualColumn, 1, "150"},
                                            {PlanColumn, 3, "201"}, {PlanColumn, 1, "x"}, {PlanColumn, 1, "120"}}) {
        log.editCell(column, row, QString::fromLatin1(text));
        EXPECT_EQ(paint().calls, firstDrawing()) << text;
    }
}

TEST_F(WeightGraphTest, KeptColumnsAreRedrawnWhenTheFirstDayMovesAtTheSameSpan)
{
    fillSmallLog();
    EXPECT_TRUE(paint().calls.contains(QStringLiteral("lineto 214 150")));
    // Both ends a day later: the scale stays, row 2 is a day nearer the start.
    log.setCell(DateColumn, 1, QStringLiteral("12/8/26"));
    log.setCell(DateColumn, 3, QStringLiteral("12/18/26"));
    const QStringList moved = paint().calls;
    EXPECT_EQ(moved, firstDrawing());
    EXPECT_TRUE(moved.contains(QStringLiteral("lineto 182 150")));
}

TEST_F(WeightGraphTest, RowsOnOneColumnLeaveItFromTheLastWeight)
{
    // Three plans on 12/12: 198 first, 196 lowest, 197 last; no actual weights.
    fill({{{QStringLiteral("12/7/26"), QStringLiteral("200"), QString()}},
          {{QStringLiteral("12/12/26"), QStringLiteral("198"), QString()}},
          {{QStringLiteral("12/12/26"), QStringLiteral("196"), QString()}},
          {{QStringLiteral("12/12/26"), QStringLiteral("197"), QString()}},
          {{QStringLiteral("12/17/26"), QStringLiteral("199"), QString()}}});
    // yScale 71, xScale 31.6: the column is x 214; 198 is y 150, 196 y 292, 197 y 221.
    EXPECT_EQ(paint().only(QStringLiteral("lineto")),
              (QStringList{QStringLiteral("lineto 214 150"), QStringLiteral("lineto 214 292"),
                           QStringLiteral("lineto 214 221"), QStringLiteral("lineto 372 79")}));
}

TEST_F(WeightGraphTest, EmptyLogShowsTheEmptyBoxAndPrintsNothing)
{
    fill({{{QStringLiteral("12/7/26"), QStringLiteral("200"), QStringLiteral("200")}}});
    EXPECT_EQ(paint().calls, EmptyBox);
    program.execute(Command::PrintWeightGraph);
    EXPECT_TRUE(ui.titlePrompts.empty());
    EXPECT_TRUE(ui.prints.empty());
}

TEST_F(WeightGraphTest, UnreadableCells)
{
    // A date that does not convert: the empty box, no message.
    fillSmallLog();
    log.setCell(DateColumn, 2, QStringLiteral("soon"));
    EXPECT_EQ(paint().calls, EmptyBox);
    EXPECT_TRUE(ui.messages.empty());
    program.execute(Command::PrintWeightGraph);
    EXPECT_TRUE(ui.titlePrompts.empty());

    // A weight that does not convert: told once for the grid as it stands,
    // again once the grid changes.
    fillSmallLog();
    log.editCell(PlanColumn, 2, QStringLiteral("19x"));
    EXPECT_EQ(paint().calls, EmptyBox);
    paint();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], info(graphmsg::NotANumber));
    log.editCell(PlanColumn, 2, QStringLiteral("19xy"));
    paint();
    EXPECT_EQ(ui.messages.size(), 2u);
    log.editCell(PlanColumn, 2, QStringLiteral("198"));
    EXPECT_EQ(paint().only(QStringLiteral("lineto")).size(), 3);
    EXPECT_EQ(ui.messages.size(), 2u);

    // The printer reads a cell of blanks as a number that fails: the message,
    // no title, no page.
    ui.messages.clear();
    log.setCell(ActualColumn, 2, QStringLiteral("  "));
    program.execute(Command::PrintWeightGraph);
    EXPECT_EQ(ui.messages, (std::vector<Message>{info(graphmsg::NotANumber)}));
    EXPECT_TRUE(ui.titlePrompts.empty());
    EXPECT_TRUE(ui.prints.empty());
}

TEST_F(WeightGraphTest, TitleCancelledPrintsNothing)
{
    fillSmallLog();
    ui.titleAnswers.push_back(std::nullopt);
    program.execute(Command::PrintWeightGraph);
    EXPECT_EQ(ui.titlePrompts, (std::vector<TitlePrompt>{{QStringLiteral("Enter graph title:"),
                                                          QStringLiteral("Enter Graph Title"), QString()}}));
    EXPECT_TRUE(ui.prints.empty());
}

TEST_F(WeightGraphTest, PrintedLandscapePage)
{
    fillSmallLog();
    ui.printerPage = {6600, 5100};
    ui.titleAnswers.push_back(QStringLiteral("Weight"));
    program.execute(Command::PrintWeightGraph);
    ASSERT_EQ(ui.prints.size(), 1u);
    const PrintRecord& print = *ui.prints[0];
    EXPECT_EQ(print.orientation, PageOrientation::Landscape);
    EXPECT_EQ(print.documentTitle, QStringLiteral("Weight"));
    EXPECT_TRUE(print.ended);
    EXPECT_TRUE(print.canvas.only(QStringLiteral("newpage")).isEmpty());

    // W 6600, H 5100: text step 77; plot frame 1200, 796 to 6000, 4145;
    // yScale 3344 / 4 = 836, xScale 4795 / 10 = 479.5.
    EXPECT_EQ(print.canvas.only(QStringLiteral("rectangle")),
              (QStringList{QStringLiteral("rectangle 600 637 6000 4463"),
                           QStringLiteral("rectangle 1200 796 6000 4145")}));
    EXPECT_EQ(print.canvas.only(QStringLiteral("moveto")) + print.canvas.only(QStringLiteral("lineto")),
              (QStringList{QStringLiteral("moveto 1202 796"), QStringLiteral("moveto 1202 796"),
                           QStringLiteral("lineto 3598 2468"), QStringLiteral("lineto 5995 4140"),
                           QStringLiteral("lineto 5995 1632")}));
    const QStringList texts = print.canvas.only(QStringLiteral("text"));
    ASSERT_EQ(texts.size(), 1 + 11 + 10 + 3 + 2);
    EXPECT_EQ(texts[0], QStringLiteral("text 3282 77 Weight"));
    EXPECT_EQ(texts[1], QStringLiteral("text 900 758 200.0"));
    EXPECT_EQ(texts[11], QStringLiteral("text 900 4107 196.0"));
    EXPECT_EQ(texts[12], QStringLiteral("text 1200 4222 12/7/26"));
    EXPECT_EQ(texts[13], QStringLiteral("text 1680 4299 12/8/26"));
    EXPECT_EQ(texts.mid(22), (QStringList{QStringLiteral("text 3598 2458 x"), QStringLiteral("text 5995 4130 x"),
                                          QStringLiteral("text 5995 1622 +"), QStringLiteral("text 600 4540 Plan - x"),
                                          QStringLiteral("text 600 4617 Actual - +")}));
}

} // namespace
} // namespace tolvane::test
