// The shopping list: what it holds, in which order, and where its lines go on
// the preview image and on the printer page.

#include "printfixture.h"
#include "menu/shoppinglist.h"

namespace tolvane::test {
namespace {

QStringList lines(const ShoppingList& list)
{
    QStringList texts;
    for (const ShoppingEntry& entry : list)
        texts.append(shoppingLine(entry));
    return texts;
}

// Every meal full: 280 distinct items, "Item 0000" to "Item 0279".
Week fullWeek()
{
    Week week{};
    const std::vector<FoodItem> items = numberedItems(MealsPerWeek * Meal::Capacity);
    // Fill from the last meal backwards so the list must sort what it gets.
    std::size_t next = items.size();
    for (Meal& meal : week)
        while (!meal.isFull())
            meal.append(items[--next], 1);
    return week;
}

TEST_F(PrintTest, ShoppingListSumsServingsOfEqualNamesInCharacterCodeOrder)
{
    Week week{};
    week[weekIndex(1, 0)].append(apple(), 1.5L);
    week[weekIndex(1, 0)].append(bread(), 2);
    week[weekIndex(3, 3)].append(makeItem(QStringLiteral("apple"), {1, 1, 1, 1, 1, 1}), 1);
    // Same name with other values is the same entry: the list goes by name.
    week[weekIndex(5, 2)].append(makeItem(QStringLiteral("Apple"), {99, 9, 9, 9, 9, 9}), 2);
    week[weekIndex(6, 3)].append(makeItem(QStringLiteral("Zucchini"), {}), 0.25L);

    EXPECT_EQ(lines(shoplistprep(week)),
              (QStringList{QStringLiteral("(  3.5)  Apple"), QStringLiteral("(  2.0)  Bread"),
                           QStringLiteral("(  0.3)  Zucchini"), QStringLiteral("(  1.0)  apple")}));
    EXPECT_TRUE(shoplistprep(Week{}).empty());
    EXPECT_EQ(shoppingLine({QStringLiteral("A name of exactly thirty chars"), {}, 1e30L}).size(), 44);
}

TEST_F(PrintTest, ShoppingListPreviewAndPrintout)
{
    useSmallWeek();
    printing.today = [] { return QDate(2026, 12, 7); };
    program.execute(Command::ShoppingListPreview);
    program.execute(Command::PrintShoppingList);

    EXPECT_TRUE(ui.titlePrompts.empty());
    EXPECT_EQ(printing.previewKind(), MenuPrinting::PreviewKind::ShoppingList);
    ASSERT_EQ(ui.previews.size(), 1u);
    const RecordingCanvas& preview = ui.previews[0]->canvas;
    EXPECT_EQ(preview.calls.mid(0, 2),
              (QStringList{QStringLiteral("brush 255 255 255"), QStringLiteral("fillrect 0 0 800 1200")}));
    EXPECT_EQ(preview.only(QStringLiteral("text")),
              (QStringList{text(400 - 72, 10, QStringLiteral("Shopping List - 12/07/26")),
                           text(10, 70, QStringLiteral("(  3.5)  Apple")),
                           text(10, 82, QStringLiteral("(  2.0)  Bread"))}));

    // 5100 x 6600: margin 150, column (5100 - 90 - 300) div 3 = 1570, top 450,
    // line height 6150 div 90 = 68.
    ASSERT_EQ(ui.prints.size(), 1u);
    const PrintRecord& job = *ui.prints[0];
    EXPECT_EQ(job.documentTitle, QStringLiteral("Shopping List - 12/07/26"));
    EXPECT_EQ(job.orientation, PageOrientation::Portrait);
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(job.canvas.only(QStringLiteral("text")),
              (QStringList{text(2550 - 72, 68, QStringLiteral("Shopping List - 12/07/26")),
                           text(150, 450, QStringLiteral("(  3.5)  Apple")),
                           text(150, 518, QStringLiteral("(  2.0)  Bread"))}));

    // The preview's "&Print" prints the shopping list, without a title prompt.
    ui.previews[0]->request.print();
    EXPECT_EQ(ui.prints.size(), 2u);
    EXPECT_TRUE(ui.titlePrompts.empty());
}

TEST_F(PrintTest, LongShoppingListFillsColumnsThenFurtherPages)
{
    useWeek(fullWeek());
    program.execute(Command::ShoppingListPreview);
    program.execute(Command::PrintShoppingList);

    const QStringList preview = ui.previews.at(0)->canvas.only(QStringLiteral("text"));
    ASSERT_EQ(preview.size(), 1 + 280);
    EXPECT_EQ(preview[1], text(10, 70, QStringLiteral("(  1.0)  Item 0000")));
    EXPECT_EQ(preview[90], text(10, 70 + 89 * 12, QStringLiteral("(  1.0)  Item 0089")));
    EXPECT_EQ(preview[91], text(268, 70, QStringLiteral("(  1.0)  Item 0090")));
    EXPECT_EQ(preview[270], text(526, 70 + 89 * 12, QStringLiteral("(  1.0)  Item 0269")));
    // Entry 271 would stand at x = 784, off the 800-pixel image: a cleared
    // second preview page takes entries 271 to 280 in the first column.
    const QStringList& previewCalls = ui.previews.at(0)->canvas.calls;
    const qsizetype previewBreak = previewCalls.indexOf(QStringLiteral("newpage"));
    ASSERT_GE(previewBreak, 0);
    EXPECT_EQ(previewCalls.count(QStringLiteral("newpage")), 1);
    EXPECT_EQ(previewCalls[previewBreak - 1], preview[270]);
    EXPECT_EQ(previewCalls[previewBreak + 1], QStringLiteral("fillrect 0 0 800 1200"));
    EXPECT_EQ(previewCalls[previewBreak + 2], text(10, 70, QStringLiteral("(  1.0)  Item 0270")));
    EXPECT_EQ(preview[280], text(10, 70 + 9 * 12, QStringLiteral("(  1.0)  Item 0279")));

    const QStringList& calls = ui.prints.at(0)->canvas.calls;
    const QStringList printed = ui.prints.at(0)->canvas.only(QStringLiteral("text"));
    ASSERT_EQ(printed.size(), 1 + 280);
    EXPECT_EQ(printed[91], text(150 + 1570, 450, QStringLiteral("(  1.0)  Item 0090")));
    EXPECT_EQ(printed[270], text(150 + 2 * 1570, 450 + 89 * 68, QStringLiteral("(  1.0)  Item 0269")));
    // Entry 271 would stand beyond the paper's width: it opens a second page.
    const qsizetype pageBreak = calls.indexOf(QStringLiteral("newpage"));
    ASSERT_GE(pageBreak, 0);
    EXPECT_EQ(calls.count(QStringLiteral("newpage")), 1);
    EXPECT_EQ(calls[pageBreak - 1], printed[270]);
    EXPECT_EQ(calls[pageBreak + 1], text(150, 450, QStringLiteral("(  1.0)  Item 0270")));
}

} // namespace
} // namespace tolvane::test
