// The Menu Planner and RDA pages on the offscreen platform: layout, drag and
// drop through Qt's drop events with the mime data the lists produce, tabs,
// the servings field and the "Selection" group.

#include "food/foodlistmodel.h"
#include "food/foodlistview.h"
#include "food/foodtableio.h"
#include "menu/daynotebook.h"
#include "food/dragpayload.h"
#include "menu/menuplannerpage.h"
#include "menu/menustore.h"
#include "menu/piewidget.h"
#include "menu/rdapage.h"
#include "menu/servingsedit.h"
#include "menu/tablistbox.h"
#include "menu/trashcan.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class PlannerPageTest : public WindowTest {
protected:
    MenuPlannerPage* page = nullptr;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}),
                                            makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}),
                                            makeItem(QStringLiteral("Cheese"), {110, 0.4L, 7, 9, 180, 30})}));
        window->applyStartPosition();
        window->show();
        app->program.formActivate();
        window->refresh();
        page = static_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
        ui.messages.clear();
    }

    MenuPlanner& planner() { return app->menu; }

    // Sends the drag events a drop onto `target` delivers, with `data`.
    // Returns whether the target took the drop.
    static bool dropOn(QWidget* target, QMimeData* data)
    {
        const QPoint at(target->width() / 2, target->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    std::unique_ptr<QMimeData> foodRowMime(int row)
    {
        QAbstractItemModel* model = page->foodList()->model();
        return std::unique_ptr<QMimeData>(model->mimeData({model->index(row, 0)}));
    }

    std::unique_ptr<QMimeData> mealRowMime(int row)
    {
        QAbstractItemModel* model = page->mealList()->model();
        return std::unique_ptr<QMimeData>(model->mimeData({model->index(row, 0)}));
    }

    void dropFoodRow(int row)
    {
        const auto data = foodRowMime(row);
        ASSERT_TRUE(dropOn(page->mealList()->viewport(), data.get()));
        emit page->foodList()->dragFinished();
    }
};

QRect labelRightEdge(const QLabel* label) { return QRect(label->geometry().right() + 1, label->y(), 0, 0); }

} // namespace

TEST_F(PlannerPageTest, LaidOutAsThePageGivesIt)
{
    EXPECT_EQ(page->foodList()->geometry(), QRect(4, 4, 225, 225));
    EXPECT_EQ(page->dayNotebook()->geometry(), QRect(232, 4, 382, 221));
    EXPECT_EQ(page->mealTabs()->geometry(), QRect(232, 223, 201, 25));
    EXPECT_EQ(page->mealList()->geometry(), QRect(240, 34, 365, 183));
    EXPECT_EQ(page->trashCan()->geometry(), QRect(239, 256, 50, 50));
    EXPECT_EQ(page->totalsTabs()->geometry(), QRect(299, 340, 185, 21));
    EXPECT_EQ(page->servings()->geometry(), QRect(162, 17, 36, 24));
    EXPECT_EQ(page->servingsUpDown()->geometry(), QRect(198, 17, 12, 24));
    EXPECT_EQ(page->mealList()->itemHeight(), 14);
    EXPECT_EQ(page->mealList()->tabStops(), 0);

    QStringList days;
    for (int i = 0; i < page->dayNotebook()->count(); ++i)
        days.append(page->dayNotebook()->tab(i)->text());
    EXPECT_EQ(days, DayNames);
    // Four tabs to a row.
    EXPECT_EQ(page->dayNotebook()->tab(3)->y(), page->dayNotebook()->tab(0)->y());
    EXPECT_GT(page->dayNotebook()->tab(4)->y(), page->dayNotebook()->tab(0)->y());
    // The meal list covers the notebook's page area.
    EXPECT_TRUE(page->dayNotebook()->geometry().contains(page->mealList()->geometry()));

    QStringList meals;
    for (int i = 0; i < page->mealTabs()->count(); ++i)
        meals.append(page->mealTabs()->tabText(i));
    EXPECT_EQ(meals, MealNames);
    QStringList totals;
    for (int i = 0; i < page->totalsTabs()->count(); ++i)
        totals.append(page->totalsTabs()->tabText(i));
    EXPECT_EQ(totals, QStringList({QStringLiteral("Meal"), QStringLiteral("Day"), QStringLiteral("Week"),
                                   QStringLiteral("Avg. Day")}));

    const auto* foodBox = page->findChild<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(foodBox, nullptr);
    EXPECT_EQ(foodBox->title(), QStringLiteral("Food Item"));
    EXPECT_EQ(foodBox->geometry(), QRect(0, 232, 233, 121));
    EXPECT_EQ(labelRightEdge(page->foodPanel().values[0]).x(), 83);
    EXPECT_EQ(page->foodPanel().values[0]->y(), 6);
    EXPECT_EQ(labelRightEdge(page->foodPanel().fat).x(), 153);
    EXPECT_EQ(page->foodPanel().fat->y(), 96);
    EXPECT_EQ(page->foodPanel().pie->geometry(), QRect(160, 48, 69, 69));
    EXPECT_EQ(page->menuPanel().pie->geometry(), QRect(236, 15, 69, 69));
    EXPECT_EQ(labelRightEdge(page->menuPanel().values[5]).x(), 174);
    EXPECT_EQ(page->menuPanel().values[5]->y(), 35);
    EXPECT_EQ(page->foodPanel().values[0]->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    EXPECT_EQ(page->trashCan()->toolTip(), QStringLiteral("Trash Can"));
    EXPECT_EQ(page->mealList()->accessibleName(), QStringLiteral("Meal list"));
    EXPECT_EQ(page->servings()->accessibleName(), QStringLiteral("# Servings"));
    EXPECT_EQ(page->foodPanel().pie->accessibleName(), QStringLiteral("Food item pie"));
    EXPECT_EQ(page->foodPanel().values[1]->accessibleName(), QStringLiteral("Food item carbohydrate: 14.0 g"));
}

TEST_F(PlannerPageTest, DroppingAFoodRowOnTheMealListAddsAnEntry)
{
    page->servings()->setText(QStringLiteral("2.5"));
    emit page->servings()->textEdited(page->servings()->text());
    EXPECT_EQ(app->foods.servingsText(), QStringLiteral("2.5"));

    const auto data = foodRowMime(1);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(dragItemOf(data.get())->source, DragSource::FoodList);
    ASSERT_TRUE(dropOn(page->mealList()->viewport(), data.get()));
    emit page->foodList()->dragFinished();

    EXPECT_EQ(page->mealList()->lines(), QStringList({QStringLiteral("( 2.5)\tBread")}));
    EXPECT_EQ(page->servings()->text(), QStringLiteral("1"));
    EXPECT_EQ(page->menuPanel().values[0]->text(), QStringLiteral("     200"));
    EXPECT_EQ(page->menuPanel().carbohydrate->text(), QStringLiteral("74%"));
    const MenuFileRead stored = readMenuImage(readAll(dir.filePath(CurrentMenuFileName)));
    ASSERT_EQ(stored.problem, MenuFileProblem::None);
    EXPECT_EQ(stored.image.week[0].count(), 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PlannerPageTest, TheMealListRefusesItsOwnRowsAndForeignData)
{
    dropFoodRow(0);
    const auto own = mealRowMime(0);
    EXPECT_EQ(dragItemOf(own.get())->source, DragSource::MealList);
    EXPECT_FALSE(dropOn(page->mealList()->viewport(), own.get()));
    QMimeData text;
    text.setText(QStringLiteral("Apple"));
    EXPECT_FALSE(dropOn(page->mealList()->viewport(), &text));
    EXPECT_EQ(page->mealList()->count(), 1);
}

TEST_F(PlannerPageTest, AMealEntryOnTheTrashCanIsRemoved)
{
    dropFoodRow(0);
    dropFoodRow(1);
    dropFoodRow(2);
    const auto data = mealRowMime(1);

    QDragEnterEvent enter(QPoint(25, 25), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page->trashCan(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(page->trashCan()->isOpen());
    EXPECT_EQ(page->trashCan()->accessibleDescription(), QStringLiteral("open"));

    QDropEvent drop(QPointF(25, 25), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page->trashCan(), &drop);
    EXPECT_FALSE(page->trashCan()->isOpen());
    EXPECT_EQ(page->mealList()->lines(),
              QStringList({QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 1.0)\tCheese")}));
    EXPECT_EQ(page->mealList()->currentRow(), 0);
    EXPECT_EQ(page->menuPanel().values[0]->text(), QStringLiteral("     162"));
}

TEST_F(PlannerPageTest, AFoodRowOnTheTrashInThePersonalViewIsIllegal)
{
    app->foods.foodTable().item(2).setOnPersonalList(true);
    app->program.execute(Command::ShowPersonalList);
    window->refresh();
    const auto data = foodRowMime(0);
    ASSERT_TRUE(dropOn(page->trashCan(), data.get()));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Illegal Action"));
    EXPECT_EQ(app->foods.foodTable().count(), 3);
    EXPECT_FALSE(page->trashCan()->isOpen());
}

TEST_F(PlannerPageTest, TheTrashCanPicturesDiffer)
{
    const QImage closed = TrashCan::closedPicture().toImage();
    const QImage open = TrashCan::openPicture().toImage();
    EXPECT_EQ(closed.size(), QSize(50, 50));
    EXPECT_EQ(open.size(), QSize(50, 50));
    EXPECT_NE(closed, open);
}

TEST_F(PlannerPageTest, TabsMoveTheShownMealAndClickingAnEntryShowsIt)
{
    page->dayNotebook()->tab(3)->click();
    page->mealTabs()->setCurrentIndex(2);
    EXPECT_EQ(planner().shownDay(), 3);
    EXPECT_EQ(planner().shownMealIndex(), 2);
    EXPECT_EQ(app->program.currentDay(), 3);

    app->foods.setServingsText(QStringLiteral("4"));
    dropFoodRow(2);
    page->dayNotebook()->tab(0)->click();
    EXPECT_EQ(page->mealList()->count(), 0);
    page->dayNotebook()->tab(3)->click();
    ASSERT_EQ(page->mealList()->count(), 1);

    const QRect first = page->mealList()->visualItemRect(page->mealList()->item(0));
    click(page->mealList()->viewport(), first.center());
    EXPECT_EQ(app->foods.selectedFoodRow(), 2);
    EXPECT_EQ(page->servings()->text(), QStringLiteral("  4.0"));
    EXPECT_EQ(page->foodList()->currentIndex().row(), 2);
}

TEST_F(PlannerPageTest, ArrowKeysInTheMealListShowEachEntry)
{
    app->foods.setServingsText(QStringLiteral("2"));
    dropFoodRow(0);
    app->foods.setServingsText(QStringLiteral("3"));
    dropFoodRow(1);
    click(page->mealList()->viewport(), page->mealList()->visualItemRect(page->mealList()->item(0)).center());
    EXPECT_EQ(page->servings()->text(), QStringLiteral("  2.0"));

    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(page->mealList(), &down);
    EXPECT_EQ(planner().mealListSelection(), 1);
    EXPECT_EQ(app->foods.selectedFoodRow(), 1);
    EXPECT_EQ(page->servings()->text(), QStringLiteral("  3.0"));
}

TEST_F(PlannerPageTest, ServingsFieldLimitsTypingAndStepsWithItsButtons)
{
    page->servings()->setFocus();
    page->servings()->selectAll();
    typeText(page->servings(), QStringLiteral("12345"));
    EXPECT_EQ(page->servings()->text(), QStringLiteral("123"));
    EXPECT_EQ(app->foods.servingsText(), QStringLiteral("123"));

    page->servings()->setText(QStringLiteral("2"));
    emit page->servings()->textEdited(QStringLiteral("2"));
    page->servingsUpDown()->upButton()->click();
    EXPECT_EQ(page->servings()->text(), QStringLiteral("3"));
    EXPECT_EQ(page->foodPanel().values[0]->text(), QStringLiteral("     156"));  // Apple x 3
    page->servingsUpDown()->downButton()->click();
    page->servingsUpDown()->downButton()->click();
    page->servingsUpDown()->downButton()->click();
    EXPECT_EQ(page->servings()->text(), QStringLiteral("1"));

    // The program may show more than the user may type.
    app->foods.setServingsText(QStringLiteral("  2.5"));
    window->refresh();
    EXPECT_EQ(page->servings()->text(), QStringLiteral("  2.5"));
}

TEST_F(PlannerPageTest, SelectionGroupAndTotalsTabsFollowEachOther)
{
    auto* rda = static_cast<RdaPage*>(window->page(RdaPageIndex));
    dropFoodRow(2);
    page->totalsTabs()->setCurrentIndex(AverageDayTotalsView);
    EXPECT_TRUE(rda->comparison()->button(WeekTotalsView)->isChecked());
    EXPECT_EQ(rda->yourFat()->text(), page->menuPanel().fat->text());

    rda->comparison()->button(DayTotalsView)->click();
    EXPECT_EQ(page->totalsTabs()->currentIndex(), DayTotalsView);
    EXPECT_EQ(planner().totalsView(), DayTotalsView);
    EXPECT_EQ(rda->dayLabel()->text(), QStringLiteral("Sunday"));
    EXPECT_EQ(rda->mealLabel()->text(), QStringLiteral("Breakfast"));
    EXPECT_EQ(rda->yourCarbohydrate()->text(), page->menuPanel().carbohydrate->text());
    EXPECT_EQ(rda->menuPie()->shares(), planner().menuPanel().shares);
    EXPECT_EQ(rda->recommendedPie()->shares(), RecommendedShares);
}

TEST(TabListBoxWidget, DefaultsAndTabStops)
{
    TabListBox list;
    EXPECT_EQ(list.size(), QSize(200, 50));
    EXPECT_EQ(list.itemHeight(), 16);
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    const int standard = list.tabStopPixels();
    list.setTabStops(16);
    EXPECT_EQ(list.tabStops(), 16);
    EXPECT_NEAR(list.tabStopPixels(), standard / 2, 1);
    list.setTabStops(0);
    EXPECT_EQ(list.tabStopPixels(), standard);

    list.setLines({QStringLiteral("( 1.0)\tApple"), QStringLiteral("(12.5)\tBread")}, 1);
    EXPECT_EQ(list.currentRow(), 1);
    list.setLines({QStringLiteral("( 1.0)\tApple")}, -1);
    EXPECT_EQ(list.count(), 1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
}
