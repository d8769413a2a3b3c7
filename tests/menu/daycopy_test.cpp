// Copy Day and Paste Day: the shown day's four meals over another day, asked
// before a day with entries is replaced, saved as a meal change is.

#include "plannerfixture.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {
Message replaceQuestion(const QString& shown, const QString& copied)
{
    return Message::typed(QStringLiteral("Replace the meals of %1 with the meals copied from %2?").arg(shown, copied),
                          Icon::Confirmation, Button::Yes | Button::No, 47);
}
} // namespace

class DayCopyTest : public PlannerTest {
protected:
    // Monday: Apple x2 at breakfast, Cheese x0.5 at dinner, Bread at the snack.
    std::array<Meal, MealsPerDay> fillMonday()
    {
        planner.dayPageChange(1);
        dropFood(0, QStringLiteral("2"));
        planner.mealTabChange(2);
        dropFood(2, QStringLiteral("0.5"));
        planner.mealTabChange(3);
        dropFood(1);
        return {planner.meal(1, 0), planner.meal(1, 1), planner.meal(1, 2), planner.meal(1, 3)};
    }
    std::array<Meal, MealsPerDay> day(int d) const
    {
        return {planner.meal(d, 0), planner.meal(d, 1), planner.meal(d, 2), planner.meal(d, 3)};
    }
};

TEST_F(DayCopyTest, PasteOnAnEmptyDayCopiesAllFourMealsWithoutAsking)
{
    const auto monday = fillMonday();
    program.execute(Command::CopyDay);
    dropFood(0);  // a later change of Monday stays out of the copy

    planner.dayPageChange(4);
    planner.mealTabChange(2);
    program.execute(Command::PasteDay);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(day(4), monday);
    EXPECT_EQ(planner.meal(1, 3).count(), 2);
    // The shown meal, its totals and the day's calories follow at once.
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 0.5)\tCheese")}));
    EXPECT_EQ(planner.menuCalories(), QStringLiteral("239"));  // 2 x 52 + 55 + 80
    const MenuImage saved = stored();
    for (int m = 0; m < MealsPerDay; ++m)
        EXPECT_EQ(saved.week[weekIndex(4, m)], monday[static_cast<std::size_t>(m)]) << m;
    EXPECT_EQ(saved.currentDay, 4);
    // The meal clipboard is another thing.
    EXPECT_EQ(planner.clipboard().count(), 0);
}

TEST_F(DayCopyTest, ReplacingADayWithEntriesAsksAndOnlyYesReplaces)
{
    const auto monday = fillMonday();
    program.execute(Command::CopyDay);
    planner.dayPageChange(6);
    planner.mealTabChange(3);  // the only entry of Saturday is not in the shown meal
    dropFood(2, QStringLiteral("3"));
    planner.mealTabChange(0);
    const MenuImage before = stored();

    for (const Button answer : {Button::No, Button::Cancel}) {
        ui.messages.clear();
        ui.answers = {answer};
        program.execute(Command::PasteDay);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], replaceQuestion(QStringLiteral("Saturday"), QStringLiteral("Monday")));
        EXPECT_EQ(planner.image(), before);
        EXPECT_EQ(stored(), before);
    }

    ui.messages.clear();
    ui.answers = {Button::Yes};
    program.execute(Command::PasteDay);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(day(6), monday);
    EXPECT_EQ(planner.mealList(), QStringList({QStringLiteral("( 2.0)\tApple")}));
    EXPECT_EQ(stored().week[weekIndex(6, 3)], monday[3]);
}

TEST_F(DayCopyTest, AnEntryInAnyOneMealIsEnoughToAsk)
{
    fillMonday();
    program.execute(Command::CopyDay);
    // Tuesday to Friday each hold one entry, in breakfast, lunch, dinner and
    // the snack in turn.
    for (int m = 0; m < MealsPerDay; ++m) {
        const int target = 2 + m;
        planner.dayPageChange(target);
        planner.mealTabChange(m);
        dropFood(1);
        const auto before = day(target);
        ui.messages.clear();
        ui.answers = {Button::No};
        program.execute(Command::PasteDay);
        EXPECT_EQ(ui.messages,
                  std::vector<Message>{replaceQuestion(DayNames.value(target), QStringLiteral("Monday"))})
            << m;
        EXPECT_EQ(day(target), before) << m;
    }
}

TEST_F(DayCopyTest, EmptyCopiedDayEmptiesTheTargetAndNothingCopiedIsTold)
{
    for (const Command paste : {Command::PasteDay, Command::PasteDayInto}) {
        ui.messages.clear();
        ui.severalAnswers = {std::vector<int>{0}};
        program.execute(paste);
        EXPECT_EQ(ui.messages, std::vector<Message>{Message::typed(
                                   QStringLiteral("No day has been copied yet. Use Copy Day first."),
                                   Icon::Information, only(Button::Ok), 47)});
        EXPECT_TRUE(ui.choiceRequests.empty());  // told before any list of days
    }
    EXPECT_FALSE(planner.dayCopied());

    planner.dayPageChange(2);  // empty Tuesday
    program.execute(Command::CopyDay);
    EXPECT_TRUE(planner.dayCopied());
    fillMonday();
    ui.messages.clear();
    ui.answers = {Button::Yes};
    program.execute(Command::PasteDay);
    EXPECT_EQ(ui.messages, std::vector<Message>{replaceQuestion(QStringLiteral("Monday"), QStringLiteral("Tuesday"))});
    EXPECT_EQ(day(1), day(2));
    EXPECT_EQ(planner.menuCalories(), QStringLiteral("0"));
    EXPECT_EQ(stored().week, Week{});
}

TEST_F(DayCopyTest, CopyAndPasteDoNothingWhileTheMenuMenuIsOff)
{
    fillMonday();
    program.pageControlChange(RdaPageIndex);
    program.execute(Command::CopyDay);
    EXPECT_FALSE(planner.dayCopied());

    program.pageControlChange(MenuPlannerPageIndex);
    program.execute(Command::CopyDay);
    planner.dayPageChange(0);
    program.pageControlChange(WeightPageIndex);
    ui.severalAnswers = {std::vector<int>{0}};
    for (const Command paste : {Command::PasteDay, Command::PasteDayInto})
        program.execute(paste);
    EXPECT_EQ(planner.meal(0, 0).count(), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.choiceRequests.empty());
}

TEST_F(DayCopyTest, PasteIntoSeveralDaysAsksOnceForTheDaysWithEntries)
{
    // Sunday and Saturday hold an entry each; the rest is empty but Monday.
    for (const int d : {0, 6}) {
        planner.dayPageChange(d);
        dropFood(1);
    }
    const auto monday = fillMonday();
    program.execute(Command::CopyDay);
    planner.dayPageChange(3);
    const Week start = planner.image().week;
    const QByteArray startFile = readAll(menuPath());

    struct Case {
        std::vector<int> ticked;
        std::optional<Button> answer;  // to the question, when one is asked
        QString asked;                 // the days the question names
        bool pasted;
    };
    const std::vector<Case> cases{
        {{2, 4}, std::nullopt, {}, true},
        {{4, 6}, Button::No, QStringLiteral("Saturday"), false},
        {{4, 6}, Button::Cancel, QStringLiteral("Saturday"), false},
        {{-1, 2, 7}, std::nullopt, {}, true},  // only Tuesday is a day of the week
        {{0, 5, 6}, Button::Yes, QStringLiteral("Sunday, Saturday"), true},
        {{}, std::nullopt, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.ticked));
        writeAll(menuPath(), startFile);
        program.hooks.loadCurrentMenu();
        ui.messages.clear();
        ui.choiceRequests.clear();
        ui.severalAnswers = {c.ticked};
        ui.answers.clear();
        if (c.answer)
            ui.answers = {*c.answer};
        program.execute(Command::PasteDayInto);

        ASSERT_EQ(ui.choiceRequests.size(), 1u);
        EXPECT_EQ(ui.choiceRequests[0].title, QStringLiteral("Paste Day Into"));
        EXPECT_EQ(ui.choiceRequests[0].label, QStringLiteral("Paste the meals copied from Monday into these days:"));
        EXPECT_EQ(ui.choiceRequests[0].items, DayNames);
        EXPECT_EQ(ui.choiceRequests[0].current, -1);
        EXPECT_EQ(ui.choiceRequests[0].helpContext, 47);
        if (c.asked.isEmpty())
            EXPECT_TRUE(ui.messages.empty());
        else
            EXPECT_EQ(ui.messages, std::vector<Message>{replaceQuestion(c.asked, QStringLiteral("Monday"))});
        for (int d = 0; d < DaysPerWeek; ++d) {
            const bool target = c.pasted && std::find(c.ticked.begin(), c.ticked.end(), d) != c.ticked.end();
            std::array<Meal, MealsPerDay> before;
            for (int m = 0; m < MealsPerDay; ++m)
                before[static_cast<std::size_t>(m)] = start[static_cast<std::size_t>(weekIndex(d, m))];
            EXPECT_EQ(day(d), target ? monday : before) << d;
            for (int m = 0; m < MealsPerDay; ++m)
                EXPECT_EQ(stored().week[weekIndex(d, m)], day(d)[static_cast<std::size_t>(m)]) << d;
        }
    }

    // Cancelled: nothing asked, nothing changed.
    ui.severalAnswers = {std::nullopt};
    ui.messages.clear();
    const Week before = planner.image().week;
    program.execute(Command::PasteDayInto);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(planner.image().week, before);
}
