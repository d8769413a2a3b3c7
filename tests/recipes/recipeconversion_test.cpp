// "&Add to Food Items": one serving of the recipe becomes a new food item.

#include "recipefixture.h"

#include "food/foodediting.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {
// Types a name into the dialog and presses OK.
std::vector<FoodItemAttempt> nameIt(const QString& name) { return {{{{FoodItemForm::Name, name}}, true}}; }
} // namespace

class RecipeConversionTest : public RecipeTest {
protected:
    // A recipe of 800 kcal: Soup x 8.
    void eightHundredCalories()
    {
        drop(2, QStringLiteral("8"));
        ASSERT_EQ(recipes.recipeTotals()[0], 800);
    }
    QStringList tableNames() const
    {
        QStringList names;
        for (int i = 0; i < foods.foodTable().count(); ++i)
            names.append(foods.foodTable().item(i).name());
        return names;
    }
};

TEST_F(RecipeConversionTest, FourServingsOfEightHundredCaloriesMakeATwoHundredCalorieItem)
{
    eightHundredCalories();
    recipes.setRecipeServingsText(QStringLiteral("4"));
    ui.foodItemAnswers.push_back(nameIt(QStringLiteral("Casserole")));
    program.execute(Command::AddRecipeToFoodItems);

    ASSERT_EQ(ui.foodItemShown.size(), 1u);
    const FoodItemForm& shown = ui.foodItemShown[0];
    EXPECT_EQ(shown.text(FoodItemForm::Name), QString());
    EXPECT_EQ(shown.text(FoodItemForm::Calories), QStringLiteral("     200"));
    EXPECT_EQ(shown.text(FoodItemForm::Carbo), QStringLiteral("    20.0"));
    EXPECT_EQ(shown.text(FoodItemForm::Chol), QStringLiteral("       4"));
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(tableNames(), QStringList({QStringLiteral("Apple"), QStringLiteral("Bread"),
                                         QStringLiteral("Casserole"), QStringLiteral("Soup")}));
    const FoodItem& added = foods.foodTable().item(2);
    EXPECT_EQ(added.nutrients(), (Nutrients{200, 20, 10, 4, 8, 4}));
    EXPECT_FALSE(added.onPersonalList());
    EXPECT_EQ(foods.selectedFoodRow(), 2);
    EXPECT_GE(panelRefreshes, 1);
    // The table file holds the new item.
    const QByteArray file = readAll(path(FoodTableFileName));
    ASSERT_EQ(file.size(), 4 * FoodItem::Size);
    EXPECT_EQ(file.mid(2 * FoodItem::Size, 10), QByteArrayLiteral("\x09" "Casserole"));
    // The recipe is as it was.
    EXPECT_EQ(recipes.count(), 1);
    EXPECT_EQ(recipes.recipeTotals()[0], 800);
}

TEST_F(RecipeConversionTest, StoredValuesAreThoseTheDialogShowed)
{
    drop(0);  // Apple: 52 kcal, 14 g, 0.3 g, 0.2 g, 1 mg, 0 mg
    recipes.setRecipeServingsText(QStringLiteral("2.5"));
    ui.foodItemAnswers.push_back(nameIt(QStringLiteral("Apple slices")));
    program.execute(Command::AddRecipeToFoodItems);

    const FoodItemForm& shown = ui.foodItemShown.at(0);
    EXPECT_EQ(shown.text(FoodItemForm::Calories), QStringLiteral("      21"));  // 20.8
    EXPECT_EQ(shown.text(FoodItemForm::Carbo), QStringLiteral("     5.6"));
    EXPECT_EQ(shown.text(FoodItemForm::Protein), QStringLiteral("     0.1"));   // 0.12
    EXPECT_EQ(shown.text(FoodItemForm::Sodium), QStringLiteral("     0.4"));
    const FoodItem& added = foods.foodTable().item(1);
    ASSERT_EQ(added.name(), QStringLiteral("Apple slices"));
    EXPECT_EQ(added.nutrient(Nutrient::Calories), 21);
    EXPECT_EQ(added.nutrient(Nutrient::Carbohydrate), roundToReal6(5.6L));
    EXPECT_EQ(added.nutrient(Nutrient::Protein), roundToReal6(0.1L));
    EXPECT_EQ(added.nutrient(Nutrient::Fat), roundToReal6(0.1L));  // 0.08
}

TEST_F(RecipeConversionTest, TypedValuesReplaceTheRecipes)
{
    eightHundredCalories();
    ui.foodItemAnswers.push_back({{{{FoodItemForm::Name, QStringLiteral("Zucchini bake")},
                                    {FoodItemForm::Calories, QStringLiteral("750")}},
                                   true}});
    program.execute(Command::AddRecipeToFoodItems);
    EXPECT_EQ(ui.foodItemShown.at(0).text(FoodItemForm::Calories), QStringLiteral("     800"));
    // Sorted after every other name: the end of the table.
    EXPECT_EQ(tableNames().last(), QStringLiteral("Zucchini bake"));
    EXPECT_EQ(foods.foodTable().item(3).nutrient(Nutrient::Calories), 750);
}

TEST_F(RecipeConversionTest, AnEmptyRecipeGivesAnItemOfZeros)
{
    ui.foodItemAnswers.push_back(nameIt(QStringLiteral("Water")));
    program.execute(Command::AddRecipeToFoodItems);
    EXPECT_EQ(ui.foodItemShown.at(0).text(FoodItemForm::Fat), QStringLiteral("     0.0"));
    EXPECT_EQ(foods.foodTable().item(3).name(), QStringLiteral("Water"));
    EXPECT_EQ(foods.foodTable().item(3).nutrients(), Nutrients{});
}

TEST_F(RecipeConversionTest, CancellingAddsNothing)
{
    eightHundredCalories();
    program.execute(Command::AddRecipeToFoodItems);
    EXPECT_EQ(ui.foodItemShown.size(), 1u);
    EXPECT_EQ(foods.foodTable().count(), 3);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecipeConversionTest, TheSameNameInOtherLettersIsRefused)
{
    eightHundredCalories();
    foods.selectFoodRow(0);
    panelRefreshes = 0;
    ui.foodItemAnswers.push_back(nameIt(QStringLiteral("bREAD")));
    program.execute(Command::AddRecipeToFoodItems);
    EXPECT_EQ(ui.messages, std::vector<Message>{warning(recipemsg::SameName)});
    EXPECT_EQ(foods.foodTable().count(), 3);
    EXPECT_EQ(foods.selectedFoodRow(), 1);
    EXPECT_EQ(panelRefreshes, 1);

    // Only a to z fold: "ÉCLAIR" beside "éclair" is another item.
    ui.messages.clear();
    ui.foodItemAnswers.push_back(nameIt(QStringLiteral("éclair")));
    ui.foodItemAnswers.push_back(nameIt(QStringLiteral("ÉCLAIR")));
    program.execute(Command::AddRecipeToFoodItems);
    program.execute(Command::AddRecipeToFoodItems);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(foods.foodTable().count(), 5);
}

TEST_F(RecipeConversionTest, ThePersonalListRefusesFirst)
{
    foods.foodTable().item(0).setOnPersonalList(true);
    foods.foodTable().showPersonalList(true);
    recipes.setRecipeServingsText(QStringLiteral("x"));
    program.execute(Command::AddRecipeToFoodItems);
    EXPECT_EQ(ui.messages, std::vector<Message>{warning(recipemsg::PersonalListShown)});
    EXPECT_TRUE(ui.foodItemShown.empty());
}

TEST_F(RecipeConversionTest, AFullTableIsRefused)
{
    start(numberedItems(MaxFoodItems));
    program.execute(Command::AddRecipeToFoodItems);
    EXPECT_EQ(ui.messages, std::vector<Message>{warning(recipemsg::TableFull)});
    EXPECT_TRUE(ui.foodItemShown.empty());
}

TEST_F(RecipeConversionTest, UnreadableOrZeroServingsAreRefused)
{
    eightHundredCalories();
    for (const QString& text : {QString(), QStringLiteral("two"), QStringLiteral("0"), QStringLiteral("0.0"),
                                QStringLiteral("-0")}) {
        ui.messages.clear();
        recipes.setRecipeServingsText(text);
        program.execute(Command::AddRecipeToFoodItems);
        EXPECT_EQ(ui.messages, std::vector<Message>{Message::typed(recipemsg::InvalidRecipeServings, Icon::Information,
                                                                   only(Button::Ok), GeneralHelpContext)})
            << text.toStdString();
        EXPECT_EQ(recipes.takeFocusRequest(), RecipeFocus::RecipeServings);
    }
    EXPECT_TRUE(ui.foodItemShown.empty());
    EXPECT_EQ(foods.foodTable().count(), 3);
}

TEST_F(RecipeConversionTest, NegativeServingsGiveNegativeValues)
{
    eightHundredCalories();
    recipes.setRecipeServingsText(QStringLiteral("-2"));
    program.execute(Command::AddRecipeToFoodItems);
    EXPECT_EQ(ui.foodItemShown.at(0).text(FoodItemForm::Calories), QStringLiteral("    -400"));
}
