// What a screen reader reads from the value labels and result fields: the
// accessible interface carries the value shown, kept current after changes.

#include "activity/activityplannerpage.h"
#include "food/foodtableio.h"
#include "menu/daynotebook.h"
#include "menu/menuplannerpage.h"
#include "menu/rdapage.h"
#include "recipes/recipespage.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "weight/calculatorspage.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class AccessibleValuesTest : public WindowTest {
protected:

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}),
                                            makeItem(QStringLiteral("Cheese"), {110, 0.4L, 7, 9, 180, 30})}));
        window->show();
        app->program.formActivate();
        window->refresh();
    }
};

} // namespace

TEST_F(AccessibleValuesTest, PanelLabelsReadTheirValues)
{
    auto* planner = static_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
    auto* rda = static_cast<RdaPage*>(window->page(RdaPageIndex));
    // Start: Bread selected, an empty meal.
    EXPECT_EQ(readName(planner->foodPanel().values[0]), QStringLiteral("Food item calories: 80"));
    EXPECT_EQ(readName(planner->foodPanel().values[1]), QStringLiteral("Food item carbohydrate: 15.0 g"));
    EXPECT_EQ(readName(planner->foodPanel().values[4]), QStringLiteral("Food item sodium: 150.0 mg"));
    EXPECT_EQ(readName(planner->foodPanel().carbohydrate), QStringLiteral("Food item carbohydrate percentage: 74%"));
    EXPECT_EQ(readName(planner->menuPanel().values[0]), QStringLiteral("Menu calories"));  // empty
    EXPECT_EQ(readName(rda->yourFat()), QStringLiteral("Your fat: 0%"));

    app->foods.setServingsText(QStringLiteral("2"));
    app->menu.addToMeal();
    app->foods.foodListClick(1);
    window->refresh();
    EXPECT_EQ(readName(planner->foodPanel().values[0]), QStringLiteral("Food item calories: 110"));
    EXPECT_EQ(readName(planner->foodPanel().fat), QStringLiteral("Food item fat percentage: 73%"));
    EXPECT_EQ(readName(planner->menuPanel().values[0]), QStringLiteral("Menu calories: 160"));
    EXPECT_EQ(readName(planner->menuPanel().values[5]), QStringLiteral("Menu cholesterol: 0 mg"));
    EXPECT_EQ(readName(planner->menuPanel().protein), QStringLiteral("Menu protein percentage: 15%"));
    EXPECT_EQ(readName(rda->yourCarbohydrate()), QStringLiteral("Your carbohydrate: 74%"));
    EXPECT_EQ(readName(rda->mealLabel()), QStringLiteral("Meal shown: Breakfast"));

    planner->dayNotebook()->tab(2)->click();
    window->refresh();
    EXPECT_EQ(readName(rda->dayLabel()), QStringLiteral("Day shown: Tuesday"));
    EXPECT_EQ(readName(planner->menuPanel().values[0]), QStringLiteral("Menu calories"));

    auto* activity = static_cast<ActivityPlannerPage*>(window->page(ActivityPlannerPageIndex));
    EXPECT_EQ(readName(activity->dayLabel()), QStringLiteral("Day: Tuesday"));
    EXPECT_EQ(readName(activity->menuCaloriesField()), QStringLiteral("Menu Calories:"));
    EXPECT_EQ(readValue(activity->menuCaloriesField()), QStringLiteral("0"));
}

TEST_F(AccessibleValuesTest, RecipeAndCalculatorResultsReadTheirValues)
{
    auto* recipes = static_cast<RecipesPage*>(window->page(RecipesPageIndex));
    EXPECT_EQ(readName(recipes->panel().values[0]), QStringLiteral("Recipe calories: 0"));
    app->recipes.setFoodServingsText(QStringLiteral("2.5"));
    app->recipes.addFoodRow(1);
    window->refresh();
    EXPECT_EQ(readName(recipes->panel().values[0]), QStringLiteral("Recipe calories: 275"));
    EXPECT_EQ(readName(recipes->panel().values[3]), QStringLiteral("Recipe fat: 23 g"));
    EXPECT_EQ(readName(recipes->panel().fat), QStringLiteral("Recipe fat percentage: 73%"));

    auto* calculators = static_cast<CalculatorsPage*>(window->page(CalculatorsPageIndex));
    using F = Calculators::Field;
    app->weight.applyUnits(Units::Us);  // pounds and inches under every locale
    calculators->field(F::CurrentWeight)->setText(QStringLiteral("150"));
    calculators->field(F::Height)->setText(QStringLiteral("65"));
    calculators->field(F::Age)->setText(QStringLiteral("40"));
    QLineEdit* requirement = calculators->field(F::CalorieReq);
    EXPECT_EQ(readName(requirement), QStringLiteral("Caloric Requirement"));
    EXPECT_EQ(readValue(requirement), QStringLiteral("1963"));
    EXPECT_EQ(readValue(calculators->field(F::BmiNow)),
              QStringLiteral("25") + QLocale::system().decimalPoint() + QStringLiteral("0"));
    calculators->field(F::Age)->clear();
    EXPECT_EQ(readValue(requirement), QString());
}
