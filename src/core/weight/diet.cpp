#include "weight/diet.h"

#include "storage/real6.h"

#include <cmath>

namespace tolvane {

namespace {
// A value as a stored real holds it; empty when it does not fit.
std::optional<long double> held(long double value)
{
    const std::optional<Real6> stored = longDoubleToReal6(value);
    if (!stored)
        return std::nullopt;
    return real6ToLongDouble(*stored);
}

const long double PoundsToKilograms = roundToReal6(1.0L / 2.2L);
const long double PerCaloriesPerPound = roundToReal6(1.0L / CaloriesPerPound);
} // namespace

long double activityFactor(ActivityLevel level)
{
    switch (level) {
    case ActivityLevel::Low: return 1.3L;
    case ActivityLevel::Moderate: return 1.4L;
    case ActivityLevel::Heavy: return 1.6L;
    }
    return 1.4L;
}

long double basalMetabolicRate(Gender gender, long double weight, long double height, long double age)
{
    if (gender == Gender::Male)
        return roundToReal6(66.0L + 6.22L * weight + 12.7L * height - 6.8L * age);
    return roundToReal6(655.0L + 4.36L * weight + 4.32L * height - 4.7L * age);
}

long double calorieRequirement(Gender gender, ActivityLevel level, long double weight, long double height,
                               long double age)
{
    return roundToReal6(basalMetabolicRate(gender, weight, height, age) * activityFactor(level));
}

long double bodyMassIndex(long double weight, long double height)
{
    const long double metres = height * 2.54L * 0.01L;
    return roundToReal6(weight * PoundsToKilograms / (metres * metres));
}

DietPlan simulateDiet(const DietInputs& in)
{
    DietPlan plan;
    if (in.requirement - in.planCalories < 0) {
        plan.problem = DietProblem::PlanAboveRequirement;
        return plan;
    }
    std::optional<long double> toLose = held((in.weight - in.goal) * CaloriesPerPound);
    if (!toLose) {
        plan.problem = DietProblem::OutOfRange;
        return plan;
    }
    if (*toLose < 0) {
        plan.problem = DietProblem::GoalAboveWeight;
        return plan;
    }
    long double remaining = *toLose;
    long double weight = in.weight;
    while (remaining > 0 && static_cast<int>(plan.weeks.size()) < MaxSimulatedWeeks) {
        const long double requirement = calorieRequirement(in.gender, in.activity, weight, in.height, in.age);
        const std::optional<long double> deficit = held((requirement - in.planCalories) * 7.0L);
        const std::optional<long double> left = deficit ? held(remaining - *deficit) : std::nullopt;
        const std::optional<long double> next = deficit ? held(weight - *deficit * PerCaloriesPerPound) : std::nullopt;
        if (!left || !next) {
            plan.problem = DietProblem::OutOfRange;
            plan.weeks.clear();
            return plan;
        }
        remaining = *left;
        weight = *next;
        plan.weeks.push_back(weight);
    }
    if (static_cast<int>(plan.weeks.size()) > MaxSimulatedWeeks - 1) {
        plan.problem = DietProblem::NotInTwoYears;
        plan.weeks.clear();
    }
    return plan;
}

} // namespace tolvane
