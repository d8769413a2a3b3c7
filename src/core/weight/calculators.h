#pragma once
// The Calculators page: the caloric requirement, the weeks a diet needs to
// reach a goal weight and the body mass index. Its whole state is the text of
// its fields and the two radio groups; every change of an input recomputes
// the results that depend on it at once.

#include "weight/diet.h"
#include "weight/units.h"

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace tolvane {

class UserInterface;

namespace calcmsg {
inline const QString NeedBmr = QStringLiteral("You must compute a valid BMR first.");
inline const QString PlanAboveRequirement =
    QStringLiteral("Your plan calories must be less than your calorie requirement");
inline const QString GoalAboveWeight = QStringLiteral("Your goal weight must be less than your current weight.");
inline const QString NotInTwoYears = QStringLiteral(
    "Your calorie deficit is not enough to lose the desired weight in 2 years. The computation is aborted.");
} // namespace calcmsg

class Calculators {
public:
    enum Field {
        CurrentWeight, Age, Height, GoalWeight, PlanCalories,  // typed by the user
        CalorieReq, WeeksToGoal, BmiNow, BmiGoal,              // results
        FieldCount
    };

    explicit Calculators(UserInterface& ui, QLocale locale = QLocale::system());

    const QString& text(Field field) const { return texts_.at(static_cast<std::size_t>(field)); }
    // The user changed an input field's text; results follow at once. Result
    // fields are not typed into and are ignored here.
    void setText(Field field, const QString& text);

    Gender gender() const { return gender_; }
    ActivityLevel activityLevel() const { return activity_; }
    // A click on a radio group item (also on the one already selected).
    void setGender(Gender gender);
    void setActivityLevel(ActivityLevel level);

    // What the user typed and chose, as the next run restores it.
    struct Inputs {
        std::array<QString, CalorieReq> texts;  // CurrentWeight ... PlanCalories
        Gender gender = Gender::Female;
        ActivityLevel activity = ActivityLevel::Moderate;
        Units units = Units::Us;  // the units the texts were typed in
    };
    Inputs inputs() const;
    // Puts back the inputs of an earlier run and computes the results without
    // a message (a goal out of reach shows no result until an input changes).
    void restore(const Inputs& inputs);

    // The units weights and the height are typed in. A change converts the
    // weights and the height already typed, so the results stay the same.
    Units units() const { return units_; }
    void setUnits(Units units);

    // The requirement and BMI Now, then the weeks to goal.
    void computeBMR();
    // Weeks to Goal and BMI at Goal.
    void computeweekstogoal();

    // A field read as a number the way every calculation reads it: the strict
    // reading, held as a stored real; empty when the text is no number.
    std::optional<long double> number(Field field) const;
    // Everything the weeks to goal need, read from the fields: the requirement
    // first (empty `requirement` means no valid BMR yet), then the rest, with
    // weights in pounds and the height in inches.
    struct Reading {
        bool requirementValid = false;
        std::optional<DietInputs> inputs;
    };
    Reading readDietInputs() const;

    const QLocale& locale() const { return locale_; }

private:
    void set(Field field, const QString& text) { texts_.at(static_cast<std::size_t>(field)) = text; }
    void clearGoalResults();
    // A weight field in pounds, the height in inches.
    std::optional<long double> pounds(Field field) const;
    std::optional<long double> inches() const;
    void inform(const QString& text);

    UserInterface& ui_;
    QLocale locale_;
    std::array<QString, FieldCount> texts_;
    Gender gender_ = Gender::Female;
    ActivityLevel activity_ = ActivityLevel::Moderate;
    Units units_ = Units::Us;
    bool quiet_ = false;
};

// "%4.1f" of a body mass index with the locale's decimal separator; empty when
// it cannot be computed (height 0).
QString bmiText(long double bmi, const QLocale& locale);

} // namespace tolvane
