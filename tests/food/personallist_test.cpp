// The personal list: marking and unmarking items, the two views with their
// captions and live commands, clearing, and the servings keys of the food list.

#include "foodfixture.h"

#include <QFile>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class PersonalListTest : public FoodFixture {
protected:
    std::vector<FoodItem> items = {makeItem(QStringLiteral("apple")), makeItem(QStringLiteral("Apple")),
                                   makeItem(QStringLiteral("Bread")), makeItem(QStringLiteral("Cheese")),
                                   makeItem(QStringLiteral("Milk"))};

    // The personal-list flag of each record of the file, in file order.
    QString fileFlags() const
    {
        const QByteArray bytes = fileBytes();
        QString flags;
        for (qsizetype at = 0; at + 101 <= bytes.size(); at += 101)
            flags.append(QString::number(static_cast<int>(bytes[at + 83])));
        return flags;
    }

    // Enabled state of the commands the view switches, as a string of 0/1:
    // Add, Modify, Delete, Add to personal, Remove from personal, and the Add
    // and Delete tool buttons.
    QString liveCommands() const
    {
        QString live;
        for (Command c : {Command::AddFoodItem, Command::ModifyFoodItem, Command::DeleteFoodItem,
                          Command::AddToPersonalList, Command::RemoveFromPersonalList})
            live.append(program.isEnabled(c) ? QLatin1Char('1') : QLatin1Char('0'));
        live.append(QLatin1Char(' '));
        for (Command c : {Command::AddFoodItem, Command::DeleteFoodItem})
            live.append(program.isToolButtonEnabled(c) ? QLatin1Char('1') : QLatin1Char('0'));
        return live;
    }

    const Message noSelection = Message::plain(QStringLiteral("No food item selected."),
                                               QStringLiteral("No Selection"), Icon::Information, only(Button::Ok));
};

} // namespace

TEST_F(PersonalListTest, MarkingWritesTheFlagAtOnce)
{
    start(items);
    EXPECT_EQ(foods.foodTable().rowNames(),
              QStringList({QStringLiteral("apple"), QStringLiteral("Apple"), QStringLiteral("Bread"),
                           QStringLiteral("Cheese"), QStringLiteral("Milk")}));
    click(QStringLiteral("Cheese"));
    program.execute(Command::AddToPersonalList);
    EXPECT_EQ(fileFlags(), QStringLiteral("00010"));
    FoodItem marked = items[3];
    marked.setOnPersonalList(true);
    EXPECT_EQ(fileBytes().mid(3 * 101, 101), tableBytes({marked}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PersonalListTest, MarkingWithoutASelectionSaysSoAndStillWritesTheTable)
{
    start(items);
    QFile::remove(tablePath());
    foods.selectFoodRow(-1);
    program.execute(Command::AddToPersonalList);
    EXPECT_EQ(ui.messages, std::vector<Message>({noSelection}));
    EXPECT_EQ(fileFlags(), QStringLiteral("00000"));
}

TEST_F(PersonalListTest, ThePersonalViewShowsTheMarkedItemsAndSwitchesTheCommands)
{
    start(items);
    EXPECT_EQ(program.caption(Command::ShowPersonalList), QStringLiteral("&Show Personal List"));
    EXPECT_EQ(liveCommands(), QStringLiteral("11110 11"));
    for (const char* name : {"Milk", "apple", "Bread"}) {
        click(QString::fromLatin1(name));
        program.execute(Command::AddToPersonalList);
    }
    program.execute(Command::ShowPersonalList);
    EXPECT_EQ(foods.foodTable().rowNames(),
              QStringList({QStringLiteral("apple"), QStringLiteral("Bread"), QStringLiteral("Milk")}));
    EXPECT_EQ(program.caption(Command::ShowPersonalList), QStringLiteral("Show &Whole List"));
    EXPECT_EQ(liveCommands(), QStringLiteral("00001 00"));
    EXPECT_EQ(foods.selectedFoodRow(), -1);

    program.execute(Command::ShowPersonalList);
    EXPECT_EQ(foods.foodTable().rowCount(), 5);
    EXPECT_EQ(program.caption(Command::ShowPersonalList), QStringLiteral("Show &Personal List"));
    EXPECT_EQ(liveCommands(), QStringLiteral("11110 11"));
    EXPECT_EQ(fileFlags(), QStringLiteral("10101"));
}

TEST_F(PersonalListTest, RemovingInThePersonalViewIsWrittenAtOnce)
{
    // Both spellings of apple are marked; only the exact name leaves the list.
    items[0].setOnPersonalList(true);
    items[1].setOnPersonalList(true);
    items[4].setOnPersonalList(true);
    start(items);
    program.execute(Command::ShowPersonalList);
    click(QStringLiteral("Apple"));
    program.execute(Command::RemoveFromPersonalList);
    EXPECT_TRUE(foods.foodTable().personalListShown());
    EXPECT_EQ(foods.foodTable().rowNames(), QStringList({QStringLiteral("apple"), QStringLiteral("Milk")}));
    EXPECT_EQ(fileFlags(), QStringLiteral("10001"));

    foods.selectFoodRow(-1);
    program.execute(Command::RemoveFromPersonalList);
    EXPECT_EQ(ui.messages, std::vector<Message>({noSelection}));
    EXPECT_EQ(fileFlags(), QStringLiteral("10001"));
}

TEST_F(PersonalListTest, ClearingAsksThenUnmarksEverythingAndShowsTheWholeList)
{
    items[2].setOnPersonalList(true);
    items[3].setOnPersonalList(true);
    start(items);
    program.execute(Command::ShowPersonalList);
    const Message question = Message::plain(QStringLiteral("Are you sure you want to clear the personal list?"),
                                            QStringLiteral("Clear Personal List"), Icon::Information,
                                            Button::Yes | Button::No);
    ui.answers = {Button::No};
    program.execute(Command::ClearPersonalList);
    EXPECT_EQ(ui.messages, std::vector<Message>({question}));
    EXPECT_EQ(fileFlags(), QStringLiteral("00110"));
    EXPECT_TRUE(foods.foodTable().personalListShown());

    ui.answers = {Button::Yes};
    program.execute(Command::ClearPersonalList);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_FALSE(foods.foodTable().personalListShown());
    EXPECT_EQ(foods.foodTable().rowCount(), 5);
    EXPECT_EQ(program.caption(Command::ShowPersonalList), QStringLiteral("Show &Personal List"));
    EXPECT_EQ(liveCommands(), QStringLiteral("11110 11"));
    EXPECT_EQ(fileFlags(), QStringLiteral("00000"));

    // Adding works again from the tool button.
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Yoghurt"), {"60", "5", "3", "3", "40", "10"})});
    program.execute(Command::AddFoodItem);
    EXPECT_EQ(foods.foodTable().count(), 6);
}

TEST_F(PersonalListTest, PlusAndMinusChangeTheServingsWithoutALowerBound)
{
    start(items);
    foods.setServingsText(QStringLiteral("2"));
    panelRefreshes = 0;
    QStringList seen;
    for (char key : {'-', '-', '-', '+'}) {
        EXPECT_TRUE(foodListKeyPress(foods, QLatin1Char(key)));
        seen.append(foods.servingsText());
    }
    EXPECT_EQ(seen, QStringList({QStringLiteral(" 1.0"), QStringLiteral(" 0.0"), QStringLiteral("-1.0"),
                                 QStringLiteral(" 0.0")}));
    EXPECT_EQ(panelRefreshes, 4);

    foods.setServingsText(QStringLiteral("99.96"));
    foodListKeyPress(foods, QLatin1Char('+'));
    EXPECT_EQ(foods.servingsText(), QStringLiteral("101.0"));

    // Other keys are the list's own; a text that is no number stays as typed.
    EXPECT_FALSE(foodListKeyPress(foods, QLatin1Char('a')));
    foods.setServingsText(QStringLiteral("two"));
    EXPECT_TRUE(foodListKeyPress(foods, QLatin1Char('+')));
    EXPECT_EQ(foods.servingsText(), QStringLiteral("two"));
}
