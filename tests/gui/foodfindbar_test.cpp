// The find field over a long food list: the best match is chosen and shown
// whole above the field.

#include "food/foodfindbar.h"
#include "food/foodlistview.h"
#include "menu/menuplannerpage.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QApplication>
#include <QScrollBar>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FoodFindBarTest : public WindowTest {
protected:
    FoodListView* list = nullptr;
    FoodFindBar* bar = nullptr;

    void SetUp() override
    {
        // Far more rows than the list shows; the names in the list's order.
        std::vector<FoodItem> foods;
        foods.push_back(makeItem(QStringLiteral("Buckwheat groats"), {92, 20, 3, 1, 4, 0}));
        for (int i = 0; i < 120; ++i)
            foods.push_back(makeItem(QStringLiteral("Filler %1").arg(i, 3, 10, QLatin1Char('0')), {1, 0, 0, 0, 0, 0}));
        foods.push_back(makeItem(QStringLiteral("Oats, rolled"), {150, 27, 5, 3, 2, 0}));
        for (int i = 0; i < 120; ++i)
            foods.push_back(makeItem(QStringLiteral("Pasta %1").arg(i, 3, 10, QLatin1Char('0')), {1, 0, 0, 0, 0, 0}));
        foods.push_back(makeItem(QStringLiteral("Zucchini, crème"), {20, 4, 1, 0, 8, 0}));
        ASSERT_NO_FATAL_FAILURE(openWindow(foods));
        window->applyStartPosition();
        window->show();
        QApplication::setActiveWindow(window.get());
        app->program.formActivate();
        window->refresh();
        list = static_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex))->foodList();
        bar = window->findBar(MenuPlannerPageIndex);
        ASSERT_NE(bar, nullptr);
        list->setFocus();
        key(list, Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(bar->isVisible());
    }

    // The selected row lies whole inside the list and above the field.
    void expectShownWhole(int row)
    {
        ASSERT_EQ(list->currentIndex().row(), row);
        const QRect rect = list->visualRect(list->currentIndex());
        const QWidget* parent = list->parentWidget();
        const QPoint top = list->viewport()->mapTo(parent, rect.topLeft());
        const QPoint bottom = list->viewport()->mapTo(parent, rect.bottomLeft());
        EXPECT_GE(rect.top(), 0) << row;
        EXPECT_LT(bottom.y(), bar->geometry().top()) << row;
        EXPECT_GE(top.y(), list->geometry().top()) << row;
    }
};

} // namespace

TEST_F(FoodFindBarTest, TheBestMatchIsSelectedAndShownWholeAboveTheField)
{
    typeText(bar, QStringLiteral("oats"));
    EXPECT_EQ(app->foods.selectedFoodRow(), 121);  // "Oats, rolled", not "Buckwheat groats" above it
    expectShownWhole(121);
    key(bar, Qt::Key_F3);
    EXPECT_EQ(app->foods.selectedFoodRow(), 0);  // the match inside a word comes next
    expectShownWhole(0);

    // The last row: the list scrolls to its end and the row stays above the field.
    for (int i = 0; i < 4; ++i)
        key(bar, Qt::Key_Backspace);
    typeText(bar, QStringLiteral("ZUCCHINI, CREME"));
    EXPECT_EQ(app->foods.selectedFoodRow(), 242);
    expectShownWhole(242);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());

    // Closed, the field gives the list its whole height back.
    key(bar, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(list->viewport()->geometry().bottom(), list->contentsRect().bottom());
}
