#include "weight/calculators.h"

#include "shell/userinterface.h"
#include "storage/numbertext.h"
#include "storage/real6.h"

#include <cmath>
#include <limits>

namespace tolvane {

QString bmiText(long double bmi, const QLocale& locale)
{
    if (!std::isfinite(bmi))
        return {};
    return formatFixed(bmi, 4, 1, locale);
}

Calculators::Calculators(UserInterface& ui, QLocale locale) : ui_(ui), locale_(std::move(locale)) {}

void Calculators::setText(Field field, const QString& text)
{
    if (field >= CalorieReq || text == this->text(field))
        return;
    set(field, text);
    switch (field) {
    case CurrentWeight:
    case Age:
    case Height: computeBMR(); break;
    default: computeweekstogoal(); break;
    }
}

void Calculators::setGender(Gender gender)
{
    gender_ = gender;
    computeBMR();
}

void Calculators::setActivityLevel(ActivityLevel level)
{
    activity_ = level;
    computeBMR();
}

Calculators::Inputs Calculators::inputs() const
{
    Inputs in;
    for (int field = 0; field < CalorieReq; ++field)
        in.texts.at(static_cast<std::size_t>(field)) = text(static_cast<Field>(field));
    in.gender = gender_;
    in.activity = activity_;
    in.units = units_;
    return in;
}

void Calculators::restore(const Inputs& inputs)
{
    for (int field = 0; field < CalorieReq; ++field)
        set(static_cast<Field>(field), inputs.texts.at(static_cast<std::size_t>(field)));
    gender_ = inputs.gender;
    activity_ = inputs.activity;
    units_ = inputs.units;
    quiet_ = true;
    computeBMR();
    quiet_ = false;
}

std::optional<long double> Calculators::number(Field field) const
{
    const std::optional<long double> value = parseStrict(text(field), locale_);
    if (!value)
        return std::nullopt;
    const std::optional<Real6> stored = longDoubleToReal6(*value);
    if (!stored)
        return std::nullopt;
    return real6ToLongDouble(*stored);
}

std::optional<long double> Calculators::pounds(Field field) const
{
    const auto value = number(field);
    return value ? std::optional<long double>(toPounds(*value, units_)) : std::nullopt;
}

std::optional<long double> Calculators::inches() const
{
    const auto value = number(Height);
    return value ? std::optional<long double>(toInches(*value, units_)) : std::nullopt;
}

void Calculators::setUnits(Units units)
{
    if (units == units_)
        return;
    // Three decimals bring a value typed with two back unchanged when the
    // units are changed back; trailing zeros go, so 65 inches stay "65".
    const auto converted = [this](long double value) {
        QString text = formatFixed(value, 0, 3, locale_);
        const QString point = locale_.decimalPoint();
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
        return text;
    };
    for (const Field field : {CurrentWeight, GoalWeight}) {
        if (const auto value = pounds(field))
            set(field, converted(fromPounds(*value, units)));
    }
    if (const auto value = inches())
        set(Height, converted(fromInches(*value, units)));
    units_ = units;
    quiet_ = true;
    computeBMR();
    quiet_ = false;
}

void Calculators::computeBMR()
{
    const auto weight = pounds(CurrentWeight);
    const auto height = inches();
    const auto age = number(Age);
    const long double requirement =
        weight && height && age ? calorieRequirement(gender_, activity_, *weight, *height, *age) : 0.0L;
    // A requirement that is no whole number of a 32-bit range cannot be shown;
    // it counts as no requirement, like an input that is no number.
    constexpr long double Limit = static_cast<long double>(std::numeric_limits<std::int32_t>::max());
    if (!weight || !height || !age || !std::isfinite(requirement) || std::fabs(requirement) > Limit) {
        set(CalorieReq, {});
        set(BmiNow, {});
        return;
    }
    set(CalorieReq, QString::number(roundHalfEven(requirement)));
    set(BmiNow, bmiText(bodyMassIndex(*weight, *height), locale_));
    computeweekstogoal();
}

Calculators::Reading Calculators::readDietInputs() const
{
    Reading reading;
    const auto requirement = number(CalorieReq);
    if (!requirement)
        return reading;
    reading.requirementValid = true;
    const auto weight = pounds(CurrentWeight);
    const auto goal = pounds(GoalWeight);
    const auto plan = number(PlanCalories);
    const auto height = inches();
    const auto age = number(Age);
    if (!weight || !goal || !plan || !height || !age)
        return reading;
    reading.inputs = DietInputs{*requirement, *weight, *goal, *plan, *height, *age, gender_, activity_};
    return reading;
}

void Calculators::computeweekstogoal()
{
    const Reading reading = readDietInputs();
    if (!reading.requirementValid) {
        inform(calcmsg::NeedBmr);
        clearGoalResults();
        return;
    }
    if (!reading.inputs) {
        clearGoalResults();
        return;
    }
    const DietPlan plan = simulateDiet(*reading.inputs);
    switch (plan.problem) {
    case DietProblem::None:
        set(WeeksToGoal, QString::number(plan.weeks.size()));
        set(BmiGoal, bmiText(bodyMassIndex(reading.inputs->goal, reading.inputs->height), locale_));
        return;
    case DietProblem::PlanAboveRequirement: inform(calcmsg::PlanAboveRequirement); break;
    case DietProblem::GoalAboveWeight: inform(calcmsg::GoalAboveWeight); break;
    case DietProblem::NotInTwoYears: inform(calcmsg::NotInTwoYears); break;
    case DietProblem::OutOfRange: break;
    }
    clearGoalResults();
}

void Calculators::clearGoalResults()
{
    set(WeeksToGoal, {});
    set(BmiGoal, {});
}

void Calculators::inform(const QString& text)
{
    if (quiet_)
        return;
    ui_.showMessage(Message::typed(text, Icon::Information, only(Button::Ok), GeneralHelpContext));
}

} // namespace tolvane
