// Merging another food item table: which items are offered, what each answer
// does, the one write at the end, and files that are not what they should be.

#include "food/merge.h"
#include "foodfixture.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

// A user who also notes which row was selected whenever a box came up.
class WatchingUi : public ScriptedUi {
public:
    const FoodList* foods = nullptr;
    QStringList selectedAtMessage;

    Button showMessage(const Message& message) override
    {
        const int row = foods->selectedFoodRow();
        selectedAtMessage.append(row < 0 ? QString() : foods->foodTable().rowItem(row).name());
        return ScriptedUi::showMessage(message);
    }
};

class MergeTest : public FoodFixture {
protected:
    FoodItem apple = makeItem(QStringLiteral("Apple"), {52, 14, 0.25L, 0.25L, 1, 0});
    FoodItem milk = makeItem(QStringLiteral("Milk"), {122, 12, 8, 5, 100, 20});
    QString otherPath = dir.filePath(QStringLiteral("other.dbt"));

    // Chooses `bytes` as the file to merge and runs the menu item.
    void merge(const QByteArray& bytes)
    {
        writeAll(otherPath, bytes);
        ui.openAnswers.push_back(otherPath);
        program.execute(Command::MergeOtherTable);
    }

    static Message question(const char* name)
    {
        return typed(QString::fromLatin1(name) + QStringLiteral(" not found. Do you want to add this item?"),
                     Icon::Information, (Button::Yes | Button::No) | only(Button::Cancel));
    }

    // A record as a file from elsewhere holds it: on the personal list, with
    // its own reserved bytes.
    static FoodItem foreign(const char* name, const Nutrients& values = {10, 1, 1, 1, 1, 1})
    {
        FoodItem item = makeItem(QString::fromLatin1(name), values, true);
        for (int i = 31; i < 47; ++i)
            item.bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        return item;
    }
    // What the table holds after a foreign record was added unchanged.
    static FoodItem added(FoodItem item)
    {
        item.setOnPersonalList(false);
        return item;
    }
};

} // namespace

TEST_F(MergeTest, OffersEachMissingItemAndWritesOnceAtTheEnd)
{
    start({apple, milk});
    const FoodItem bread = foreign("Bread");
    const FoodItem cheese = foreign("Cheese", {110, 0, 7, 9, 180, 30});
    ui.answers = {Button::Yes, Button::Yes};
    ui.foodItemAnswers = {{pressOk()}, {pressOk()}};
    const int busyBefore = ui.busyCalls;
    merge(tableBytes({milk, bread, apple, cheese}));

    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].filter, QStringLiteral("Food Item File (*.dbt)"));
    EXPECT_EQ(ui.openRequests[0].defaultSuffix, QStringLiteral("dbt"));
    EXPECT_EQ(ui.openRequests[0].initialDirectory, QStringLiteral("."));

    EXPECT_EQ(ui.messages, std::vector<Message>({question("Bread"), question("Cheese")}));
    ASSERT_EQ(ui.foodItemShown.size(), 2u);
    EXPECT_EQ(ui.foodItemShown[1].text(FoodItemForm::Name), QStringLiteral("Cheese"));
    EXPECT_EQ(ui.foodItemShown[1].text(FoodItemForm::Sodium), QStringLiteral("   180.0"));

    EXPECT_EQ(fileBytes(), tableBytes({apple, added(bread), added(cheese), milk}));
    EXPECT_EQ(ui.busyCalls - busyBefore, 1);
    EXPECT_EQ(selectedName(), QStringLiteral("Cheese"));

    ASSERT_EQ(ui.progress.size(), 1u);
    EXPECT_EQ(ui.progress[0].caption, QStringLiteral("Search Food Item Data Base"));
    EXPECT_EQ(ui.progress[0].maximum, 4);
    EXPECT_EQ(ui.progress[0].values, std::vector<int>({1, 2, 3, 4}));
    EXPECT_TRUE(ui.progress[0].ended);
}

TEST_F(MergeTest, TheRowWhereTheItemWouldGoIsSelectedBeforeTheQuestion)
{
    WatchingUi watching;
    Program local{watching, settings, dir.path()};
    FoodList localFoods{local, watching};
    FoodData localFood{local, localFoods};
    watching.foods = &localFoods;
    writeAll(tablePath(), tableBytes({apple, makeItem(QStringLiteral("Cherry")), milk}));
    localFoods.foodTable() = FoodTable{NameOrder(QLocale::c())};
    ASSERT_TRUE(local.formCreate().ok);

    writeAll(otherPath, tableBytes({foreign("Aardvark"), foreign("Banana"), foreign("Zucchini")}));
    watching.openAnswers.push_back(otherPath);
    watching.answers = {Button::No, Button::No, Button::No};
    local.execute(Command::MergeOtherTable);
    EXPECT_EQ(watching.selectedAtMessage,
              QStringList({QStringLiteral("Apple"), QStringLiteral("Apple"), QStringLiteral("Milk")}));
}

TEST_F(MergeTest, PresenceComparesWholeNamesIgnoringCase)
{
    start({apple, milk});
    ui.answers = {Button::No};
    merge(tableBytes({foreign("apple"), foreign("APPLE"), foreign("Apple pie"), foreign("milk")}));
    EXPECT_EQ(ui.messages, std::vector<Message>({question("Apple pie")}));
    EXPECT_EQ(fileBytes(), tableBytes({apple, milk}));
}

TEST_F(MergeTest, CancelAtTheThirdQuestionKeepsTheFirstTwo)
{
    start({milk});
    const FoodItem a = foreign("Aa"), b = foreign("Bb"), c = foreign("Cc"), d = foreign("Dd");
    ui.answers = {Button::Yes, Button::Yes, Button::Cancel};
    ui.foodItemAnswers = {{pressOk()}, {pressOk()}};
    merge(tableBytes({a, b, c, d}));
    EXPECT_EQ(ui.messages, std::vector<Message>({question("Aa"), question("Bb"), question("Cc")}));
    EXPECT_EQ(fileBytes(), tableBytes({added(a), added(b), milk}));
    ASSERT_EQ(ui.progress.size(), 1u);
    EXPECT_EQ(ui.progress[0].values, std::vector<int>({1, 2, 3}));
    EXPECT_TRUE(ui.progress[0].ended);
}

TEST_F(MergeTest, NoAndACancelledDialogSkipTheItem_ARenameIsTakenAsTyped)
{
    start({milk});
    const FoodItem a = foreign("Aa"), b = foreign("Bb"), c = foreign("Cc"), renamedInFile = foreign("Cream");
    ui.answers = {Button::No, Button::Yes, Button::Yes};
    const FoodItemAttempt renameTo{{{FoodItemForm::Name, QStringLiteral("Cream")},
                                    {FoodItemForm::Calories, QStringLiteral("15")}}};
    ui.foodItemAnswers = {{pressCancel()}, {set(FoodItemForm::Calories, QStringLiteral("1,5")), renameTo}};
    // "Cream" comes later in the file: after the rename it is present.
    merge(tableBytes({a, b, c, renamedInFile}));
    EXPECT_EQ(ui.texts(), QStringList({question("Aa").text, question("Bb").text, question("Cc").text,
                                       QStringLiteral("Invalid entry for calories.")}));
    FoodItem cream = added(c);
    ASSERT_EQ(cream.setName(QStringLiteral("Cream")), EncodeResult::Ok);
    ASSERT_TRUE(cream.setNutrient(Nutrient::Calories, 15));
    EXPECT_EQ(fileBytes(), tableBytes({cream, milk}));
}

TEST_F(MergeTest, MergingTheTableOntoItselfAsksNothing)
{
    start({apple, makeItem(QStringLiteral("Bread"), {}, true), milk});
    const QByteArray before = fileBytes();
    ui.openAnswers.push_back(tablePath());
    program.execute(Command::MergeOtherTable);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.foodItemShown.empty());
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(foods.foodTable().count(), 3);
}

TEST_F(MergeTest, AFullTableTakesNothingMore)
{
    start(numberedItems(2000));
    const QByteArray before = fileBytes();
    ui.answers = {Button::Yes, Button::Yes};
    merge(tableBytes({foreign("New one"), foreign("New two")}));
    const Message full = typed(QStringLiteral("Food item table full."), Icon::Warning);
    EXPECT_EQ(ui.messages, std::vector<Message>({question("New one"), full, question("New two"), full}));
    EXPECT_TRUE(ui.foodItemShown.empty());
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(MergeTest, RefusedWhileThePersonalListIsShown)
{
    start({apple, milk});
    program.execute(Command::ShowPersonalList);
    merge(tableBytes({foreign("Bread")}));
    EXPECT_EQ(ui.messages, std::vector<Message>({typed(editmsg::AddInPersonalView, Icon::Warning)}));
    EXPECT_TRUE(ui.openRequests.empty());
    EXPECT_TRUE(ui.progress.empty());
}

TEST_F(MergeTest, CancelledChoiceOrUnreadableFileChangesNothing)
{
    start({apple});
    const QByteArray before = fileBytes();
    program.execute(Command::MergeOtherTable);
    EXPECT_TRUE(ui.messages.empty());

    ui.openAnswers.push_back(dir.filePath(QStringLiteral("no such file.dbt")));
    program.execute(Command::MergeOtherTable);
    ui.openAnswers.push_back(dir.path());  // a folder
    program.execute(Command::MergeOtherTable);
    const Message cannot = typed(QStringLiteral("Error opening file."), Icon::Warning);
    EXPECT_EQ(ui.messages, std::vector<Message>({cannot, cannot}));
    EXPECT_TRUE(ui.progress.empty());
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(MergeTest, FilesThatAreEmptyOrCutShort)
{
    start({apple});
    const QByteArray before = fileBytes();
    merge(QByteArray());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.progress.back().maximum, 0);
    EXPECT_TRUE(ui.progress.back().ended);
    EXPECT_EQ(fileBytes(), before);

    // A tail shorter than a record is not read; whole records before it are.
    ui.messages.clear();
    ui.answers = {Button::No};
    merge(tableBytes({foreign("Bread"), apple}) + tableBytes({foreign("Cut")}).left(60));
    EXPECT_EQ(ui.messages, std::vector<Message>({question("Bread")}));
    EXPECT_EQ(ui.progress.back().maximum, 2);
    EXPECT_EQ(ui.progress.back().values, std::vector<int>({1, 2}));
}

TEST_F(MergeTest, AnEmptyNameIsOfferedAsAddTakesItTooLongNamesAreLeftOut)
{
    start({apple});
    FoodItem tooLong = foreign("Long");
    tooLong.bytes[0] = 31;  // one past the field: never read past the name
    FoodItem huge = foreign("Huge");
    huge.bytes[0] = 255;
    FoodItem empty = foreign("x");
    empty.bytes[0] = 0;
    const FoodItem bread = foreign("Bread");
    ui.answers = {Button::Yes, Button::Yes};
    ui.foodItemAnswers = {{pressOk()}, {pressOk()}};
    merge(tableBytes({tooLong, bread, huge, empty}));
    EXPECT_EQ(ui.messages,
              std::vector<Message>({question("Bread"), question(""),
                                    typed(QStringLiteral("2 of the file's records have no valid name (longer than 30 "
                                                         "characters) and were left out."),
                                          Icon::Warning)}));
    EXPECT_EQ(ui.progress.back().values, std::vector<int>({1, 2, 3, 4}));
    EXPECT_EQ(foods.foodTable().rowNames(), (QStringList{QString(), QStringLiteral("Apple"), QStringLiteral("Bread")}));
    EXPECT_EQ(fileBytes().size(), 3 * FoodItem::Size);

    // Once there, the empty name counts as present, as it does for Add.
    ui.messages.clear();
    merge(tableBytes({empty}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MergeTest, PresenceFoldsOnlyTheAsciiLetters)
{
    start({makeItem(QStringLiteral("Crème brûlée")), apple});
    ui.answers = {Button::No};
    merge(tableBytes({foreign("APPLE"), makeItem(QStringLiteral("CRÈME BRÛLÉE"))}));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("CRÈME BRÛLÉE not found. Do you want to add this item?"));
}
