// The weight plan: the rows a worked example writes, the checks and the page
// each start leaves shown, and what the plan does to the grid and the flag.

#include "weightfixture.h"

using namespace tolvane;
using namespace tolvane::test;
using F = Calculators::Field;

namespace {

class WeightPlanTest : public WeightTest {
protected:
    void SetUp() override
    {
        WeightTest::SetUp();
        log.today = [] { return QDate(1999, 3, 1); };
    }
    void example(const char* goal = "140")
    {
        type(F::CurrentWeight, "150");
        type(F::Age, "40");
        type(F::Height, "65");
        type(F::PlanCalories, "1500");
        type(F::GoalWeight, goal);
        ui.messages.clear();
    }
    Message replaceQuestion(int lost, bool unsaved) const
    {
        return Message::typed(planmsg::replaceQuestion(lost, unsaved), Icon::Warning, Button::Ok | Button::Cancel,
                              WeightHelpContext);
    }
    void expectRefused(const QString& text)
    {
        EXPECT_EQ(ui.messages, (std::vector<Message>{info(text)}));
        EXPECT_EQ(program.currentPage(), CalculatorsPageIndex);
    }
};

TEST_F(WeightPlanTest, WorkedExampleWritesTodayAndTwelveWeeks)
{
    fill(std::vector<std::array<QString, 3>>(39, {QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("2")}));
    example();
    ui.answers = {Button::Ok};
    program.execute(Command::CreatePlan);
    EXPECT_EQ(ui.messages, std::vector<Message>{replaceQuestion(39, false)});
    ui.messages.clear();
    ASSERT_EQ(log.rowCount(), 14);
    EXPECT_EQ(row(1), (QStringList{QStringLiteral("3/1/99"), QStringLiteral("150.0"), QStringLiteral("150.0")}));
    EXPECT_EQ(row(2), (QStringList{QStringLiteral("3/8/99"), QStringLiteral("149.1"), QString()}));
    EXPECT_EQ(row(3), (QStringList{QStringLiteral("3/15/99"), QStringLiteral("148.2"), QString()}));
    EXPECT_EQ(row(13), (QStringList{QStringLiteral("5/24/99"), QStringLiteral("139.6"), QString()}));
    EXPECT_EQ(graphRepaints, 1);
    EXPECT_EQ(program.currentPage(), WeightPageIndex);
    // The plan saves as a log like any typed one.
    ui.saveAnswers.push_back(path(QStringLiteral("plan.wgt")));
    program.execute(Command::SaveWeightFile);
    EXPECT_EQ(readAll(path(QStringLiteral("plan.wgt"))).size(), 13 * WeightRecordSize);
    EXPECT_EQ(ui.messages, std::vector<Message>{createQuestion(QStringLiteral("plan.wgt"))});
}

TEST_F(WeightPlanTest, WeeksInTheNextCenturyShowTheYearInFull)
{
    log.today = [] { return QDate(2099, 12, 4); };
    example();
    ASSERT_TRUE(weight.createPlan());
    EXPECT_EQ(log.cell(DateColumn, 1), QStringLiteral("12/4/99"));
    EXPECT_EQ(log.cell(DateColumn, 5), QStringLiteral("1/1/2100"));
}

TEST_F(WeightPlanTest, GoalEqualToWeightRewritesOnlyRowOne)
{
    fill({{QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("2")},
          {QStringLiteral("b"), QStringLiteral("3"), QStringLiteral("4")}});
    example("150");
    ui.answers = {Button::Ok};
    EXPECT_TRUE(weight.createPlan());
    EXPECT_EQ(ui.messages, std::vector<Message>{replaceQuestion(1, false)});  // only row 1's weight goes
    EXPECT_EQ(log.rowCount(), 3);
    EXPECT_EQ(row(1), (QStringList{QStringLiteral("3/1/99"), QStringLiteral("150.0"), QStringLiteral("150.0")}));
    EXPECT_EQ(row(2), (QStringList{QStringLiteral("b"), QStringLiteral("3"), QStringLiteral("4")}));
}

TEST_F(WeightPlanTest, ChecksRefuseInOrderAndLeaveTheGridAlone)
{
    fill({{QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("2")}});
    EXPECT_FALSE(weight.createPlan());
    expectRefused(calcmsg::NeedBmr);

    type(F::CurrentWeight, "150");
    type(F::Age, "40");
    type(F::Height, "65");
    ui.messages.clear();
    program.pageControlChange(WeightPageIndex);
    EXPECT_FALSE(weight.createPlan());
    expectRefused(planmsg::InvalidData);

    example("140");
    type(F::PlanCalories, "2000");
    ui.messages.clear();
    program.pageControlChange(WeightPageIndex);
    EXPECT_FALSE(weight.createPlan());
    expectRefused(calcmsg::PlanAboveRequirement);

    type(F::PlanCalories, "1500");
    type(F::GoalWeight, "160");
    ui.messages.clear();
    program.pageControlChange(WeightPageIndex);
    EXPECT_FALSE(weight.createPlan());
    expectRefused(calcmsg::GoalAboveWeight);

    EXPECT_EQ(log.rowCount(), 2);
    EXPECT_EQ(row(1), (QStringList{QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(graphRepaints, 0);
    EXPECT_FALSE(program.weightChanged());
}

TEST_F(WeightPlanTest, GoalOutOfReachKeepsTheGrid)
{
    fill({{QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("2")},
          {QStringLiteral("b"), QStringLiteral("3"), QStringLiteral("4")}});
    example("10");
    program.pageControlChange(WeightPageIndex);
    EXPECT_FALSE(weight.createPlan());
    expectRefused(calcmsg::NotInTwoYears);
    EXPECT_EQ(log.rowCount(), 3);
    EXPECT_EQ(row(2), (QStringList{QStringLiteral("b"), QStringLiteral("3"), QStringLiteral("4")}));
    EXPECT_FALSE(program.weightChanged());
}

TEST_F(WeightPlanTest, CalculatorsPageShowsTheWeightPageOnlyAfterAPlan)
{
    program.pageControlChange(CalculatorsPageIndex);
    example("160");
    weight.createPlanFromCalculators();
    EXPECT_EQ(program.currentPage(), CalculatorsPageIndex);
    EXPECT_TRUE(program.weightChanged());  // set in every case from this page

    program.setWeightChanged(false);
    type(F::GoalWeight, "140");
    weight.createPlanFromCalculators();
    EXPECT_EQ(program.currentPage(), WeightPageIndex);
    EXPECT_TRUE(program.isMenuEnabled(TopMenu::Weight));
    EXPECT_TRUE(program.weightChanged());
    EXPECT_EQ(log.rowCount(), 14);
    // Neither start changes the file name.
    EXPECT_TRUE(log.fileName().isEmpty());
}

TEST_F(WeightPlanTest, AsksBeforeLoggedWeightsOrUnsavedChangesGoAndCancelKeepsTheGrid)
{
    // Row 1 already is what the plan writes; rows 2 and 4 hold no weight.
    fill({{QStringLiteral("3/1/99"), QStringLiteral("150.0"), QStringLiteral("150.0")},
          {QStringLiteral("3/8/99"), QStringLiteral("149"), QString()},
          {QStringLiteral("3/15/99"), QStringLiteral("148"), QStringLiteral(" 148.5")},
          {QStringLiteral("3/22/99"), QStringLiteral("147"), QStringLiteral("  ")}});
    example();
    EXPECT_EQ(planmsg::replaceQuestion(1, false),
              QStringLiteral("The plan replaces the rows of the weight grid: 1 logged weight will be lost. "
                             "Create the plan?"));
    ui.answers = {Button::Cancel};
    EXPECT_FALSE(weight.createPlan());
    EXPECT_EQ(ui.messages, std::vector<Message>{replaceQuestion(1, false)});
    EXPECT_EQ(log.rowCount(), 5);
    EXPECT_EQ(row(3), (QStringList{QStringLiteral("3/15/99"), QStringLiteral("148"), QStringLiteral(" 148.5")}));
    EXPECT_EQ(graphRepaints, 0);
    EXPECT_FALSE(program.weightChanged());

    // A weight typed in: two would go, and the grid is unsaved.
    log.editCell(ActualColumn, 2, QStringLiteral("149"));
    ui.messages.clear();
    ui.answers = {Button::Ok};
    EXPECT_TRUE(weight.createPlan());
    EXPECT_EQ(planmsg::replaceQuestion(2, true),
              QStringLiteral("The plan replaces the rows of the weight grid: 2 logged weights will be lost. The grid "
                             "holds changes that are not saved. Create the plan?"));
    EXPECT_EQ(ui.messages, std::vector<Message>{replaceQuestion(2, true)});
    EXPECT_EQ(log.rowCount(), 14);

    // Saved, the same plan again takes nothing: no question.
    ui.saveAnswers.push_back(path(QStringLiteral("plan.wgt")));
    program.execute(Command::SaveWeightFile);
    ui.messages.clear();
    EXPECT_TRUE(weight.createPlan());
    EXPECT_TRUE(ui.messages.empty());

    // Only a change not saved (that plan, a plan weight typed): asked, and Cancel keeps it.
    log.editCell(PlanColumn, 13, QStringLiteral("1"));
    ui.messages.clear();
    ui.answers = {Button::Cancel};
    EXPECT_FALSE(weight.createPlan());
    EXPECT_EQ(planmsg::replaceQuestion(0, true),
              QStringLiteral("The plan replaces the rows of the weight grid. The grid holds changes that are not "
                             "saved. Create the plan?"));
    EXPECT_EQ(ui.messages, std::vector<Message>{replaceQuestion(0, true)});
    EXPECT_EQ(log.cell(PlanColumn, 13), QStringLiteral("1"));
}

TEST_F(WeightPlanTest, PlanFromTheWeightPageIsUnsavedData)
{
    example();
    program.execute(Command::CreatePlan);
    EXPECT_TRUE(program.weightChanged());
}

} // namespace
