// The "Add from USDA" window by keys alone, and what a screen reader reads
// at each step: a new user adds one chocolate-chip cookie to Monday's snack.

#include "food/foodlistview.h"
#include "menu/menuplannerpage.h"
#include "menu/tablistbox.h"
#include "reference/addfromusda.h"
#include "reference/usdawindow.h"
#include "qstringprint.h"
#include "windowtest.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class UsdaWindowTest : public WindowTest {
protected:
    int presses = 0;
    // A key as the window system delivers it: shortcuts and mnemonics included.
    void press(Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : QApplication::focusWidget();
        ASSERT_TRUE(target);
        QTest::keyClick(target, code, modifiers);
        ++presses;
    }
    void type(const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            ++presses;
        }
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
};

} // namespace

TEST_F(UsdaWindowTest, AChocolateChipCookieIsAddedToMondaysSnackByKeysAndEveryStepIsRead)
{
    ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple"), {52, 14, 0.25L, 0.25L, 1, 0})}));
    app->usda.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    window->applyStartPosition();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* planner = static_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
    planner->foodList()->setFocus();
    ui.windows.clear();  // the tutor and the information of a first start
    EXPECT_EQ(window->action(Command::AddFromUsda)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+A")));
    press(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(ui.windows, QStringList{QStringLiteral("usda")});

    // The window the main window's side shows for it.
    int refreshes = 0;
    UsdaWindow usda(app->usda, [&] { ++refreshes, window->refresh(); }, window.get());
    usda.show();
    QApplication::setActiveWindow(&usda);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&usda));
    usda.searchField()->setFocus();
    EXPECT_EQ(readName(focus()), QStringLiteral("Search USDA foods"));

    type(QStringLiteral("choc chip cookie"));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("14 foods"));
    press(Qt::Key_Return);
    EXPECT_EQ(focus(), usda.results());
    QTreeWidgetItem* first = usda.results()->currentItem();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text(0),
              QStringLiteral("Cookies, chocolate chip, commercially prepared, regular, higher fat, enriched"));
    EXPECT_EQ(first->text(1), QStringLiteral("Baked Products"));
    EXPECT_EQ(readName(usda.measures()),
              QStringLiteral("1 cookie (average weight of 1 cookie, variety of brands) (12.2 g)"));
    EXPECT_EQ(readName(usda.value(0)), QStringLiteral("Calories 58"));
    EXPECT_EQ(readName(usda.value(4)), QStringLiteral("Sodium 42.0"));
    EXPECT_EQ(readValue(usda.nameField()), QStringLiteral("Choc chip cookies, 1 cookie"));
    press(Qt::Key_A, Qt::AltModifier);  // "&Add", which the button shows pressed for a moment
    ASSERT_TRUE(QTest::qWaitFor([&] { return refreshes == 1; }));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("Added \"Choc chip cookies, 1 cookie\"."));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(focus(), usda.searchField());  // open for the next search
    press(Qt::Key_Escape);
    EXPECT_FALSE(usda.isVisible());

    // Back in the food list, on the item added (the window manager activates
    // the main window again; offscreen has none); Monday's snack, then "Add to Mea&l".
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(focus(), planner->foodList());
    EXPECT_EQ(app->foods.foodTable().rowItem(app->foods.selectedFoodRow()).name(),
              QStringLiteral("Choc chip cookies, 1 cookie"));
    press(Qt::Key_Tab);
    EXPECT_EQ(readName(focus()), QStringLiteral("Sunday"));
    press(Qt::Key_Right);
    EXPECT_EQ(readName(focus()), QStringLiteral("Monday"));
    press(Qt::Key_Tab);
    for (int meal = 0; meal < 3; ++meal)
        press(Qt::Key_Right);
    EXPECT_EQ(readName(focus()), QStringLiteral("Snack"));
    press(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QApplication::activePopupWidget());
    press(Qt::Key_L);
    EXPECT_EQ(app->menu.meal(1, 3).count(), 1);
    EXPECT_EQ(planner->mealList()->lines(), QStringList{QStringLiteral("( 1.0)\tChoc chip cookies, 1 cookie")});
    EXPECT_LT(presses, 30);
}

TEST_F(UsdaWindowTest, ANoMatchIsReadAndKeepsTheResults)
{
    ASSERT_NO_FATAL_FAILURE(openWindow({}));
    app->usda.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    app->program.execute(Command::AddFromUsda);
    UsdaWindow usda(app->usda, {}, window.get());
    usda.show();
    usda.searchField()->setFocus();
    key(usda.searchField(), Qt::Key_unknown, Qt::NoModifier, QStringLiteral("m"));
    const int found = usda.results()->topLevelItemCount();
    EXPECT_GT(found, 0);
    typeText(usda.searchField(), QStringLiteral("qqq"));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("No food item matches \"mqqq\"."));
    EXPECT_EQ(usda.results()->topLevelItemCount(), found);
}

TEST_F(UsdaWindowTest, RankingByANutrientIsReachedByKeysAndReadAloud)
{
    ASSERT_NO_FATAL_FAILURE(openWindow({}));
    app->usda.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    app->program.execute(Command::AddFromUsda);
    UsdaWindow usda(app->usda, {}, window.get());
    usda.show();
    usda.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&usda));
    usda.searchField()->setFocus();
    type(QStringLiteral("spinach"));
    EXPECT_TRUE(usda.results()->isColumnHidden(2));  // no amounts in the search's own order
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), usda.rankBy());
    type(QStringLiteral("Iron"));
    EXPECT_EQ(readName(usda.rankBy()), QStringLiteral("Iron"));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("25 foods, richest in iron per 100 g first"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), usda.rankBasis());
    press(Qt::Key_Down);
    EXPECT_EQ(readName(usda.rankBasis()), QStringLiteral("100 kcal"));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("25 foods, richest in iron per 100 kcal first"));
    EXPECT_FALSE(usda.results()->isColumnHidden(2));
    EXPECT_EQ(usda.results()->headerItem()->text(2), QStringLiteral("Iron per 100 kcal"));
    // A screen reader reads the amount in the first row's own cell.
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(usda.results())->tableInterface();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name),
              QStringLiteral("Spinach, cooked, boiled, drained, without salt"));
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("15.5 mg"));
}
