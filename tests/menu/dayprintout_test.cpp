// The daily menu printout: every text by row and column, left or right
// aligned, the default title and the percentages.

#include "printfixture.h"
#include "menu/dayprintout.h"
#include "storage/daytext.h"

namespace tolvane::test {
namespace {

// A 600 dpi letter page: margin 150, column unit (5100 - 300 - 90) div 10 =
// 471, line height (6600 - 450) div 66 = 93.
constexpr int Line = 93;
QString left(int x, int row, const QString& s) { return QStringLiteral("L %1 %2 ").arg(x).arg(row * Line) + s; }
QStringList values(int row, const QStringList& six)
{
    QStringList texts;
    for (int i = 0; i < 6; ++i)
        texts.append(QStringLiteral("R %1 %2 ").arg((5 + i) * 471).arg(row * Line) + six[i]);
    return texts;
}
QStringList percents(const QString& label, int row, const QStringList& three)
{
    QStringList texts{left(300, row, label)};
    for (int i = 0; i < 3; ++i)
        texts.append(QStringLiteral("R %1 %2 ").arg((6 + i) * 471).arg(row * Line) + three[i]);
    return texts;
}
const QStringList ZeroValues = {QStringLiteral("    0"), QStringLiteral(" 0.0"), QStringLiteral(" 0.0"),
                                QStringLiteral(" 0.0"), QStringLiteral("    0"), QStringLiteral("    0")};
const QStringList ZeroPercents = {QStringLiteral("0.0%"), QStringLiteral("0.0%"), QStringLiteral("0.0%")};

TEST_F(PrintTest, DailyMenuPlacesEveryTextByRow)
{
    const FoodItem egg = makeItem(QStringLiteral("Egg"), {70, 0.5L, 6, 5, 60, 190});
    Week week{};
    week[weekIndex(1, 0)].append(egg, 1.5L);
    week[weekIndex(1, 0)].append(bread(), 2);
    week[weekIndex(1, 3)].append(bread(), 1);
    week[weekIndex(2, 1)].append(egg, 9);  // another day: not printed
    useWeek(week, 1);
    printing.today = [] { return QDate(2026, 12, 7); };
    program.execute(Command::PrintDay);

    ASSERT_EQ(ui.titlePrompts.size(), 1u);
    EXPECT_EQ(ui.titlePrompts[0], (TitlePrompt{QStringLiteral("Enter daily menu title:"),
                                               QStringLiteral("Daily Menu Title"),
                                               QStringLiteral("Daily Menu for Monday")}));
    ASSERT_EQ(ui.prints.size(), 1u);
    EXPECT_EQ(ui.prints[0]->documentTitle, QStringLiteral("Daily Menu for Monday"));
    EXPECT_TRUE(ui.prints[0]->ended);

    QStringList expected = {
        left(2550 - 63, 1, QStringLiteral("Daily Menu for Monday")),
        left(150, 4, QStringLiteral("Monday - Printed on ") + formatShortDate(QDate(2026, 12, 7))),
        // Halves of the column unit go to the even pixel: 1177.5 -> 1178, 2590.5 -> 2590.
        left(1178, 5, QStringLiteral("Food Item")), left(2120, 5, QStringLiteral("KCal")),
        left(2590, 5, QStringLiteral("Carbo(g)")), left(3062, 5, QStringLiteral("Prot(g)")),
        left(3532, 5, QStringLiteral("Fat(g)")), left(4004, 5, QStringLiteral("Chol(mg)")),
        left(4474, 5, QStringLiteral("Na(mg)")), left(150, 6, QStringLiteral("Breakfast")),
        left(300, 7, QStringLiteral("( 1.5)  Egg"))};
    expected << values(7, {QStringLiteral("  105"), QStringLiteral(" 0.8"), QStringLiteral(" 9.0"),
                           QStringLiteral(" 7.5"), QStringLiteral("  285"), QStringLiteral("   90")});
    expected << left(300, 8, QStringLiteral("( 2.0)  Bread"));
    expected << values(8, {QStringLiteral("  160"), QStringLiteral("30.0"), QStringLiteral(" 6.0"),
                           QStringLiteral(" 2.0"), QStringLiteral("    0"), QStringLiteral("  300")});
    expected << left(300, 10, QStringLiteral("Meal Totals"));
    expected << values(10, {QStringLiteral("  265"), QStringLiteral("30.8"), QStringLiteral("15.0"),
                            QStringLiteral(" 9.5"), QStringLiteral("  285"), QStringLiteral("  390")});
    // Base 123 + 60 + 85.5 = 268.5.
    expected << percents(QStringLiteral("Meal Percents"), 11,
                         {QStringLiteral("45.8%"), QStringLiteral("22.3%"), QStringLiteral("31.8%")});
    for (const auto& [name, row] : {std::pair{QStringLiteral("Lunch"), 13}, std::pair{QStringLiteral("Dinner"), 18}}) {
        expected << left(150, row, name) << left(300, row + 2, QStringLiteral("Meal Totals")) << values(row + 2, ZeroValues)
                 << percents(QStringLiteral("Meal Percents"), row + 3, ZeroPercents);
    }
    const QStringList breadValues = {QStringLiteral("   80"), QStringLiteral("15.0"), QStringLiteral(" 3.0"),
                                     QStringLiteral(" 1.0"), QStringLiteral("    0"), QStringLiteral("  150")};
    expected << left(150, 23, QStringLiteral("Snack")) << left(300, 24, QStringLiteral("( 1.0)  Bread")) << values(24, breadValues)
             << left(300, 26, QStringLiteral("Meal Totals")) << values(26, breadValues)
             << percents(QStringLiteral("Meal Percents"), 27,
                         {QStringLiteral("74.1%"), QStringLiteral("14.8%"), QStringLiteral("11.1%")});
    expected << left(300, 29, QStringLiteral("Day Totals"));
    expected << values(29, {QStringLiteral("  345"), QStringLiteral("45.8"), QStringLiteral("18.0"),
                            QStringLiteral("10.5"), QStringLiteral("  285"), QStringLiteral("  540")});
    // Base 183 + 72 + 94.5 = 349.5.
    expected << percents(QStringLiteral("Day Percents"), 30,
                         {QStringLiteral("52.4%"), QStringLiteral("20.6%"), QStringLiteral("27.0%")});
    EXPECT_EQ(ui.prints[0]->canvas.alignedTexts(), expected);
}

TEST_F(PrintTest, DailyMenuOfAFullDayEndsOnRow67OfTheOnePage)
{
    Week week{};
    for (int m = 0; m < MealsPerDay; ++m)
        for (int e = 0; e < Meal::Capacity; ++e)
            week[weekIndex(3, m)].append(bread(), 1);
    useWeek(week, 3);
    ui.titleAnswers.push_back(QString());
    program.execute(Command::PrintDay);

    EXPECT_EQ(ui.titlePrompts.at(0).initialTitle, QStringLiteral("Daily Menu for Wednesday"));
    const PrintRecord& job = *ui.prints.at(0);
    const QStringList texts = job.canvas.alignedTexts();
    EXPECT_EQ(texts.first(), left(2550, 1, QString()));  // an empty title, centred
    EXPECT_EQ(texts.at(texts.size() - 4), left(300, 67, QStringLiteral("Day Percents")));
    EXPECT_EQ(texts.last(), QStringLiteral("R 3768 %1 11.1%").arg(67 * Line));
    EXPECT_TRUE(job.canvas.only(QStringLiteral("newpage")).isEmpty());
    // A 30-character name fits; the line is cut at 41 characters.
    const QString thirty(30, QLatin1Char('n'));
    EXPECT_EQ(dayEntryText(thirty, 2), QStringLiteral("( 2.0)  ") + thirty);
    EXPECT_EQ(dayEntryText(thirty, 123456.0L), (QStringLiteral("(123456.0) ") + thirty).left(41));
}

} // namespace
} // namespace tolvane::test
