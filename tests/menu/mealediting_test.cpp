// Editing meals: drops on the meal list and the trash can, the end of a drag,
// clicks on meal entries and the Food Item panel that follows.

#include "plannerfixture.h"

using namespace tolvane;
using namespace tolvane::test;

TEST_F(PlannerTest, DropAddsTheServingsTypedAndResetsThemToOne)
{
    foods.setServingsText(QStringLiteral("2.5"));
    planner.dropOnMealList({DragSource::FoodList, 1});
    EXPECT_EQ(foods.selectedFoodRow(), 1);
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 2.5)\tBread")}));
    EXPECT_EQ(foods.servingsText(), QStringLiteral("1"));
    EXPECT_EQ(planner.shownMeal().servings(0), 2.5L);
    EXPECT_EQ(planner.menuPanel().values[0], QStringLiteral("     200"));
    EXPECT_EQ(planner.menuCalories(), QStringLiteral("200"));
    EXPECT_EQ(stored().week[0], planner.shownMeal());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PlannerTest, TheEleventhDropIsRefused)
{
    for (int i = 0; i < 10; ++i)
        dropFood(0);
    ASSERT_EQ(planner.shownMeal().count(), 10);
    const MenuImage before = stored();

    foods.setServingsText(QStringLiteral("3"));
    planner.dropOnMealList({DragSource::FoodList, 0});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              Message::typed(QStringLiteral("There are already 10 items for this meal, you must delete something to "
                                            "add this new item."),
                             Icon::Information, only(Button::Ok), 17));
    EXPECT_EQ(planner.shownMeal().count(), 10);
    EXPECT_EQ(planner.mealList().size(), 10);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("3"));  // the end of the drag resets it
    EXPECT_EQ(stored(), before);
    planner.endDrag(DragSource::FoodList);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("1"));
}

TEST_F(PlannerTest, ServingsMustBeANumberButZeroIsOne)
{
    foods.setServingsText(QString());
    planner.dropOnMealList({DragSource::FoodList, 0});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Message::typed(QStringLiteral("The number of servings is invalid."),
                                             Icon::Information, only(Button::Ok), 17));
    EXPECT_EQ(planner.takeFocusRequest(), FocusTarget::Servings);
    EXPECT_EQ(planner.shownMeal().count(), 0);

    for (const char* bad : {"2x", "1,5", "1e999", "1e300"}) {
        foods.setServingsText(QString::fromLatin1(bad));
        planner.dropOnMealList({DragSource::FoodList, 0});
        EXPECT_EQ(ui.messages.back().text, QStringLiteral("The number of servings is invalid.")) << bad;
        EXPECT_EQ(planner.shownMeal().count(), 0) << bad;
    }

    dropFood(0, QStringLiteral("0"));
    dropFood(0, QStringLiteral("-1"));
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 0.0)\tApple"), QStringLiteral("(-1.0)\tApple")}));
}

TEST_F(PlannerTest, OnlyDragsFromTheFoodListAddToTheMeal)
{
    dropFood(0);
    EXPECT_FALSE(planner.mealListAccepts({DragSource::MealList, 0}));
    EXPECT_TRUE(planner.mealListAccepts({DragSource::FoodList, 2}));
    foods.setServingsText(QStringLiteral("4"));
    planner.dropOnMealList({DragSource::MealList, 0});
    EXPECT_EQ(planner.shownMeal().count(), 1);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("1"));
}

TEST_F(PlannerTest, AddToMealAddsTheSelectedItemLikeADrop)
{
    foods.foodListClick(2);
    foods.setServingsText(QStringLiteral("2"));
    program.execute(Command::AddToMeal);
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 2.0)\tCheese")}));
    EXPECT_EQ(foods.servingsText(), QStringLiteral("1"));

    foods.selectFoodRow(-1);
    program.execute(Command::AddToMeal);
    EXPECT_EQ(planner.shownMeal().count(), 1);
}

TEST_F(PlannerTest, TrashRemovesTheMiddleOfThreeEntries)
{
    dropFood(0, QStringLiteral("1"));
    dropFood(1, QStringLiteral("2"));
    dropFood(2, QStringLiteral("3"));

    EXPECT_TRUE(planner.trashDragOver({DragSource::MealList, 1}));
    EXPECT_TRUE(planner.trashOpen());
    planner.dropOnTrash({DragSource::MealList, 1});
    EXPECT_FALSE(planner.trashOpen());
    planner.endDrag(DragSource::MealList);

    EXPECT_EQ(names(planner.shownMeal()), QStringList({QStringLiteral("Apple"), QStringLiteral("Cheese")}));
    EXPECT_EQ(planner.shownMeal().servings(1), 3.0L);
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 3.0)\tCheese")}));
    EXPECT_EQ(planner.mealListSelection(), 0);
    EXPECT_EQ(planner.menuPanel().values[0], QStringLiteral("     382"));  // 52 + 3 x 110
    EXPECT_EQ(stored().week[0], planner.shownMeal());
}

TEST_F(PlannerTest, FoodListRowOnTheTrashAsksToDeleteTheFoodItem)
{
    dropFood(1);
    EXPECT_TRUE(planner.trashDragOver({DragSource::FoodList, 1}));
    planner.dropOnTrash({DragSource::FoodList, 1});
    EXPECT_EQ(deleteRequests, 1);
    EXPECT_FALSE(planner.trashOpen());

    // The deletion leaves the meal's copy alone.
    foods.foodTable().removeAt(foods.foodTable().slotOfRow(1));
    EXPECT_EQ(names(planner.shownMeal()), QStringList({QStringLiteral("Bread")}));
    EXPECT_EQ(planner.shownMeal().item(0).nutrient(Nutrient::Calories), 80.0L);
}

TEST_F(PlannerTest, FoodListRowOnTheTrashInThePersonalViewIsIllegal)
{
    foods.foodTable().item(0).setOnPersonalList(true);
    foods.foodTable().showPersonalList(true);
    planner.dropOnTrash({DragSource::FoodList, 0});
    EXPECT_EQ(deleteRequests, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Message::plain(QStringLiteral("You can not delete food list items from your\r\npersonal "
                                                            "list, use the Remove from Personal List menu\r\nitem to "
                                                            "remove this item from your Personal List."),
                                             QStringLiteral("Illegal Action"), Icon::None, only(Button::Ok)));
    EXPECT_EQ(foods.foodTable().count(), 3);
}

TEST_F(PlannerTest, TheTrashOpensOnceForAcceptedDragsAndClosesAtTheEnd)
{
    EXPECT_FALSE(planner.trashDragOver({DragSource::TrashCan, -1}));
    EXPECT_FALSE(planner.trashOpen());
    EXPECT_TRUE(planner.trashDragOver({DragSource::FoodList, 0}));
    EXPECT_TRUE(planner.trashDragOver({DragSource::FoodList, 0}));
    EXPECT_TRUE(planner.trashOpen());
    foods.setServingsText(QStringLiteral("5"));
    planner.endDrag(DragSource::FoodList);  // dropped elsewhere
    EXPECT_FALSE(planner.trashOpen());
    EXPECT_EQ(foods.servingsText(), QStringLiteral("1"));
    EXPECT_EQ(planner.takeFocusRequest(), FocusTarget::FoodList);
    EXPECT_EQ(planner.takeFocusRequest(), std::nullopt);
}

TEST_F(PlannerTest, ClickOnAnEntryShowsItsFoodItemAndServings)
{
    dropFood(0);
    dropFood(2, QStringLiteral("2.5"));
    planner.mealListClick(1);
    EXPECT_EQ(foods.selectedFoodRow(), 2);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("  2.5"));
    EXPECT_TRUE(planner.entryServingsShown());
    EXPECT_EQ(planner.foodPanel().values[0], QStringLiteral("     275"));

    // The drag that the click began ends: the servings stay, once.
    planner.endDrag(DragSource::MealList);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("  2.5"));
    EXPECT_FALSE(planner.entryServingsShown());
    planner.endDrag(DragSource::MealList);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("1"));
}

TEST_F(PlannerTest, ClickOnAnEntryWhoseItemIsGoneSelectsTheFirstRow)
{
    dropFood(2, QStringLiteral("4"));
    foods.foodTable().removeAt(2);
    foods.foodTable().rebuildView();
    foods.selectFoodRow(1);
    planner.mealListClick(0);
    EXPECT_EQ(foods.selectedFoodRow(), 0);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("1"));
    EXPECT_FALSE(planner.entryServingsShown());
    EXPECT_EQ(planner.foodPanel().values[0], QStringLiteral("      52"));

    planner.mealTabChange(3);  // an empty meal: nothing to look up
    foods.selectFoodRow(1);
    planner.mealListClick(-1);
    EXPECT_EQ(foods.selectedFoodRow(), 0);
}

TEST_F(PlannerTest, FoodPanelFollowsTheSelectionAndTheServings)
{
    foods.selectFoodRow(-1);
    planner.selected();
    EXPECT_EQ(planner.foodPanel().carbohydratePercent, QStringLiteral("0%"));
    foods.foodListClick(1);
    EXPECT_EQ(planner.foodPanel().values[0], QStringLiteral("      80"));
    foods.setServingsText(QStringLiteral("3"));
    EXPECT_EQ(planner.foodPanel().values[0], QStringLiteral("     240"));
    EXPECT_EQ(planner.foodPanel().carbohydratePercent, QStringLiteral("74%"));  // 60 of 81 kcal
}

TEST_F(PlannerTest, BackOnTheMenuPlannerThePanelShowsTheFirstRowThatAddToMealAdds)
{
    foods.foodListClick(2);
    EXPECT_EQ(planner.foodPanel().values[0], QStringLiteral("     110"));
    program.pageControlChange(RecipesPageIndex);
    program.pageControlChange(MenuPlannerPageIndex);
    EXPECT_EQ(foods.selectedFoodRow(), 0);
    EXPECT_EQ(planner.foodPanel().values[0], QStringLiteral("      52"));
    program.execute(Command::AddToMeal);
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 1.0)\tApple")}));
}

TEST_F(PlannerTest, UpDownButtonsStepWholeServingsFromOneToHundred)
{
    foods.setServingsText(QStringLiteral("1"));
    planner.stepServings(-1);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("1"));
    planner.stepServings(1);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("2"));
    foods.setServingsText(QStringLiteral("  2.5"));
    planner.stepServings(1);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("3"));
    foods.setServingsText(QStringLiteral("100"));
    planner.stepServings(1);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("100"));
    foods.setServingsText(QStringLiteral("abc"));
    planner.stepServings(1);
    EXPECT_EQ(foods.servingsText(), QStringLiteral("2"));
}

TEST_F(PlannerTest, ActivationClearsTheDragStateAndShowsTheFirstMeal)
{
    dropFood(0);
    planner.trashDragOver({DragSource::MealList, 0});
    planner.mealListClick(0);
    program.formActivate();
    EXPECT_FALSE(planner.trashOpen());
    EXPECT_FALSE(planner.entryServingsShown());
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 1.0)\tApple")}));
    EXPECT_EQ(planner.mealListSelection(), -1);
}

TEST_F(PlannerTest, TheDeleteKeyRemovesTheSelectedEntryAsTheTrashCanDoes)
{
    dropFood(0, QStringLiteral("1"));
    dropFood(1, QStringLiteral("2"));
    dropFood(2, QStringLiteral("3"));

    // No entry selected yet: the key does nothing.
    planner.deleteSelectedEntry();
    EXPECT_EQ(planner.shownMeal().count(), 3);

    planner.mealListClick(1);
    planner.deleteSelectedEntry();
    EXPECT_EQ(names(planner.shownMeal()), QStringList({QStringLiteral("Apple"), QStringLiteral("Cheese")}));
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 1.0)\tApple"), QStringLiteral("( 3.0)\tCheese")}));
    EXPECT_EQ(planner.mealListSelection(), 0);
    EXPECT_EQ(planner.menuPanel().values[0], QStringLiteral("     382"));
    EXPECT_EQ(stored().week[0], planner.shownMeal());
    EXPECT_FALSE(planner.trashOpen());
    EXPECT_TRUE(ui.messages.empty());

    // The first line is selected now: the next key removes it.
    planner.deleteSelectedEntry();
    planner.deleteSelectedEntry();
    EXPECT_EQ(planner.shownMeal().count(), 0);
    EXPECT_EQ(planner.mealListSelection(), -1);
    planner.deleteSelectedEntry();
    EXPECT_EQ(stored().week[0].count(), 0);
}
