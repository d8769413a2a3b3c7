// The recipe printout: every text by row and column on a 600 dpi letter page,
// the title prompt, the per-serving row and the page breaks of long
// instructions, stored lines split at CR LF (a final one opens no line).

#include "recipes/recipeprintout.h"
#include "recipefixture.h"

namespace tolvane::test {
namespace {

// 5100 x 6600 pixels: margin 150, column unit (5100 - 300 - 90) div 10 = 471,
// line height (6600 - 450) div 66 = 93.
constexpr int Line = 93;
constexpr int Unit = 471;
QString left(int x, int row, const QString& s) { return QStringLiteral("L %1 %2 ").arg(x).arg(row * Line) + s; }
QString right(int column, int row, const QString& s)
{
    return QStringLiteral("R %1 %2 ").arg(column * Unit).arg(row * Line) + s;
}
QStringList values(int row, const QString& label, const QStringList& six)
{
    QStringList texts{left(300, row, label)};
    for (int i = 0; i < 6; ++i)
        texts.append(right(5 + i, row, six[i]));
    return texts;
}
QStringList percents(int row, const QStringList& three)
{
    return {left(300, row, QStringLiteral("Recipe Percents")), right(6, row, three[0]), right(7, row, three[1]),
            right(8, row, three[2])};
}
QStringList headings()
{
    // Halves of the column unit go to the even pixel: 1177.5 -> 1178, 2590.5 -> 2590.
    return {left(150, 5, QStringLiteral("Ingredients")), left(1178, 6, QStringLiteral("Food Item")),
            left(2120, 6, QStringLiteral("KCal")),       left(2590, 6, QStringLiteral("Carbo(g)")),
            left(3062, 6, QStringLiteral("Prot(g)")),    left(3532, 6, QStringLiteral("Fat(g)")),
            left(4004, 6, QStringLiteral("Chol(mg)")),   left(4474, 6, QStringLiteral("Na(mg)"))};
}

class RecipePrintTest : public RecipeTest {
protected:
    // "Print &Recipe" with `title` typed; the one job's texts.
    QStringList print(const QString& title)
    {
        ui.titleAnswers.push_back(title);
        program.execute(Command::PrintRecipe);
        EXPECT_EQ(ui.prints.size(), 1u);
        if (ui.prints.empty())
            return {};
        EXPECT_TRUE(ui.prints[0]->ended);
        return ui.prints[0]->canvas.alignedTexts();
    }
    // `count` instruction lines "Step 1", "Step 2"...
    void steps(int count)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines.append(QStringLiteral("Step %1").arg(i));
        recipes.setInstructions(lines.join(QStringLiteral("\r\n")));
    }
};

TEST_F(RecipePrintTest, SmallRecipePlacesEveryTextByRow)
{
    drop(0, QStringLiteral("2"));  // Apple
    drop(1);                       // Bread
    recipes.setRecipeServingsText(QStringLiteral("2"));
    recipes.setInstructions(QStringLiteral("Mix well.\r\nBake 20 minutes.\r\n"));

    const QStringList texts = print(QStringLiteral("Apple Bread"));
    ASSERT_EQ(ui.titlePrompts.size(), 1u);
    EXPECT_EQ(ui.titlePrompts[0],
              (TitlePrompt{QStringLiteral("Enter recipe title:"), QStringLiteral("Enter Recipe Title"), QString()}));
    EXPECT_EQ(ui.prints[0]->orientation, PageOrientation::Portrait);
    EXPECT_EQ(ui.prints[0]->documentTitle, QStringLiteral("Apple Bread"));

    QStringList expected{left(2550 - 33, 1, QStringLiteral("Apple Bread"))};
    expected << headings();
    expected << values(7, QStringLiteral("( 2.0)  Apple"),
                       {QStringLiteral("  104"), QStringLiteral("28.0"), QStringLiteral(" 0.6"),
                        QStringLiteral(" 0.4"), QStringLiteral("    0"), QStringLiteral("    2")});
    expected << values(8, QStringLiteral("( 1.0)  Bread"),
                       {QStringLiteral("   80"), QStringLiteral("15.0"), QStringLiteral(" 3.0"),
                        QStringLiteral(" 1.0"), QStringLiteral("    0"), QStringLiteral("  150")});
    expected << values(10, QStringLiteral("Recipe Totals"),
                       {QStringLiteral("  184"), QStringLiteral("43.0"), QStringLiteral(" 3.6"),
                        QStringLiteral(" 1.4"), QStringLiteral("    0"), QStringLiteral("  152")});
    expected << values(11, QStringLiteral("Recipe Totals per serving"),
                       {QStringLiteral("   92"), QStringLiteral("21.5"), QStringLiteral(" 1.8"),
                        QStringLiteral(" 0.7"), QStringLiteral("    0"), QStringLiteral("   76")});
    // Energy base 4 x 43 + 4 x 3.6 + 9 x 1.4 = 199.
    expected << percents(12, {QStringLiteral("86.4%"), QStringLiteral("7.2%"), QStringLiteral("6.3%")});
    expected << left(150, 14, QStringLiteral("Recipe Directions")) << left(300, 16, QStringLiteral("Mix well."))
             << left(300, 17, QStringLiteral("Bake 20 minutes."));
    EXPECT_EQ(texts, expected);

    // Title 16 points plain, headings bold, values plain, directions heading bold.
    EXPECT_EQ(ui.prints[0]->canvas.only(QStringLiteral("font")),
              (QStringList{QStringLiteral("font Arial"), QStringLiteral("fontsize 16"), QStringLiteral("fontstyle 0"),
                           QStringLiteral("fontsize 10"), QStringLiteral("fontstyle 1"), QStringLiteral("fontstyle 0"),
                           QStringLiteral("fontstyle 1"), QStringLiteral("fontstyle 0")}));
    EXPECT_EQ(ui.prints[0]->canvas.only(QStringLiteral("transparent")), QStringList{QStringLiteral("transparent 1")});
}

TEST_F(RecipePrintTest, EmptyRecipeAndTitles)
{
    // Cancel prints nothing.
    ui.titleAnswers.push_back(std::nullopt);
    program.execute(Command::PrintRecipe);
    EXPECT_EQ(ui.titlePrompts.size(), 1u);
    EXPECT_TRUE(ui.prints.empty());

    // An empty title is centred as an empty text; the title box keeps 30 characters.
    const QStringList texts = print(QString());
    QStringList expected{left(2550, 1, QString())};
    expected << headings();
    const QStringList zeros = {QStringLiteral("    0"), QStringLiteral(" 0.0"), QStringLiteral(" 0.0"),
                               QStringLiteral(" 0.0"), QStringLiteral("    0"), QStringLiteral("    0")};
    expected << values(8, QStringLiteral("Recipe Totals"), zeros)
             << values(9, QStringLiteral("Recipe Totals per serving"), zeros)
             << percents(10, {QStringLiteral("0.0%"), QStringLiteral("0.0%"), QStringLiteral("0.0%")})
             << left(150, 12, QStringLiteral("Recipe Directions"));
    EXPECT_EQ(texts, expected);

    ui.titleAnswers.push_back(QString(40, QLatin1Char('x')));
    program.execute(Command::PrintRecipe);
    ASSERT_EQ(ui.prints.size(), 2u);
    EXPECT_EQ(ui.prints[1]->documentTitle, QString(30, QLatin1Char('x')));
}

TEST_F(RecipePrintTest, PerServingRowAndPercentages)
{
    start({plainItem(QStringLiteral("Stew"), {1000, 25, 12.5L, 5, 0, 0})});
    drop(0);
    recipes.setRecipeServingsText(QStringLiteral("4"));
    QStringList texts = print(QStringLiteral("Stew"));
    // 6.25 and 1.25 grams are halves: away from zero.
    EXPECT_TRUE(texts.contains(right(5, 10, QStringLiteral("  250"))));
    EXPECT_TRUE(texts.contains(right(6, 10, QStringLiteral(" 6.3"))));
    EXPECT_TRUE(texts.contains(right(8, 10, QStringLiteral(" 1.3"))));
    EXPECT_EQ(texts.mid(texts.indexOf(left(300, 11, QStringLiteral("Recipe Percents"))), 4),
              percents(11, {QStringLiteral("51.3%"), QStringLiteral("25.6%"), QStringLiteral("23.1%")}));

    // An unreadable count prints the totals again.
    ui.prints.clear();
    recipes.setRecipeServingsText(QStringLiteral("four"));
    texts = print(QStringLiteral("Stew"));
    EXPECT_TRUE(texts.contains(right(5, 10, QStringLiteral(" 1000"))));

    // A count of 0 has no per-serving values: the label stands alone.
    ui.prints.clear();
    recipes.setRecipeServingsText(QStringLiteral("0"));
    texts = print(QStringLiteral("Stew"));
    const qsizetype label = texts.indexOf(left(300, 10, QStringLiteral("Recipe Totals per serving")));
    ASSERT_GE(label, 0);
    EXPECT_EQ(texts[label + 1], left(300, 11, QStringLiteral("Recipe Percents")));
}

TEST_F(RecipePrintTest, TwentyIngredientsAndPageBreaks)
{
    // 20 ingredients: totals on row 28, directions from row 34 to row 60, so
    // 27 lines fill the page and the 28th continues on the next one.
    for (int i = 0; i < 20; ++i)
        drop(2);
    steps(28);
    QStringList texts = print(QStringLiteral("Soup"));
    EXPECT_EQ(texts.filter(QStringLiteral("( 1.0)  Soup")).size(), 20);
    EXPECT_TRUE(texts.contains(left(300, 26, QStringLiteral("( 1.0)  Soup"))));
    EXPECT_TRUE(texts.contains(left(300, 28, QStringLiteral("Recipe Totals"))));
    EXPECT_TRUE(texts.contains(left(150, 32, QStringLiteral("Recipe Directions"))));
    const qsizetype first = texts.indexOf(left(300, 34, QStringLiteral("Step 1")));
    ASSERT_GE(first, 0);
    EXPECT_EQ(texts.mid(first + 26), (QStringList{left(300, 60, QStringLiteral("Step 27")), QStringLiteral("newpage"),
                                                  left(300, RecipeContinuationRow, QStringLiteral("Step 28"))}));

    // A last line on row 60 still ends its page; one on row 59 does not.
    ui.prints.clear();
    steps(27);
    texts = print(QStringLiteral("Soup"));
    EXPECT_EQ(texts.mid(texts.size() - 2),
              (QStringList{left(300, 60, QStringLiteral("Step 27")), QStringLiteral("newpage")}));
    ui.prints.clear();
    steps(26);
    texts = print(QStringLiteral("Soup"));
    EXPECT_EQ(texts.last(), left(300, 59, QStringLiteral("Step 26")));
    EXPECT_FALSE(texts.contains(QStringLiteral("newpage")));
}

TEST_F(RecipePrintTest, PrintsTheLinesTheMemoShows)
{
    // The window's memo wraps a long paragraph: each screen line is a row.
    recipes.setInstructions(QStringLiteral("Simmer the soup slowly for an hour."));
    recipes.memoScreenLines = [] {
        return QStringList{QStringLiteral("Simmer the soup "), QStringLiteral("slowly for an hour.")};
    };
    const QStringList texts = print(QStringLiteral("Soup"));
    EXPECT_EQ(texts.mid(texts.size() - 2), (QStringList{left(300, 14, QStringLiteral("Simmer the soup ")),
                                                        left(300, 15, QStringLiteral("slowly for an hour."))}));
}

} // namespace
} // namespace tolvane::test
