// "&Load Recipe" with its question, and "&Clear Recipe".

#include "recipefixture.h"

#include <QFile>

using namespace tolvane;
using namespace tolvane::test;

namespace {

Message saveQuestion()
{
    return Message::typed(recipemsg::SaveQuestion, Icon::Information, Button::Yes | Button::No, RecipesHelpContext);
}

// A file with Apple x 2 and Soup x 0.5 whose stored totals are nonsense.
QByteArray fileWithWrongTotals()
{
    QByteArray bytes(RecipeFileSize, '\0');
    const FoodItem apple = plainItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0});
    const FoodItem soup = plainItem(QStringLiteral("Soup"), {100, 10, 5, 2, 4, 2});
    bytes.replace(0, 101, QByteArray(reinterpret_cast<const char*>(apple.bytes.data()), 101));
    bytes.replace(101, 101, QByteArray(reinterpret_cast<const char*>(soup.bytes.data()), 101));
    put(bytes, 2020, "820000000000"      // 2 servings
                     "800000000000");    // 0.5 servings
    put(bytes, 2140, "02000000");
    put(bytes, 2144, "8f0000000000");    // 16384 kcal, and nothing else
    put(bytes, 2180, "426f696c2e00");    // "Boil."
    put(bytes, 4181, "820000000000");    // 2 servings
    return bytes;
}

} // namespace

using RecipeLoadTest = RecipeTest;

TEST_F(RecipeLoadTest, TotalsAreSummedFromTheIngredientsNotTakenFromTheFile)
{
    writeAll(path(QStringLiteral("stew.rcp")), fileWithWrongTotals());
    loadFrom(QStringLiteral("stew.rcp"));

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(recipes.count(), 2);
    EXPECT_EQ(recipes.ingredientLines(),
              QStringList({QStringLiteral("( 2.0)\tApple"), QStringLiteral("( 0.5)\tSoup")}));
    EXPECT_EQ(recipes.recipeTotals()[at(Nutrient::Calories)], 154);
    EXPECT_EQ(recipes.recipeTotals()[at(Nutrient::Carbohydrate)], 33);
    EXPECT_EQ(recipes.recipeTotals()[at(Nutrient::Cholesterol)], 1);
    EXPECT_EQ(recipes.panel().values[0], QStringLiteral("154"));
    EXPECT_EQ(recipes.instructions(), QStringLiteral("Boil."));
    EXPECT_EQ(recipes.recipeServingsText(), QStringLiteral("  2.0"));
    EXPECT_EQ(recipes.takeFocusRequest(), RecipeFocus::FoodList);
    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].filter, QStringLiteral("Recipes (*.rcp)"));
}

TEST_F(RecipeLoadTest, ASavedRecipeComesBackAsItWas)
{
    for (int i = 0; i < RecipeCapacity; ++i)
        drop(i % 3, QString::number(i % 4 + 1));
    recipes.setInstructions(QStringLiteral("Layer.\r\n\r\nBake 40 min at 180 \u00b0C."));
    recipes.setRecipeServingsText(QStringLiteral("6"));
    saveAs(QStringLiteral("layers.rcp"));
    const QStringList lines = recipes.ingredientLines();
    const Nutrients totals = recipes.recipeTotals();

    program.execute(Command::ClearRecipe);
    loadFrom(QStringLiteral("layers.rcp"));
    EXPECT_EQ(recipes.ingredientLines(), lines);
    EXPECT_EQ(recipes.recipeTotals(), totals);
    EXPECT_EQ(recipes.instructions(), QStringLiteral("Layer.\r\n\r\nBake 40 min at 180 \u00b0C."));
    EXPECT_EQ(recipes.recipeServingsText(), QStringLiteral("  6.0"));
}

TEST_F(RecipeLoadTest, TheRecipeDoesNotDependOnTheFoodTable)
{
    drop(1);
    saveAs(QStringLiteral("bread.rcp"));
    foods.foodTable().item(1).setNutrient(Nutrient::Calories, 1);
    foods.foodTable().removeAt(1);
    program.execute(Command::ClearRecipe);
    loadFrom(QStringLiteral("bread.rcp"));
    EXPECT_EQ(recipes.ingredientLines(), QStringList{QStringLiteral("( 1.0)\tBread")});
    EXPECT_EQ(recipes.recipeTotals()[0], 80);
}

TEST_F(RecipeLoadTest, AnEmptyRecipeIsNotAskedAbout)
{
    recipes.setInstructions(QStringLiteral("Old notes"));
    loadFrom(QStringLiteral("none.rcp"));
    EXPECT_EQ(ui.messages, std::vector<Message>{warning(recipemsg::CannotOpen)});
    // Instructions are replaced only by a file that was read.
    EXPECT_EQ(recipes.instructions(), QStringLiteral("Old notes"));
}

TEST_F(RecipeLoadTest, AnsweringNoClearsEvenWhenTheOpenIsCancelled)
{
    drop(0);
    recipes.setInstructions(QStringLiteral("Peel."));
    recipes.setRecipeServingsText(QStringLiteral("3"));
    ui.answers.push_back(Button::No);
    program.execute(Command::LoadRecipe);

    EXPECT_EQ(ui.messages, std::vector<Message>{saveQuestion()});
    EXPECT_TRUE(ui.saveRequests.empty());
    EXPECT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(recipes.count(), 0);
    EXPECT_TRUE(recipes.ingredientLines().isEmpty());
    EXPECT_TRUE(recipes.instructions().isEmpty());
    EXPECT_EQ(recipes.recipeTotals(), Nutrients{});
    EXPECT_EQ(recipes.recipeServingsText(), QStringLiteral("3"));
}

TEST_F(RecipeLoadTest, AnsweringYesSavesFirst)
{
    drop(2);
    writeAll(path(QStringLiteral("stew.rcp")), fileWithWrongTotals());
    ui.answers.push_back(Button::Yes);
    ui.saveAnswers.push_back(QStringLiteral("mine.rcp"));
    loadFrom(QStringLiteral("stew.rcp"));

    EXPECT_EQ(ui.messages, (std::vector<Message>{saveQuestion(), createQuestion(QStringLiteral("mine.rcp"))}));
    EXPECT_EQ(readAll(path(QStringLiteral("mine.rcp"))).mid(0, 5), QByteArrayLiteral("\x04Soup"));
    EXPECT_EQ(recipes.ingredientLines().first(), QStringLiteral("( 2.0)\tApple"));
    EXPECT_EQ(recipes.count(), 2);
}

TEST_F(RecipeLoadTest, ASaveThatFailedKeepsTheRecipe)
{
    drop(2);
    ui.answers.push_back(Button::Yes);
    ui.saveAnswers.push_back(path(QStringLiteral("no/such/folder/mine.rcp")));
    loadFrom(QStringLiteral("stew.rcp"));

    EXPECT_EQ(ui.messages, (std::vector<Message>{saveQuestion(), createQuestion(QStringLiteral("mine.rcp")),
                                                 warning(recipemsg::CannotCreate)}));
    EXPECT_TRUE(ui.openRequests.empty());
    EXPECT_EQ(recipes.count(), 1);
}

TEST_F(RecipeLoadTest, ASaveCancelledAfterYesStillClears)
{
    drop(2);
    ui.answers.push_back(Button::Yes);
    program.execute(Command::LoadRecipe);
    EXPECT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(recipes.count(), 0);
}

TEST_F(RecipeLoadTest, DamagedFilesAreRefusedWholeAndChangeNothing)
{
    QByteArray badCount = fileWithWrongTotals();
    put(badCount, 2140, "15000000");  // 21
    QByteArray negative = fileWithWrongTotals();
    put(negative, 2140, "ffffffff");
    QByteArray unterminated = fileWithWrongTotals();
    unterminated.replace(2180, 2001, QByteArray(2001, 'x'));
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {fileWithWrongTotals().left(4000), QStringLiteral("it is 4000 bytes long, and a recipe file has 4187")},
        {fileWithWrongTotals() + "more", QStringLiteral("it is 4191 bytes long, and a recipe file has 4187")},
        {QByteArray(), QStringLiteral("it is 0 bytes long, and a recipe file has 4187")},
        {badCount, QStringLiteral("its ingredient count 21 is outside 0 to 20")},
        {negative, QStringLiteral("its ingredient count -1 is outside 0 to 20")},
        {unterminated, QStringLiteral("its preparation instructions do not end within 2000 characters")},
    };
    recipes.setInstructions(QStringLiteral("Keep me"));
    recipes.setRecipeServingsText(QStringLiteral("5"));
    for (const auto& [bytes, problem] : cases) {
        ui.messages.clear();
        writeAll(path(QStringLiteral("bad.rcp")), bytes);
        loadFrom(QStringLiteral("bad.rcp"));
        EXPECT_EQ(ui.messages, std::vector<Message>{warning(
                                   QStringLiteral("The file \"bad.rcp\" is not a valid recipe file: ") + problem +
                                   QStringLiteral(". Nothing was loaded."))});
        EXPECT_EQ(recipes.count(), 0);
        EXPECT_TRUE(recipes.ingredientLines().isEmpty());
        EXPECT_EQ(recipes.instructions(), QStringLiteral("Keep me"));
        EXPECT_EQ(recipes.recipeServingsText(), QStringLiteral("5"));
    }
}

TEST_F(RecipeLoadTest, LoadingOverAnEmptiedRecipeStartsFromZeroTotals)
{
    // Removing ingredients can leave a trace of rounding in the calories; a
    // loaded recipe's totals are its own sums all the same.
    start({plainItem(QStringLiteral("A"), {0.1L, 0.1L, 0, 0, 0, 0}),
           plainItem(QStringLiteral("B"), {0.2L, 0.2L, 0, 0, 0, 0})});
    drop(0);
    saveAs(QStringLiteral("a.rcp"));
    drop(1);
    trash(0);
    trash(0);
    ASSERT_NE(recipes.recipeTotals()[0], 0.0L);
    loadFrom(QStringLiteral("a.rcp"));
    EXPECT_EQ(recipes.recipeTotals()[0], roundToReal6(0.1L));
}

TEST_F(RecipeLoadTest, ClearEmptiesAllButTheServingsFields)
{
    drop(0, QStringLiteral("2"));
    drop(2);
    recipes.setInstructions(QStringLiteral("Chop."));
    recipes.setRecipeServingsText(QStringLiteral("4"));
    recipes.setFoodServingsText(QStringLiteral("7"));
    program.execute(Command::ClearRecipe);

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(recipes.count(), 0);
    EXPECT_TRUE(recipes.ingredientLines().isEmpty());
    EXPECT_TRUE(recipes.instructions().isEmpty());
    EXPECT_EQ(recipes.recipeTotals(), Nutrients{});
    EXPECT_EQ(recipes.panel().values[0], QStringLiteral(" 0"));
    EXPECT_EQ(recipes.panel().fatPercent, QStringLiteral(" 0%"));
    EXPECT_EQ(recipes.recipeServingsText(), QStringLiteral("4"));
    EXPECT_EQ(recipes.foodServingsText(), QStringLiteral("7"));
    // Twenty new ingredients fit again.
    for (int i = 0; i < RecipeCapacity; ++i)
        drop(1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecipeLoadTest, TheRecipeMenuLivesOnTheRecipesPage)
{
    for (Command c : {Command::AddRecipeToFoodItems, Command::LoadRecipe, Command::SaveRecipe, Command::ClearRecipe})
        EXPECT_TRUE(program.isEnabled(c));
    EXPECT_TRUE(program.isMenuEnabled(TopMenu::Recipe));
    program.pageControlChange(MenuPlannerPageIndex);
    EXPECT_FALSE(program.isMenuEnabled(TopMenu::Recipe));
}

TEST_F(RecipeLoadTest, AFileWithoutIngredientsLeavesThePanelAsItWas)
{
    saveAs(QStringLiteral("empty.rcp"));
    loadFrom(QStringLiteral("empty.rcp"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(recipes.panel().values[0], QStringLiteral("0"));
    EXPECT_EQ(recipes.panel().carbohydratePercent, QStringLiteral("0%"));
    EXPECT_EQ(recipes.recipeServingsText(), QStringLiteral("  1.0"));
}
