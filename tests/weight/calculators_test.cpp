// The calculators: the worked examples, the order of the checks and their
// messages, what an invalid input clears, and the shared diet simulation.

#include "weightfixture.h"

#include "storage/numbertext.h"
#include "storage/real6.h"

using namespace tolvane;
using namespace tolvane::test;
using F = Calculators::Field;

namespace {

class CalculatorsTest : public WeightTest {
protected:
    void femaleExample()
    {
        type(F::CurrentWeight, "150");
        type(F::Age, "40");
        type(F::Height, "65");
    }
    QStringList results() const
    {
        return {calc.text(F::CalorieReq), calc.text(F::BmiNow), calc.text(F::WeeksToGoal), calc.text(F::BmiGoal)};
    }
};

TEST_F(CalculatorsTest, FemaleExampleGivesRequirementBmiAndWeeks)
{
    EXPECT_EQ(calc.gender(), Gender::Female);
    EXPECT_EQ(calc.activityLevel(), ActivityLevel::Moderate);
    femaleExample();
    EXPECT_EQ(calc.text(F::CalorieReq), QStringLiteral("1963"));
    EXPECT_EQ(calc.text(F::BmiNow), QStringLiteral("25.0"));
    ui.messages.clear();
    type(F::PlanCalories, "1500");
    type(F::GoalWeight, "14");  // typing 140 digit by digit: 14 is far out of reach
    type(F::GoalWeight, "140");
    EXPECT_EQ(calc.text(F::WeeksToGoal), QStringLiteral("12"));
    EXPECT_EQ(calc.text(F::BmiGoal), QStringLiteral("23.3"));
    // Without a goal typed yet the plan calories recompute silently; "14" ran out of two years.
    EXPECT_EQ(ui.messages, (std::vector<Message>{info(calcmsg::NotInTwoYears)}));
}

TEST_F(CalculatorsTest, MaleExampleAndRadioClicksRecomputeEverything)
{
    calc.setGender(Gender::Male);
    type(F::CurrentWeight, "200");
    type(F::Height, "70");
    type(F::Age, "45");
    type(F::GoalWeight, "180");
    type(F::PlanCalories, "2000");
    EXPECT_EQ(results(), (QStringList{QStringLiteral("2650"), QStringLiteral("28.8"), QStringLiteral("18"),
                                      QStringLiteral("25.9")}));
    calc.setActivityLevel(ActivityLevel::Heavy);  // 1893 x 1.6 = 3028.8
    EXPECT_EQ(calc.text(F::CalorieReq), QStringLiteral("3029"));
    EXPECT_NE(calc.text(F::WeeksToGoal), QStringLiteral("18"));
    calc.setActivityLevel(ActivityLevel::Low);  // 1893 x 1.3 = 2460.9
    EXPECT_EQ(calc.text(F::CalorieReq), QStringLiteral("2461"));
}

TEST_F(CalculatorsTest, RequirementHalvesGoToTheEvenNeighbour)
{
    // Female, W 0, H 0: BMR 655 - 4.7 A.
    type(F::CurrentWeight, "0");
    type(F::Height, "0");
    type(F::Age, "125");  // BMR 67.5, x 1.4 = 94.5
    EXPECT_EQ(calc.text(F::CalorieReq), QStringLiteral("94"));
    type(F::Age, "75");  // BMR 302.5, x 1.4 = 423.5
    EXPECT_EQ(calc.text(F::CalorieReq), QStringLiteral("424"));
    EXPECT_EQ(calc.text(F::BmiNow), QString());  // height 0
}

TEST_F(CalculatorsTest, InvalidBmrInputClearsOnlyRequirementAndBmiNow)
{
    femaleExample();
    type(F::PlanCalories, "1500");
    type(F::GoalWeight, "140");
    ui.messages.clear();
    type(F::Age, "4O");  // letter O
    EXPECT_EQ(results(), (QStringList{QString(), QString(), QStringLiteral("12"), QStringLiteral("23.3")}));
    EXPECT_TRUE(ui.messages.empty());
    type(F::Age, " 40 ");  // blanks around are allowed
    EXPECT_EQ(calc.text(F::CalorieReq), QStringLiteral("1963"));
    type(F::Height, "65,0");  // not the decimal separator here
    EXPECT_EQ(calc.text(F::CalorieReq), QString());
    // A goal change without a requirement asks for the BMR first and clears the goal results.
    type(F::GoalWeight, "141");
    EXPECT_EQ(ui.messages, (std::vector<Message>{info(calcmsg::NeedBmr)}));
    EXPECT_EQ(results(), (QStringList{QString(), QString(), QString(), QString()}));
}

TEST_F(CalculatorsTest, GoalChecksInOrderWithTheirMessages)
{
    femaleExample();
    ui.messages.clear();
    type(F::GoalWeight, "140");  // plan calories still empty: cleared without a message
    EXPECT_TRUE(ui.messages.empty());
    type(F::PlanCalories, "1964");  // one above the shown requirement
    EXPECT_EQ(ui.messages.back(), info(calcmsg::PlanAboveRequirement));
    EXPECT_EQ(calc.text(F::WeeksToGoal), QString());
    type(F::PlanCalories, "1500");
    type(F::GoalWeight, "151");
    EXPECT_EQ(ui.messages.back(), info(calcmsg::GoalAboveWeight));
    EXPECT_EQ(calc.text(F::BmiGoal), QString());
    ui.messages.clear();
    type(F::GoalWeight, "150");  // equal to the current weight
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(calc.text(F::WeeksToGoal), QStringLiteral("0"));
    EXPECT_EQ(calc.text(F::BmiGoal), calc.text(F::BmiNow));
    // Plan calories equal to the shown requirement pass, and the deficit is then too small.
    type(F::GoalWeight, "149");
    type(F::PlanCalories, "1963");
    EXPECT_EQ(ui.messages.back(), info(calcmsg::NotInTwoYears));
    EXPECT_EQ(calc.text(F::WeeksToGoal), QString());
}

TEST_F(CalculatorsTest, FieldsReadStrictlyAndHoldStoredReals)
{
    type(F::CurrentWeight, "1e39");  // beyond a stored real
    EXPECT_FALSE(calc.number(F::CurrentWeight));
    type(F::CurrentWeight, "");
    EXPECT_FALSE(calc.number(F::CurrentWeight));
    type(F::CurrentWeight, "150.1");
    EXPECT_EQ(*calc.number(F::CurrentWeight), roundToReal6(150.1L));
    EXPECT_NE(*calc.number(F::CurrentWeight), 150.1L);
    Calculators german(ui, QLocale(QLocale::German, QLocale::Germany));
    german.setText(F::Height, QStringLiteral("65,5"));
    EXPECT_EQ(*german.number(F::Height), 65.5L);
    german.setText(F::Height, QStringLiteral("65.5"));
    EXPECT_FALSE(german.number(F::Height));
}

TEST_F(CalculatorsTest, ArithmeticLimits)
{
    // Height 0: the BMI fields stay empty, the weeks are still counted.
    type(F::CurrentWeight, "150");
    type(F::Age, "40");
    type(F::Height, "0");
    type(F::PlanCalories, "1000");
    type(F::GoalWeight, "140");
    EXPECT_EQ(results(), (QStringList{QStringLiteral("1569"), QString(), QStringLiteral("10"), QString()}));
    // A requirement beyond 32 bits counts as none.
    type(F::Age, "0");
    type(F::CurrentWeight, "1e9");
    EXPECT_EQ(calc.text(F::CalorieReq), QString());
    EXPECT_EQ(calc.text(F::BmiNow), QString());
}

TEST(DietSimulation, LimitIsOneHundredAndFourWeeks)
{
    // The deficit shrinks towards zero near 109 pounds, so far goals run out
    // of time. Narrow down the goal where the count runs out: just above it
    // the count is 104, just below it the two years are up.
    DietInputs in{3664, 300, 0, 2000, 70, 30, Gender::Male, ActivityLevel::Moderate};
    long double reachable = 299;
    long double unreachable = 0;
    ASSERT_EQ(simulateDiet(in).problem, DietProblem::NotInTwoYears);
    for (int i = 0; i < 60; ++i) {
        in.goal = (reachable + unreachable) / 2;
        (simulateDiet(in).problem == DietProblem::None ? reachable : unreachable) = in.goal;
    }
    in.goal = reachable;
    const DietPlan last = simulateDiet(in);
    ASSERT_EQ(last.problem, DietProblem::None);
    EXPECT_EQ(last.weeks.size(), 104u);
    in.goal = unreachable;
    const DietPlan over = simulateDiet(in);
    EXPECT_EQ(over.problem, DietProblem::NotInTwoYears);
    EXPECT_TRUE(over.weeks.empty());
}

TEST(DietSimulation, ValuesBeyondStoredRealsAreRefused)
{
    const DietInputs in{3000, 1e36L, 0, 2000, 70, 30, Gender::Male, ActivityLevel::Moderate};
    EXPECT_EQ(simulateDiet(in).problem, DietProblem::OutOfRange);
}

} // namespace
