// The weekly menu on the printer page and on the preview image: where every
// text goes, the grid lines, the title prompt and the preview's menu.

#include "printfixture.h"
#include "menu/menuprintout.h"

#include <limits>

namespace tolvane::test {
namespace {

const QString EmptyMealLine = QStringLiteral("Meal Calories:    0    c  0  p  0  f  0");
const QString EmptyDayLine = QStringLiteral("Day Calories:     0    c  0  p  0  f  0");
// Monday breakfast: 238 kcal, 51 g carbohydrate, 6.45 g protein, 2.3 g fat;
// energy base 250.5, so 81.4%, 10.3% and 8.3%.
const QString MondayMealLine = QStringLiteral("Meal Calories:  238    c 81  p 10  f  8");
const QString MondayDayLine = QStringLiteral("Day Calories:   238    c 81  p 10  f  8");
// Friday dinner: 2 Apple = 104 kcal, 28 g, 0.6 g, 0.4 g; base 118: 94.9%, 2.0%, 3.1%.
const QString FridayMealLine = QStringLiteral("Meal Calories:  104    c 95  p  2  f  3");
const QString FridayDayLine = QStringLiteral("Day Calories:   104    c 95  p  2  f  3");

// Every text but the day-name letters, in drawing order, for a grid whose
// entries of day d, meal m start at (x(m), top(d)).
template <typename X, typename Top>
QStringList expectedTexts(QStringList head, X x, Top top, int spacing, int nameOffset, int mealOffset,
                          int dayOffset)
{
    QStringList texts = std::move(head);
    for (int d = 0; d < 7; ++d) {
        for (int m = 0; m < 4; ++m) {
            QString mealLine = EmptyMealLine;
            if (d == 1 && m == 0) {
                texts << text(x(0), top(1), QStringLiteral("( 1.5) ")) << text(x(0) + nameOffset, top(1), QStringLiteral("Apple"))
                      << text(x(0), top(1) + spacing, QStringLiteral("( 2.0) "))
                      << text(x(0) + nameOffset, top(1) + spacing, QStringLiteral("Bread"));
                mealLine = MondayMealLine;
            }
            if (d == 5 && m == 2) {
                texts << text(x(2), top(5), QStringLiteral("( 2.0) ")) << text(x(2) + nameOffset, top(5), QStringLiteral("Apple"));
                mealLine = FridayMealLine;
            }
            texts << text(x(m), top(d) + mealOffset, mealLine);
        }
        const QString dayLine = d == 1 ? MondayDayLine : d == 5 ? FridayDayLine : EmptyDayLine;
        texts << text(x(3), top(d) + dayOffset, dayLine);
    }
    return texts;
}

TEST_F(PrintTest, MenuPageOnA600DpiLetterPagePlacesEveryText)
{
    useSmallWeek();
    program.execute(Command::PrintMenu);

    ASSERT_EQ(ui.titlePrompts.size(), 1u);
    EXPECT_EQ(ui.titlePrompts[0], (TitlePrompt{QStringLiteral("Enter menu title:"), QStringLiteral("Menu Title"),
                                               QStringLiteral("Weekly Menu")}));
    ASSERT_EQ(ui.prints.size(), 1u);
    const PrintRecord& job = *ui.prints[0];
    EXPECT_EQ(job.orientation, PageOrientation::Portrait);
    EXPECT_EQ(job.documentTitle, QStringLiteral("Weekly Menu"));
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(job.canvas.only(QStringLiteral("newpage")).size(), 0);

    // W 5100, H 6600: L 150, T 60, x0 240, C 1177, Y 450, N 64, B 842.
    const QStringList head = {text(2550 - 33, 64, QStringLiteral("Weekly Menu")),
                              text(240 + 588 - 27, 460, QStringLiteral("Breakfast")),
                              text(240 + 1177 + 588 - 15, 460, QStringLiteral("Lunch")),
                              text(240 + 2354 + 588 - 18, 460, QStringLiteral("Dinner")),
                              text(240 + 3531 + 588 - 15, 460, QStringLiteral("Snack"))};
    const auto x = [](int m) { return 250 + 1177 * m; };
    const auto top = [](int d) { return 588 + 842 * d; };
    EXPECT_EQ(longTexts(job.canvas), expectedTexts(head, x, top, 64, 180, 11 * 64 - 2, 12 * 64 - 4));

    // Day names downwards in the strip left of the grid: Monday's "M" and "y".
    const QStringList calls = job.canvas.calls;
    EXPECT_TRUE(calls.contains(text(165, 842 + 642, QStringLiteral("M"))));
    EXPECT_TRUE(calls.contains(text(165, 842 + 642 + 5 * 64, QStringLiteral("y"))));
    EXPECT_EQ(job.canvas.only(QStringLiteral("text ")).size() - longTexts(job.canvas).size(), 50);

    // Grid: two rules under and over the meal names, five column lines, the
    // left border, seven day borders.
    const QStringList lines = job.canvas.only(QStringLiteral("lineto"));
    EXPECT_EQ(lines.size(), 2 + 5 + 1 + 7);
    EXPECT_EQ(lines[0], QStringLiteral("lineto 4950 450"));
    EXPECT_EQ(lines[1], QStringLiteral("lineto 4950 578"));
    EXPECT_EQ(lines[6], QStringLiteral("lineto 4948 6472"));
    EXPECT_EQ(lines[14], QStringLiteral("lineto 4950 6472"));
}

TEST_F(PrintTest, MenuPreviewPlacesEveryTextAtFixedPositions)
{
    useSmallWeek();
    ui.titleAnswers.push_back(QStringLiteral("My week"));
    program.execute(Command::MenuPrintPreview);

    EXPECT_EQ(printing.previewKind(), MenuPrinting::PreviewKind::Menu);
    ASSERT_EQ(ui.previews.size(), 1u);
    const PreviewRecord& preview = *ui.previews[0];
    EXPECT_TRUE(preview.request.modal);
    EXPECT_EQ(preview.canvas.calls.mid(0, 2),
              (QStringList{QStringLiteral("brush 255 255 255"), QStringLiteral("fillrect 0 0 800 1200")}));
    const QStringList head = {text(400 - 21, 10, QStringLiteral("My week")),
                              text(121 - 27, 41, QStringLiteral("Breakfast")), text(314 - 15, 41, QStringLiteral("Lunch")),
                              text(507 - 18, 41, QStringLiteral("Dinner")), text(700 - 15, 41, QStringLiteral("Snack"))};
    const auto x = [](int m) { return 193 * m + 30; };
    const auto top = [](int d) { return 161 * d + 62; };
    EXPECT_EQ(longTexts(preview.canvas), expectedTexts(head, x, top, 10, 25, 130, 140));
    EXPECT_TRUE(preview.canvas.calls.contains(text(12, 161 * 6 + 63 + 12 * 8, QStringLiteral("y"))));

    const QStringList lines = preview.canvas.only(QStringLiteral("lineto"));
    EXPECT_EQ(lines.size(), 2 + 3 + 1 + 3 + 6);
    EXPECT_EQ(lines.last(), QStringLiteral("lineto 790 1026"));
    EXPECT_TRUE(ui.prints.empty());
}

TEST_F(PrintTest, CancelOrNoPrinterDrawsNothingAndTitlesKeepThirtyCharacters)
{
    useSmallWeek();
    ui.titleAnswers = {std::nullopt, std::nullopt, std::nullopt,
                       QStringLiteral("A title that is longer than thirty characters")};
    for (Command c : {Command::PrintMenu, Command::MenuPrintPreview, Command::PrintDay, Command::PrintMenu})
        program.execute(c);
    EXPECT_EQ(ui.titlePrompts.size(), 4u);
    EXPECT_TRUE(ui.previews.empty());
    ASSERT_EQ(ui.prints.size(), 1u);
    EXPECT_EQ(ui.prints[0]->documentTitle, QStringLiteral("A title that is longer than th"));

    ui.printerAvailable = false;
    program.execute(Command::PrintShoppingList);
    EXPECT_EQ(ui.prints.size(), 1u);
}

TEST_F(PrintTest, PreviewsPrintAsksForTheTitleAgainAndPrintsTheCurrentWeek)
{
    program.execute(Command::MenuPrintPreview);
    ASSERT_EQ(ui.previews.size(), 1u);
    useSmallWeek();  // the week changes after the picture was drawn
    ui.titleAnswers.push_back(QStringLiteral("Again"));
    ui.previews[0]->request.print();
    EXPECT_EQ(ui.titlePrompts.size(), 2u);
    ASSERT_EQ(ui.prints.size(), 1u);
    EXPECT_EQ(ui.prints[0]->documentTitle, QStringLiteral("Again"));
    EXPECT_TRUE(ui.prints[0]->canvas.calls.contains(text(430, 588 + 842, QStringLiteral("Apple"))));

    ui.previews[0]->request.printSetup();
    program.execute(Command::PrintSetup);
    EXPECT_EQ(ui.printSetups, 2);
}

TEST_F(PrintTest, PreviewsPrintFollowsWhatThePreviewLastShowed)
{
    program.execute(Command::ShoppingListPreview);
    EXPECT_EQ(printing.previewKind(), MenuPrinting::PreviewKind::ShoppingList);
    program.execute(Command::MenuPrintPreview);
    EXPECT_EQ(printing.previewKind(), MenuPrinting::PreviewKind::Menu);
    ASSERT_EQ(ui.previews.size(), 2u);
    // The menu asks for its title again; the shopping list would not.
    ui.previews[1]->request.print();
    EXPECT_EQ(ui.titlePrompts.size(), 2u);
    ASSERT_EQ(ui.prints.size(), 1u);
    EXPECT_EQ(ui.prints[0]->documentTitle, QStringLiteral("Weekly Menu"));

    program.execute(Command::ShoppingListPreview);
    ui.previews[2]->request.print();
    EXPECT_EQ(ui.titlePrompts.size(), 2u);
    ASSERT_EQ(ui.prints.size(), 2u);
    EXPECT_TRUE(ui.prints[1]->documentTitle.startsWith(QStringLiteral("Shopping List - ")));
}

TEST_F(PrintTest, TutorPreviewKeepsItsPromptAndDoesNotWait)
{
    printing.setTutorPreview(true);
    program.execute(Command::MenuPrintPreview);
    ASSERT_EQ(ui.titlePrompts.size(), 1u);
    EXPECT_TRUE(ui.titlePrompts[0].prompt.isEmpty());
    EXPECT_EQ(ui.titlePrompts[0].caption, QStringLiteral("Menu Title"));
    ASSERT_EQ(ui.previews.size(), 1u);
    EXPECT_FALSE(ui.previews[0]->request.modal);

    program.formActivate();
    EXPECT_FALSE(printing.tutorPreview());
    program.execute(Command::MenuPrintPreview);
    EXPECT_EQ(ui.titlePrompts.at(1).prompt, QStringLiteral("Enter menu title:"));
    EXPECT_TRUE(ui.previews.at(1)->request.modal);
}

TEST(MenuTexts, TextsRoundHalvesAwayFromZeroAndMeasuresToEven)
{
    EXPECT_EQ(menuServingsText(123456.25L), QStringLiteral("(123456.3)"));
    EnergySums sums;
    sums.calories = 1234.5L;
    sums.carbohydrate = 25;
    sums.protein = 12.5L;
    sums.fat = 5;
    // Base 195: 51.28%, 25.64%, 23.08%.
    EXPECT_EQ(mealCaloriesLine(sums), QStringLiteral("Meal Calories: 1235    c 51  p 26  f 23"));
    EXPECT_EQ(dayCaloriesLine(sums), QStringLiteral("Day Calories:  1235    c 51  p 26  f 23"));
    EXPECT_EQ(roundMeasure(2.5L), 2);
    // Past an int it saturates rather than wrapping to the other side.
    EXPECT_EQ(roundMeasure(4.26e13L), std::numeric_limits<int>::max());
    EXPECT_EQ(roundMeasure(-4.26e13L), std::numeric_limits<int>::min());
}

} // namespace
} // namespace tolvane::test
