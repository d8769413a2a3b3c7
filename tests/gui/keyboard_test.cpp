// Every way a row becomes selected reaches the program, keys do what drags
// do, the page control's keys, and a press and release without a drag end a
// drag as the program expects: on the offscreen platform.

#include "activity/activityplannerpage.h"
#include "activity/activitytexts.h"
#include "food/foodfindbar.h"
#include "food/foodlistmodel.h"
#include "food/foodlistview.h"
#include "food/foodtableio.h"
#include "menu/daynotebook.h"
#include "menu/menufile.h"
#include "menu/menustore.h"
#include "menu/menuplannerpage.h"
#include "menu/servingsedit.h"
#include "menu/tablistbox.h"
#include "menu/trashcan.h"
#include "recipes/recipespage.h"
#include "shell/rowselection.h"
#include "app/app.h"
#include "activity/activityfile.h"
#include "app/mainwindow.h"
#include "weight/calculatorspage.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QPoint rowCentre(QAbstractItemView* view, int row) { return view->visualRect(view->model()->index(row, 0)).center(); }

class KeyboardTest : public WindowTest {
protected:
    MenuPlannerPage* planner = nullptr;
    RecipesPage* recipes = nullptr;

    void SetUp() override
    {
        std::vector<ActivityRecord> activities(2);
        activities[0].setName(QStringLiteral("Cycling"));
        activities[0].setCaloriesPerHour(400);
        activities[1].setName(QStringLiteral("Walking"));
        activities[1].setCaloriesPerHour(300);
        writeAll(dir.filePath(ActivityFileName), activityImage(activities));
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}),
                                            makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}),
                                            makeItem(QStringLiteral("Cheese"), {110, 0.4L, 7, 9, 180, 30}),
                                            makeItem(QStringLiteral("Wheat bread"), {70, 12, 3, 1, 140, 0})}));
        window->applyStartPosition();
        window->show();
        // Shortcuts work in the active window.
        QApplication::setActiveWindow(window.get());
        app->program.formActivate();
        window->refresh();
        planner = static_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
        recipes = static_cast<RecipesPage*>(window->page(RecipesPageIndex));
        ui.messages.clear();
    }

    FoodListView* foodList() const { return planner->foodList(); }
    QString foodCalories() const { return planner->foodPanel().values[0]->text(); }
};

} // namespace

TEST_F(KeyboardTest, KeysAndTheSelectionModelSelectTheProgramsFoodItem)
{
    FoodListView* list = foodList();
    list->setFocus();
    ASSERT_EQ(app->foods.selectedFoodRow(), 0);

    key(list, Qt::Key_Down);
    EXPECT_EQ(app->foods.selectedFoodRow(), 1);
    EXPECT_EQ(foodCalories(), QStringLiteral("      80"));
    key(list, Qt::Key_End);
    EXPECT_EQ(app->foods.selectedFoodRow(), 3);
    key(list, Qt::Key_Home);
    EXPECT_EQ(app->foods.selectedFoodRow(), 0);
    typeText(list, QStringLiteral("c"));  // type-ahead
    EXPECT_EQ(app->foods.selectedFoodRow(), 2);
    EXPECT_EQ(foodCalories(), QStringLiteral("     110"));

    // No click at all: the selection model alone.
    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(app->foods.selectedFoodRow(), 1);
    EXPECT_EQ(list->currentIndex().row(), 1);  // the keys go on from there
    key(list, Qt::Key_Down);
    EXPECT_EQ(app->foods.selectedFoodRow(), 2);

    // A screen reader selecting a row.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(accessible, nullptr);
    ASSERT_NE(accessible->tableInterface(), nullptr);
    EXPECT_TRUE(accessible->tableInterface()->selectRow(3));
    EXPECT_EQ(app->foods.selectedFoodRow(), 3);
    EXPECT_EQ(foodCalories(), QStringLiteral("      70"));

    // The commands act on the row the user sees highlighted.
    window->action(Command::AddToMeal)->trigger();
    EXPECT_EQ(planner->mealList()->lines(), QStringList{QStringLiteral("( 1.0)\tWheat bread")});
    window->action(Command::AddToPersonalList)->trigger();
    EXPECT_TRUE(app->foods.foodTable().rowItem(3).onPersonalList());
    EXPECT_FALSE(app->foods.foodTable().rowItem(2).onPersonalList());
    ui.answers.push_back(Button::Ok);
    window->action(Command::DeleteFoodItem)->trigger();
    EXPECT_EQ(app->foods.foodTable().rowNames(),
              QStringList({QStringLiteral("Apple"), QStringLiteral("Bread"), QStringLiteral("Cheese")}));
}

TEST_F(KeyboardTest, TheActivityListFollowsKeysAndScreenReaders)
{
    window->pageControl()->setCurrentIndex(ActivityPlannerPageIndex);
    auto* page = static_cast<ActivityPlannerPage*>(window->page(ActivityPlannerPageIndex));
    QAccessible::queryAccessibleInterface(page->activityList())->tableInterface()->selectRow(1);
    EXPECT_EQ(app->activity.selectedRow(), 1);
    EXPECT_EQ(page->caloriesBurnedField()->text(), QStringLiteral("300"));
    page->activityList()->setFocus();
    key(page->activityList(), Qt::Key_Up);
    EXPECT_EQ(app->activity.selectedRow(), 0);
    EXPECT_EQ(page->caloriesBurnedField()->text(), QStringLiteral("400"));
}

TEST_F(KeyboardTest, ShowingTheProgramsStateIsNoUserChange)
{
    int changes = 0;
    for (int p = 0; p < PageCount; ++p)
        QObject::connect(window->page(p), &PageWidget::stateChanged, [&changes] { ++changes; });
    app->foods.foodListClick(2);
    app->foods.setServingsText(QStringLiteral("  2.5"));
    app->menu.addToMeal();
    app->menu.mealListClick(0);
    app->weight.calculators().setText(Calculators::Field::CurrentWeight, QStringLiteral("150"));
    app->weight.calculators().setGender(Gender::Male);
    app->weight.calculators().setActivityLevel(ActivityLevel::Heavy);
    window->refresh();
    EXPECT_EQ(foodList()->currentIndex().row(), 2);
    EXPECT_EQ(planner->mealList()->currentRow(), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(KeyboardTest, TheMealListFollowsKeysAndDeleteRemovesTheEntry)
{
    app->foods.setServingsText(QStringLiteral("2"));
    app->menu.addToMeal();  // Apple
    app->foods.foodListClick(1);
    app->foods.setServingsText(QStringLiteral("3"));
    app->menu.addToMeal();  // Bread
    window->refresh();
    TabListBox* meal = planner->mealList();

    // A screen reader selects the second entry: it is shown as a click shows it.
    QAccessible::queryAccessibleInterface(meal)->tableInterface()->selectRow(1);
    EXPECT_EQ(app->menu.mealListSelection(), 1);
    EXPECT_EQ(planner->servings()->text(), QStringLiteral("  3.0"));
    EXPECT_EQ(foodList()->currentIndex().row(), 1);

    meal->setFocus();
    key(meal, Qt::Key_Up);
    EXPECT_EQ(app->menu.mealListSelection(), 0);
    EXPECT_EQ(planner->servings()->text(), QStringLiteral("  2.0"));

    key(meal, Qt::Key_Delete);
    EXPECT_EQ(meal->lines(), QStringList{QStringLiteral("( 3.0)\tBread")});
    EXPECT_EQ(planner->menuPanel().values[0]->text(), QStringLiteral("     240"));
    EXPECT_EQ(app->menu.meal(0, 0).count(), 1);
    key(meal, Qt::Key_Delete);
    EXPECT_EQ(meal->count(), 0);
    key(meal, Qt::Key_Delete);  // nothing left: nothing happens
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(KeyboardTest, EnterAddsAnIngredientAndDeleteRemovesIt)
{
    window->pageControl()->setCurrentIndex(RecipesPageIndex);
    FoodListView* list = recipes->foodList();
    list->setFocus();
    key(list, Qt::Key_Home);
    key(list, Qt::Key_Down);
    ASSERT_EQ(list->selectedRow(), 1);
    recipes->foodServings()->setText(QStringLiteral("2"));
    key(list, Qt::Key_Return);
    EXPECT_EQ(recipes->ingredientList()->lines(), QStringList{QStringLiteral("( 2.0)\tBread")});
    EXPECT_EQ(recipes->foodServings()->text(), QStringLiteral("1"));
    EXPECT_EQ(recipes->panel().values[0]->text(), QStringLiteral("160"));
    typeText(list, QStringLiteral("w"));
    key(list, Qt::Key_Enter);
    EXPECT_EQ(app->recipes.count(), 2);
    EXPECT_EQ(app->recipes.ingredient(1).name(), QStringLiteral("Wheat bread"));

    TabListBox* ingredients = recipes->ingredientList();
    ingredients->setFocus();
    key(ingredients, Qt::Key_Down);
    key(ingredients, Qt::Key_Down);
    EXPECT_EQ(app->recipes.ingredientSelection(), 1);
    key(ingredients, Qt::Key_Delete);
    EXPECT_EQ(ingredients->lines(), QStringList{QStringLiteral("( 2.0)\tBread")});
    EXPECT_EQ(recipes->panel().values[0]->text(), QStringLiteral("160"));
    EXPECT_TRUE(ui.messages.empty());
}

// The arrow buttons beside a field take no focus: Up and Down in the field step it.
TEST_F(KeyboardTest, UpAndDownInAFieldStepItAsItsArrowButtonsDo)
{
    QLineEdit* servings = planner->servings();
    servings->setFocus();
    key(servings, Qt::Key_Up);
    EXPECT_EQ(servings->text(), QStringLiteral("2"));
    EXPECT_EQ(foodCalories(), QStringLiteral("     104"));  // Apple x 2
    key(servings, Qt::Key_Up, Qt::ShiftModifier);  // not a step
    key(servings, Qt::Key_Down);
    key(servings, Qt::Key_Down);
    EXPECT_EQ(servings->text(), QStringLiteral("1"));

    window->pageControl()->setCurrentIndex(RecipesPageIndex);
    key(recipes->foodServings(), Qt::Key_Up);
    EXPECT_EQ(recipes->foodServings()->text(), QStringLiteral("2"));

    window->pageControl()->setCurrentIndex(ActivityPlannerPageIndex);
    auto* activity = static_cast<ActivityPlannerPage*>(window->page(ActivityPlannerPageIndex));
    QAccessible::queryAccessibleInterface(activity->activityList())->tableInterface()->selectRow(0);
    key(activity->durationField(), Qt::Key_Up);
    EXPECT_EQ(activity->durationField()->text(), QStringLiteral("61"));
    EXPECT_EQ(activity->caloriesBurnedField()->text(), QStringLiteral("407"));  // 400 x 61 / 60
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(KeyboardTest, ControlKeysSwitchPagesFromAnyControl)
{
    QTabWidget* pages = window->pageControl();
    foodList()->setFocus();
    key(foodList(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), RecipesPageIndex);
    EXPECT_EQ(app->program.currentPage(), RecipesPageIndex);
    recipes->instructions()->setFocus();
    key(recipes->instructions(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), WeightPageIndex);
    EXPECT_TRUE(recipes->instructions()->toPlainText().isEmpty());
    key(QApplication::focusWidget() ? QApplication::focusWidget() : pages, Qt::Key_Backtab,
        Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), RecipesPageIndex);
    key(QApplication::focusWidget() ? QApplication::focusWidget() : pages, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), MenuPlannerPageIndex);
    EXPECT_TRUE(window->topMenu(TopMenu::FoodItem)->menuAction()->isEnabled());
    key(QApplication::focusWidget() ? QApplication::focusWidget() : pages, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), ActivityPlannerPageIndex);  // round to the last
    EXPECT_TRUE(window->topMenu(TopMenu::Activity)->menuAction()->isEnabled());
}

TEST_F(KeyboardTest, AClickOnAFoodRowOrTheTrashCanEndsADrag)
{
    app->foods.setServingsText(QStringLiteral("3"));
    window->refresh();
    planner->servings()->setFocus();
    click(foodList()->viewport(), rowCentre(foodList(), 2));
    EXPECT_EQ(app->foods.selectedFoodRow(), 2);
    EXPECT_EQ(planner->servings()->text(), QStringLiteral("1"));
    EXPECT_TRUE(foodList()->hasFocus());

    app->foods.setServingsText(QStringLiteral("4"));
    window->refresh();
    click(planner->trashCan(), QPoint(25, 25));
    EXPECT_EQ(planner->servings()->text(), QStringLiteral("1"));
    EXPECT_FALSE(planner->trashCan()->isOpen());
    EXPECT_EQ(app->foods.foodTable().count(), 4);
}

TEST_F(KeyboardTest, PressingAMealEntryShowsItAndItsServingsStay)
{
    app->foods.setServingsText(QStringLiteral("2"));
    app->menu.addToMeal();  // Apple
    app->foods.foodListClick(2);
    app->foods.setServingsText(QStringLiteral("3"));
    app->menu.addToMeal();  // Cheese
    app->foods.foodListClick(1);
    window->refresh();
    TabListBox* meal = planner->mealList();

    // The click runs on the press, before any drag or release.
    mouse(meal->viewport(), QEvent::MouseButtonPress, rowCentre(meal, 1));
    EXPECT_EQ(app->menu.mealListSelection(), 1);
    EXPECT_EQ(app->foods.selectedFoodRow(), 2);
    EXPECT_EQ(planner->servings()->text(), QStringLiteral("  3.0"));
    mouse(meal->viewport(), QEvent::MouseButtonRelease, rowCentre(meal, 1));
    EXPECT_EQ(planner->servings()->text(), QStringLiteral("  3.0"));
    EXPECT_FALSE(app->menu.entryServingsShown());
    EXPECT_TRUE(meal->hasFocus());  // so that Delete removes the entry

    // Again on the same entry: shown again, and kept again.
    app->foods.setServingsText(QStringLiteral("5"));
    window->refresh();
    click(meal->viewport(), rowCentre(meal, 1));
    EXPECT_EQ(planner->servings()->text(), QStringLiteral("  3.0"));
}

TEST_F(KeyboardTest, RecipeClicksEndDragsAsDropsDo)
{
    window->pageControl()->setCurrentIndex(RecipesPageIndex);
    app->recipes.addFoodRow(0);
    window->refresh();
    recipes->foodServings()->setText(QStringLiteral("3"));
    click(recipes->foodList()->viewport(), rowCentre(recipes->foodList(), 1));
    EXPECT_EQ(recipes->foodList()->selectedRow(), 1);
    EXPECT_EQ(recipes->foodServings()->text(), QStringLiteral("1"));
    EXPECT_TRUE(recipes->foodList()->hasFocus());
    EXPECT_EQ(app->recipes.count(), 1);

    recipes->foodServings()->setText(QStringLiteral("3"));
    TabListBox* ingredients = recipes->ingredientList();
    click(ingredients->viewport(), rowCentre(ingredients, 0));
    EXPECT_EQ(app->recipes.ingredientSelection(), 0);
    EXPECT_EQ(recipes->foodServings()->text(), QStringLiteral("1"));
    EXPECT_EQ(app->recipes.count(), 1);
}

TEST_F(KeyboardTest, TextPutInWithoutKeysCountsAsTyping)
{
    auto insert = [](QWidget* field, const QString& text) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(accessible, nullptr);
        ASSERT_NE(accessible->editableTextInterface(), nullptr);
        accessible->editableTextInterface()->insertText(0, text);
    };
    insert(planner->servings(), QStringLiteral("2"));  // "21"
    EXPECT_EQ(app->foods.servingsText(), QStringLiteral("21"));
    EXPECT_EQ(foodCalories(), QStringLiteral("    1092"));

    window->pageControl()->setCurrentIndex(CalculatorsPageIndex);
    auto* calculators = static_cast<CalculatorsPage*>(window->page(CalculatorsPageIndex));
    app->weight.applyUnits(Units::Us);  // pounds and inches under every locale
    insert(calculators->field(Calculators::Field::CurrentWeight), QStringLiteral("150"));
    insert(calculators->field(Calculators::Field::Height), QStringLiteral("65"));
    insert(calculators->field(Calculators::Field::Age), QStringLiteral("40"));
    EXPECT_EQ(calculators->field(Calculators::Field::CalorieReq)->text(), QStringLiteral("1963"));
    // The user's decimal separator.
    EXPECT_EQ(calculators->field(Calculators::Field::BmiNow)->text(),
              QStringLiteral("25") + QLocale::system().decimalPoint() + QStringLiteral("0"));
    insert(calculators->field(Calculators::Field::PlanCalories), QStringLiteral("1500"));
    insert(calculators->field(Calculators::Field::GoalWeight), QStringLiteral("140"));
    EXPECT_EQ(calculators->field(Calculators::Field::WeeksToGoal)->text(), QStringLiteral("12"));

    window->pageControl()->setCurrentIndex(ActivityPlannerPageIndex);
    auto* activity = static_cast<ActivityPlannerPage*>(window->page(ActivityPlannerPageIndex));
    activity->durationField()->clear();
    EXPECT_EQ(app->activity.durationText(), QString());
    insert(activity->durationField(), QStringLiteral("45"));
    EXPECT_EQ(app->activity.durationText(), QStringLiteral("45"));
}

TEST_F(KeyboardTest, TabGoesThroughTheCalculatorBoxesInOrder)
{
    window->pageControl()->setCurrentIndex(CalculatorsPageIndex);
    auto* page = static_cast<CalculatorsPage*>(window->page(CalculatorsPageIndex));
    using F = Calculators::Field;
    // The user's own choices of gender and activity level count too.
    page->gender()->button(1)->click();
    page->activityLevel()->button(2)->click();
    const std::vector<QWidget*> order = {page->field(F::CurrentWeight), page->field(F::Age), page->field(F::Height),
                                         page->gender()->button(1),     page->activityLevel()->button(2),
                                         page->field(F::GoalWeight),    page->field(F::PlanCalories),
                                         page->createPlanButton()};
    order.front()->setFocus();
    for (std::size_t i = 1; i < order.size(); ++i) {
        key(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
    for (std::size_t i = order.size() - 1; i > 0; --i) {
        key(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), order[i - 1]) << i;
    }
}

TEST_F(KeyboardTest, TheFindFieldSelectsNamesContainingTheText)
{
    FoodFindBar* bar = window->findBar(MenuPlannerPageIndex);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());
    foodList()->setFocus();
    key(foodList(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->hasFocus());
    EXPECT_EQ(bar->geometry().bottom(), foodList()->geometry().bottom());

    typeText(bar, QStringLiteral("BRE"));
    EXPECT_EQ(app->foods.selectedFoodRow(), 1);  // "Bread"
    EXPECT_EQ(foodCalories(), QStringLiteral("      80"));
    key(bar, Qt::Key_F3);
    EXPECT_EQ(app->foods.selectedFoodRow(), 3);  // "Wheat bread"
    EXPECT_EQ(foodList()->currentIndex().row(), 3);
    key(bar, Qt::Key_Return);
    EXPECT_EQ(app->foods.selectedFoodRow(), 1);  // round to the first again
    typeText(bar, QStringLiteral("x"));
    const auto readDescription = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
    };
    EXPECT_TRUE(bar->notFound());
    EXPECT_EQ(readDescription(bar), QStringLiteral("No food item matches \"BREx\"."));
    EXPECT_EQ(app->foods.selectedFoodRow(), 1);  // nothing found: the selection stays
    key(bar, Qt::Key_Backspace);
    EXPECT_FALSE(bar->notFound());
    EXPECT_EQ(readDescription(bar), bar->toolTip());  // the field's own description again

    // An ordinary selection: the commands take it.
    window->action(Command::AddToMeal)->trigger();
    EXPECT_EQ(planner->mealList()->lines(), QStringList{QStringLiteral("( 1.0)\tBread")});

    key(bar, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(foodList()->hasFocus());

    // The menu item opens it too; on the Recipes page, whose "&Food Item"
    // menu is off, the key opens the field over that page's list.
    window->action(Command::FindFoodItem)->trigger();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(window->action(Command::FindFoodItem)->shortcut(), QKeySequence(QKeySequence::Find));
    window->pageControl()->setCurrentIndex(RecipesPageIndex);
    FoodFindBar* recipeBar = window->findBar(RecipesPageIndex);
    recipes->foodList()->setFocus();
    key(recipes->foodList(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(recipeBar->isVisible());
    typeText(recipeBar, QStringLiteral("eese"));
    EXPECT_EQ(recipes->foodList()->selectedRow(), 2);
    key(recipeBar, Qt::Key_Escape);
    key(recipes->foodList(), Qt::Key_Return);
    EXPECT_EQ(app->recipes.ingredientLines(), QStringList{QStringLiteral("( 1.0)\tCheese")});
    EXPECT_EQ(window->findBar(WeightPageIndex), nullptr);
}

TEST_F(KeyboardTest, TheFindFieldReachesTheFirstRowFromFurtherDown)
{
    app->foods.foodListClick(2);
    window->refresh();
    FoodFindBar* bar = window->findBar(MenuPlannerPageIndex);
    bar->open();
    typeText(bar, QStringLiteral("pple"));  // only "Apple", row 0
    EXPECT_FALSE(bar->notFound());
    EXPECT_EQ(app->foods.selectedFoodRow(), 0);
    EXPECT_EQ(foodList()->selectedRow(), 0);
}

TEST_F(KeyboardTest, TheFindFieldStaysOpenForAMenuOnlyWhenTheFocusLeaves)
{
    FoodFindBar* bar = window->findBar(MenuPlannerPageIndex);
    const struct {
        Qt::FocusReason reason;
        bool open;
    } cases[] = {{Qt::PopupFocusReason, true},
                 {Qt::MenuBarFocusReason, true},
                 {Qt::MouseFocusReason, false},
                 {Qt::TabFocusReason, false},
                 {Qt::ActiveWindowFocusReason, false}};
    for (const auto& c : cases) {
        bar->open();
        QFocusEvent out(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(bar, &out);
        EXPECT_EQ(bar->isVisible(), c.open) << c.reason;
    }

    // A menu opened over the field and closed again; then a click on the list.
    bar->open();
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    menu.popup(bar->mapToGlobal(QPoint(0, 0)));
    menu.close();
    EXPECT_TRUE(bar->isVisible());
    click(foodList()->viewport(), rowCentre(foodList(), 0));
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(KeyboardTest, DeselectingTheShownMealEntryShowsItSelectedAgain)
{
    app->menu.addToMeal();  // Apple
    app->foods.foodListClick(1);
    app->menu.addToMeal();  // Bread
    app->menu.mealListClick(1);
    window->refresh();
    TabListBox* meal = planner->mealList();
    ASSERT_EQ(selectedRow(meal), 1);

    // Ctrl+click on the selected entry, then Ctrl+Space on it: the program
    // keeps the entry, and so does the list.
    const QPoint at = meal->visualItemRect(meal->item(1)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, QPointF(at), meal->viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                          Qt::ControlModifier);
        QApplication::sendEvent(meal->viewport(), &event);
    }
    EXPECT_EQ(app->menu.mealListSelection(), 1);
    EXPECT_EQ(selectedRow(meal), 1);
    meal->setFocus();
    key(meal, Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));
    EXPECT_EQ(app->menu.mealListSelection(), 1);
    EXPECT_EQ(selectedRow(meal), 1);
    EXPECT_EQ(meal->currentRow(), 1);
}

TEST_F(KeyboardTest, CopyDayAndPasteDayByTheirMenuItemsAndKeys)
{
    QAction* copy = window->action(Command::CopyDay);
    QAction* paste = window->action(Command::PasteDay);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(paste, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_EQ(paste->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    // No other item of the main menu takes these keys.
    for (const auto& menu : mainMenu()) {
        for (const auto& entry : menu.entries) {
            QAction* other = entry.separator ? nullptr : window->action(entry.command);
            if (other && other != copy && other != paste) {
                EXPECT_TRUE(other->shortcut() != copy->shortcut() && other->shortcut() != paste->shortcut())
                    << entry.caption.toStdString();
            }
        }
    }

    foodList()->setFocus();
    window->action(Command::AddToMeal)->trigger();  // Sunday Breakfast: Apple
    key(foodList(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    planner->dayNotebook()->tab(3)->click();
    foodList()->setFocus();
    key(foodList(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app->menu.meal(3, 0), app->menu.meal(0, 0));
    EXPECT_EQ(planner->mealList()->lines(), QStringList{QStringLiteral("( 1.0)\tApple")});

    // Wednesday has an entry now: the menu item asks, and No keeps the day.
    foodList()->selectionModel()->select(foodList()->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    window->action(Command::AddToMeal)->trigger();  // Bread
    ui.answers = {Button::No};
    paste->trigger();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(app->menu.meal(3, 0).count(), 2);

    // On another page the keys leave the week alone.
    ui.messages.clear();
    window->pageControl()->setCurrentIndex(RdaPageIndex);
    key(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_V,
        Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app->menu.meal(3, 0).count(), 2);
}

TEST_F(KeyboardTest, AnEntryTakesNewServingsGoesByDeleteAfterAClickAndComesBackByKeys)
{
    foodList()->setFocus();
    window->action(Command::AddToMeal)->trigger();  // Apple
    key(foodList(), Qt::Key_Down);
    window->action(Command::AddToMeal)->trigger();  // Bread
    TabListBox* meal = planner->mealList();
    // What a screen reader reads on an entry.
    // The offscreen platform has no accessibility bridge, which would pass
    // the list's refill on to its accessible table: that is done here.
    const auto entryRead = [&](int row) {
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(meal)->tableInterface();
        QAccessibleTableModelChangeEvent refill(meal, QAccessibleTableModelChangeEvent::ModelReset);
        table->modelChange(&refill);
        QAccessibleInterface* cell = table->cellAt(row, 0);
        return cell ? cell->text(QAccessible::Name) : QString();
    };

    // A click on Bread puts its servings into the field; Enter there gives it new ones.
    click(meal->viewport(), meal->visualItemRect(meal->item(1)).center());
    EXPECT_EQ(QApplication::focusWidget(), meal);
    ServingsEdit* servings = planner->servings();
    servings->setFocus();
    servings->selectAll();
    typeText(servings, QStringLiteral("2.5"));
    key(servings, Qt::Key_Return);
    EXPECT_EQ(meal->lines(), (QStringList{QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 2.5)\tBread")}));
    EXPECT_EQ(entryRead(1), QStringLiteral("( 2.5)\tBread"));
    EXPECT_EQ(planner->menuPanel().values[0]->text(), QStringLiteral("     252"));
    EXPECT_EQ(readMenuImage(readAll(dir.filePath(CurrentMenuFileName))).image.week[0], app->menu.meal(0, 0));
    EXPECT_EQ(window->action(Command::Undo)->text(), QStringLiteral("U&ndo Change Servings of Bread in Sunday Breakfast"));

    // A click on Apple leaves the keys with the entry: Delete removes it.
    click(meal->viewport(), meal->visualItemRect(meal->item(0)).center());
    ASSERT_EQ(QApplication::focusWidget(), meal);
    key(meal, Qt::Key_Delete);
    EXPECT_EQ(meal->lines(), QStringList{QStringLiteral("( 2.5)\tBread")});
    EXPECT_EQ(entryRead(0), QStringLiteral("( 2.5)\tBread"));

    key(meal, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(meal->lines(), (QStringList{QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 2.5)\tBread")}));
    EXPECT_EQ(entryRead(0), QStringLiteral("( 1.0)\tApple"));
    EXPECT_EQ(window->action(Command::Redo)->text(), QStringLiteral("Re&do Remove Apple from Sunday Breakfast"));
    key(meal, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(meal->lines(), QStringList{QStringLiteral("( 2.5)\tBread")});
    key(meal, Qt::Key_Z, Qt::ControlModifier);
    key(meal, Qt::Key_Z, Qt::ControlModifier);  // the servings too
    EXPECT_EQ(meal->lines(), (QStringList{QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 1.0)\tBread")}));
    EXPECT_EQ(planner->menuPanel().values[0]->text(), QStringLiteral("     132"));
    key(meal, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(meal->lines(), (QStringList{QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 2.5)\tBread")}));
    EXPECT_EQ(readMenuImage(readAll(dir.filePath(CurrentMenuFileName))).image.week[0], app->menu.meal(0, 0));
}

TEST_F(KeyboardTest, EnterInTheFoodServingsGivesTheSelectedIngredientNewServings)
{
    window->pageControl()->setCurrentIndex(RecipesPageIndex);
    app->recipes.addFoodRow(0);
    app->recipes.addFoodRow(2);
    window->refresh();
    app->recipes.ingredientListClick(1);
    QLineEdit* servings = recipes->foodServings();
    servings->setFocus();
    servings->selectAll();
    typeText(servings, QStringLiteral("3"));
    key(servings, Qt::Key_Return);
    EXPECT_EQ(recipes->ingredientList()->lines(),
              (QStringList{QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 3.0)\tCheese")}));
    EXPECT_EQ(app->recipes.recipeTotals()[0], 52 + 3 * 110);
}

// The day buttons take a tab bar's keys: Space, Enter and Return pick the
// focused day, the arrows the day before or after (no further than the
// ends); each is the user's choice of the day, shown and saved as a click's.
TEST_F(KeyboardTest, DayButtonsTakeSpaceEnterAndTheArrows)
{
    DayNotebook* days = planner->dayNotebook();
    struct Step {
        int focused;
        int code;
        int day;
    };
    const std::vector<Step> steps = {{3, Qt::Key_Space, 3},  {5, Qt::Key_Enter, 5},  {6, Qt::Key_Return, 6},
                                     {6, Qt::Key_Right, 6},  {6, Qt::Key_Left, 5},   {5, Qt::Key_Up, 4},
                                     {4, Qt::Key_Down, 5},   {0, Qt::Key_Left, 0},   {0, Qt::Key_Right, 1}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.code);
        days->tab(step.focused)->setFocus(Qt::TabFocusReason);
        key(days->tab(step.focused), step.code);
        EXPECT_EQ(app->menu.shownDay(), step.day);
        EXPECT_EQ(app->program.currentDay(), step.day);
        EXPECT_EQ(days->currentIndex(), step.day);
        EXPECT_TRUE(days->tab(step.day)->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), days->tab(step.day));
        int checked = 0;
        for (int d = 0; d < days->count(); ++d)
            checked += days->tab(d)->isChecked() ? 1 : 0;
        EXPECT_EQ(checked, 1);
    }
    // Saved with the week as a click's choice is.
    App reopened(ui, settings, dir.path());
    ASSERT_TRUE(reopened.program.formCreate().ok);
    EXPECT_EQ(reopened.program.currentDay(), 1);
    // Ctrl+Page Down still turns the page from a day button.
    key(days->tab(1), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window->pageControl()->currentIndex(), RecipesPageIndex);
}
