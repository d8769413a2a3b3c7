#pragma once
// The formulas behind the calculators and the weight plan: the basal metabolic
// rate, the activity factor, the body mass index and the week-by-week diet
// simulation. Every value a formula keeps is held as a stored real, as the
// fields it is read from are.

#include <optional>
#include <vector>

namespace tolvane {

enum class Gender { Female = 0, Male = 1 };
enum class ActivityLevel { Low = 0, Moderate = 1, Heavy = 2 };

constexpr long double CaloriesPerPound = 3500.0L;
// The simulation stops here: a goal not reached by the end of week 104 is out of reach.
constexpr int MaxSimulatedWeeks = 105;

long double activityFactor(ActivityLevel level);
// Basal metabolic rate; weight in pounds, height in inches, age in years.
long double basalMetabolicRate(Gender gender, long double weight, long double height, long double age);
// The daily caloric requirement, unrounded: BMR times the activity factor.
long double calorieRequirement(Gender gender, ActivityLevel level, long double weight, long double height,
                               long double age);
// Pounds over 2.2 divided by the height in metres squared; not finite for a
// height of 0.
long double bodyMassIndex(long double weight, long double height);

struct DietInputs {
    long double requirement = 0;  // the rounded requirement as the calculator shows it
    long double weight = 0;
    long double goal = 0;
    long double planCalories = 0;
    long double height = 0;
    long double age = 0;
    Gender gender = Gender::Female;
    ActivityLevel activity = ActivityLevel::Moderate;
};

enum class DietProblem { None, PlanAboveRequirement, GoalAboveWeight, NotInTwoYears, OutOfRange };

struct DietPlan {
    DietProblem problem = DietProblem::None;
    // The simulated weight at the end of each week, week 1 first; empty when
    // the goal is the current weight.
    std::vector<long double> weeks;
};

// Loses weight week by week at the plan's calories until the goal is reached:
// each week's deficit is the requirement at the falling weight less the plan's
// calories, times 7.
DietPlan simulateDiet(const DietInputs& in);

} // namespace tolvane
