// Adding, modifying and deleting food items: what the user is told, and the
// bytes of "fooditem.dbt" after each change.

#include "foodfixture.h"

#include <QFile>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FoodEditingTest : public FoodFixture {
protected:
    FoodItem apple = makeItem(QStringLiteral("Apple"), {52, 14, 0.25L, 0.25L, 1, 0});
    FoodItem bread = makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}, true);
    FoodItem milk = makeItem(QStringLiteral("Milk"), {122, 12, 8, 5, 100, 20});
};

// "Egg", 80 kcal, 0.5 g carbohydrate, 6 g protein, 5 g fat, 70 mg sodium,
// 210 mg cholesterol, as a new record: zeros outside the name and values.
const char* EggRecord =
    "03 45 67 67" "000000000000000000000000000000000000000000000000000000"  // name, 31 bytes
    "00000000000000000000000000000000"                                      // reserved, 16
    "870000000020" "800000000000" "830000000040"                            // 80, 0.5, 6
    "830000000020" "87000000000c" "880000000052"                            // 5, 70, 210
    "00"                                                                    // not on the personal list
    "0000000000000000000000000000000000";                                   // reserved, 17

} // namespace

TEST_F(FoodEditingTest, AddPutsTheNewRecordInItsSortedPlaceAndWritesTheFile)
{
    start({apple, milk});
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Egg"), {"80", "0.5", "6", "5", "70", "210"})});
    program.execute(Command::AddFoodItem);

    ASSERT_EQ(ui.foodItemShown.size(), 1u);
    const FoodItemForm& shown = ui.foodItemShown[0];
    EXPECT_EQ(shown.caption(), QStringLiteral("Add/Modify Food Item"));
    EXPECT_EQ(shown.text(FoodItemForm::Name), QString());
    EXPECT_EQ(shown.text(FoodItemForm::Calories), QStringLiteral("       0"));
    EXPECT_EQ(shown.text(FoodItemForm::Fat), QStringLiteral("     0.0"));
    EXPECT_TRUE(ui.messages.empty());

    const QByteArray egg = hex(EggRecord);
    ASSERT_EQ(egg.size(), 101);
    EXPECT_EQ(fileBytes(), tableBytes({apple}) + egg + tableBytes({milk}));
    EXPECT_EQ(selectedName(), QStringLiteral("Egg"));
    EXPECT_EQ(panelRefreshes, 1);
    EXPECT_EQ(ui.busyNow, 0);
}

TEST_F(FoodEditingTest, AddToAMissingTableCreatesTheFileWithOneRecord)
{
    QFile::remove(tablePath());
    program.hooks.refreshFoodPanel = [] {};
    ASSERT_TRUE(program.formCreate().ok);
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Egg"), {"80", "0.5", "6", "5", "70", "210"})});
    program.execute(Command::AddFoodItem);
    EXPECT_EQ(fileBytes(), hex(EggRecord));
}

TEST_F(FoodEditingTest, AddAfterABadFieldTakesTheCorrectedValues)
{
    start({apple});
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Egg"), {"80", "1,5", "6", "5", "70", "210"}),
                                  set(FoodItemForm::Carbo, QStringLiteral("0.5"))});
    program.execute(Command::AddFoodItem);
    EXPECT_EQ(ui.messages,
              std::vector<Message>({typed(QStringLiteral("Invalid entry for carbohydrates."), Icon::Warning)}));
    EXPECT_EQ(ui.foodItemFocusAfterRefusal, std::vector<FoodItemForm::Field>({FoodItemForm::Carbo}));
    EXPECT_EQ(fileBytes(), tableBytes({apple}) + hex(EggRecord));
}

TEST_F(FoodEditingTest, AddThatEndsInCancelChangesNothing)
{
    start({apple});
    const QByteArray before = fileBytes();
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Tofu 豆腐"), {"70", "2", "8", "4", "7", "0"}),
                                  pressCancel()});
    program.execute(Command::AddFoodItem);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, editmsg::NameNotStorable);
    EXPECT_EQ(ui.foodItemFocusAfterRefusal, std::vector<FoodItemForm::Field>({FoodItemForm::Name}));
    EXPECT_EQ(foods.foodTable().count(), 1);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(FoodEditingTest, AddRefusesASameNameIgnoringCaseAndSelectsTheExistingItem)
{
    start({apple, bread, milk});
    const QByteArray before = fileBytes();
    ui.foodItemAnswers.push_back({enter(QStringLiteral("mILK"), {"1", "1", "1", "1", "1", "1"})});
    program.execute(Command::AddFoodItem);
    EXPECT_EQ(ui.messages,
              std::vector<Message>({typed(QStringLiteral("The new item has the same name as an existing item. Use "
                                                         "modify to change the component values, or change the name "
                                                         "of the item."),
                                          Icon::Information)}));
    EXPECT_EQ(selectedName(), QStringLiteral("Milk"));
    EXPECT_EQ(panelRefreshes, 1);
    EXPECT_EQ(foods.foodTable().count(), 3);
    EXPECT_EQ(fileBytes(), before);

    // A name that only starts like an existing one is a new item.
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Milk shake"), {"1", "1", "1", "1", "1", "1"})});
    program.execute(Command::AddFoodItem);
    EXPECT_EQ(foods.foodTable().rowNames(), QStringList({QStringLiteral("Apple"), QStringLiteral("Bread"),
                                                           QStringLiteral("Milk"), QStringLiteral("Milk shake")}));

    // Only a to z fold: an accented capital is a letter of its own.
    ui.messages.clear();
    ui.foodItemAnswers.push_back({enter(QStringLiteral("éclair"), {"1", "1", "1", "1", "1", "1"})});
    ui.foodItemAnswers.push_back({enter(QStringLiteral("ÉCLAIR"), {"1", "1", "1", "1", "1", "1"})});
    program.execute(Command::AddFoodItem);
    program.execute(Command::AddFoodItem);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(foods.foodTable().count(), 6);
    EXPECT_TRUE(foods.foodTable().rowNames().contains(QStringLiteral("ÉCLAIR")));
}

TEST_F(FoodEditingTest, AddIsRefusedBeforeTheDialogInThePersonalView)
{
    start({apple, bread});
    program.execute(Command::ShowPersonalList);
    ui.messages.clear();
    program.execute(Command::AddFoodItem);
    EXPECT_EQ(ui.messages,
              std::vector<Message>({typed(QStringLiteral("You must be showing the Whole Food List in the Menu "
                                                         "Planner to use this function. Change the view and return "
                                                         "here to add the menu item"),
                                          Icon::Warning)}));
    EXPECT_TRUE(ui.foodItemShown.empty());
}

TEST_F(FoodEditingTest, TheTableTakesItemsUpToTwoThousand)
{
    start(numberedItems(1999));
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Zucchini"), {"1", "1", "1", "1", "1", "1"})});
    program.execute(Command::AddFoodItem);
    EXPECT_EQ(foods.foodTable().count(), 2000);
    EXPECT_EQ(fileBytes().size(), 2000 * 101);
    ASSERT_TRUE(ui.messages.empty());

    program.execute(Command::AddFoodItem);
    EXPECT_EQ(ui.messages, std::vector<Message>({typed(QStringLiteral("Fooditem table full."), Icon::Information)}));
    EXPECT_EQ(ui.foodItemShown.size(), 1u);
    EXPECT_EQ(foods.foodTable().count(), 2000);
}

TEST_F(FoodEditingTest, ModifyShowsTheItemAndARenameMovesItKeepingFlagAndReservedBytes)
{
    const FoodItem cheese = makeItem(QStringLiteral("Cheese"), {110, 0, 7, 9, 180, 30});
    start({bread, cheese, milk});
    click(QStringLiteral("Bread"));
    ui.foodItemAnswers.push_back({{{{FoodItemForm::Name, QStringLiteral("Zucchini bread")},
                                    {FoodItemForm::Calories, QStringLiteral("135")}}}});
    program.execute(Command::ModifyFoodItem);

    ASSERT_EQ(ui.foodItemShown.size(), 1u);
    const FoodItemForm& shown = ui.foodItemShown[0];
    EXPECT_EQ(shown.text(FoodItemForm::Name), QStringLiteral("Bread"));
    EXPECT_EQ(shown.texts, (std::array<QString, 7>{QStringLiteral("Bread"), QStringLiteral("      80"),
                                                    QStringLiteral("    15.0"), QStringLiteral("     3.0"),
                                                    QStringLiteral("     1.0"), QStringLiteral("   150.0"),
                                                    QStringLiteral("       0")}));

    FoodItem renamed = bread;  // the same record: personal flag and reserved bytes stay
    ASSERT_EQ(renamed.setName(QStringLiteral("Zucchini bread")), EncodeResult::Ok);
    ASSERT_TRUE(renamed.setNutrient(Nutrient::Calories, 135));
    EXPECT_EQ(fileBytes(), tableBytes({cheese, milk, renamed}));
    EXPECT_EQ(foods.selectedFoodRow(), 2);
    EXPECT_EQ(panelRefreshes, 2);  // the click, then the change
    EXPECT_TRUE(ui.messages.empty());

    // A rename does not look for another item of the new name.
    click(QStringLiteral("Milk"));
    ui.foodItemAnswers.push_back({set(FoodItemForm::Name, QStringLiteral("cheese"))});
    program.execute(Command::ModifyFoodItem);
    EXPECT_EQ(foods.foodTable().rowNames(),
              QStringList({QStringLiteral("Cheese"), QStringLiteral("cheese"), QStringLiteral("Zucchini bread")}));
    EXPECT_EQ(selectedName(), QStringLiteral("cheese"));

    // OK with nothing changed moves nothing, not even past a name that sorts equal.
    const QByteArray before = fileBytes();
    click(QStringLiteral("Cheese"));
    ui.foodItemAnswers.push_back({pressOk()});
    program.execute(Command::ModifyFoodItem);
    EXPECT_EQ(foods.foodTable().rowNames(),
              QStringList({QStringLiteral("Cheese"), QStringLiteral("cheese"), QStringLiteral("Zucchini bread")}));
    EXPECT_EQ(foods.selectedFoodRow(), 0);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(FoodEditingTest, ModifyCancelledOrRefusedLeavesEverything)
{
    start({apple, bread});
    const QByteArray before = fileBytes();
    click(QStringLiteral("Bread"));
    ui.foodItemAnswers.push_back({set(FoodItemForm::Calories, QStringLiteral("999"), false)});
    program.execute(Command::ModifyFoodItem);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(selectedName(), QStringLiteral("Bread"));

    foods.selectFoodRow(-1);
    program.execute(Command::ModifyFoodItem);
    program.execute(Command::ShowPersonalList);
    click(QStringLiteral("Bread"));
    program.execute(Command::ModifyFoodItem);
    EXPECT_EQ(ui.messages,
              std::vector<Message>(
                  {typed(QStringLiteral("There is no item to modify. Please select an item"), Icon::Information),
                   typed(QStringLiteral("You cannot modify items from the personal list.  Return to the whole "
                                        "list view."),
                         Icon::Information)}));
    EXPECT_EQ(ui.foodItemShown.size(), 1u);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(FoodEditingTest, DeleteAsksWithTheNameThenShiftsTheTable)
{
    start({apple, bread, milk});
    const QByteArray before = fileBytes();
    click(QStringLiteral("Bread"));
    ui.answers = {Button::Cancel};
    program.execute(Command::DeleteFoodItem);
    const Message question =
        typed(QStringLiteral("Are you sure you want to delete Bread."), Icon::Information, Button::Ok | Button::Cancel);
    EXPECT_EQ(ui.messages, std::vector<Message>({question}));
    EXPECT_EQ(fileBytes(), before);

    ui.answers = {Button::Ok};
    program.execute(Command::DeleteFoodItem);
    EXPECT_EQ(ui.messages, std::vector<Message>({question, question}));
    EXPECT_EQ(fileBytes(), tableBytes({apple, milk}));
    EXPECT_EQ(foods.foodTable().rowNames(), QStringList({QStringLiteral("Apple"), QStringLiteral("Milk")}));
    EXPECT_EQ(foods.selectedFoodRow(), -1);
    EXPECT_EQ(ui.busyNow, 0);
}

TEST_F(FoodEditingTest, DeleteRefusalsLeaveTheTable)
{
    start({apple, bread});
    const QByteArray before = fileBytes();
    foods.selectFoodRow(-1);
    program.execute(Command::DeleteFoodItem);
    program.execute(Command::ShowPersonalList);
    click(QStringLiteral("Bread"));
    program.execute(Command::DeleteFoodItem);
    EXPECT_EQ(ui.messages,
              std::vector<Message>(
                  {typed(QStringLiteral("There is no item to delete. Please select an item"), Icon::Information),
                   typed(QStringLiteral("You must be showing the Whole Food List in the Menu Planner to use this "
                                        "function. Change the view and return here to delete the menu item"),
                         Icon::Warning)}));
    EXPECT_EQ(foods.foodTable().count(), 2);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(FoodEditingTest, DeleteAndModifyRunWhateverTheMenuShows)
{
    // The trash can deletes a dropped row and the list's double click
    // modifies: neither goes through the menu, so neither depends on its state.
    start({apple, bread, milk});
    program.setEnabled(Command::DeleteFoodItem, false);
    click(QStringLiteral("Milk"));
    program.execute(Command::DeleteFoodItem);
    EXPECT_EQ(fileBytes(), tableBytes({apple, bread}));

    click(QStringLiteral("Apple"));
    ui.foodItemAnswers.push_back({set(FoodItemForm::Chol, QStringLiteral("3"))});
    program.execute(Command::ModifyFoodItem);
    FoodItem changed = apple;
    ASSERT_TRUE(changed.setNutrient(Nutrient::Cholesterol, 3));
    EXPECT_EQ(fileBytes(), tableBytes({changed, bread}));
}
