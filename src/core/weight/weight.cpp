#include "weight/weight.h"

#include "shell/program.h"
#include "storage/daytext.h"
#include "storage/numbertext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace planmsg {
QString replaceQuestion(int loggedWeights, bool unsaved)
{
    QString text = QStringLiteral("The plan replaces the rows of the weight grid");
    if (loggedWeights > 0)
        text += loggedWeights == 1 ? QStringLiteral(": 1 logged weight will be lost.")
                                   : QStringLiteral(": %1 logged weights will be lost.").arg(loggedWeights);
    else
        text += u'.';
    if (unsaved)
        text += QStringLiteral(" The grid holds changes that are not saved.");
    return text + QStringLiteral(" Create the plan?");
}
} // namespace planmsg

Weight::Weight(Program& program, const QLocale& locale)
    : program_(program), log_(program, locale), calculators_(program.ui(), locale),
      graph_(program, log_)
{
    program.setHandler(Command::CreatePlan, [this] { createPlan(); });
    program.setHandler(Command::NewWeightRow, [this] { log_.newRow(); });
    program.setHandler(Command::LoadWeightFile, [this] { log_.loadFile(); });
    program.setHandler(Command::SaveWeightFile, [this] { log_.saveFile(); });
    program.setHandler(Command::ClearWeightGrid, [this] { log_.clearGrid(); });
    program.setHandler(Command::Units, [this] { chooseUnits(); });
    program.hooks.resetWeightPage = [this] { log_.reset(); };
    program.hooks.saveWeightFile = [this] { return log_.saveAtClose(); };
    program.hooks.restoreChoices = [this] { restoreChoices(); };
    program.hooks.restoreWeightLog = [this] {
        log_.loadLastFile(program_.preferences().lastWeightFile());
        log_.offerRecovery(QDir(program_.workDir()).filePath(WeightRecoveryName));
    };
    program.hooks.keepChoices = [this] { keepChoices(); };
    program.hooks.keepUnsavedWeight = [this] {
        log_.keepRecovery(QDir(program_.workDir()).filePath(WeightRecoveryName));
    };
    program.hooks.dropUnsavedWeight = [this] { QFile::remove(QDir(program_.workDir()).filePath(WeightRecoveryName)); };
    program.hooks.userFileRestored = [this](UserFile kind, const QString& path) {
        if (kind == UserFile::Weight && !log_.fileName().isEmpty() &&
            QFileInfo(log_.fileName()).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
            log_.loadLastFile(path);
    };
}

namespace {
const std::array<QString, Calculators::CalorieReq> InputKeys = {
    QStringLiteral("Calculators/CurrentWeight"), QStringLiteral("Calculators/Age"),
    QStringLiteral("Calculators/Height"), QStringLiteral("Calculators/GoalWeight"),
    QStringLiteral("Calculators/PlanCalories")};
const QString GenderKey = QStringLiteral("Calculators/Gender");
const QString ActivityKey = QStringLiteral("Calculators/ActivityLevel");
// The units the kept inputs were typed in; inputs kept before there was a
// choice of units were typed in pounds and inches.
const QString InputUnitsKey = QStringLiteral("Calculators/Units");
// Longer than any number typed sensibly; a longer stored text is not restored.
constexpr int MaxInputLength = 40;
} // namespace

void Weight::restoreChoices()
{
    Preferences& preferences = program_.preferences();
    Calculators::Inputs in;
    for (std::size_t field = 0; field < InputKeys.size(); ++field)
        in.texts.at(field) = preferences.text(InputKeys.at(field), MaxInputLength);
    in.gender = static_cast<Gender>(preferences.number(GenderKey, 0, 0, 1));
    in.activity = static_cast<ActivityLevel>(preferences.number(ActivityKey, 1, 0, 2));
    in.units = static_cast<Units>(preferences.number(InputUnitsKey, 0, 0, 1));
    calculators_.restore(in);
    const int fallback = static_cast<int>(defaultUnits(calculators_.locale()));
    applyUnits(static_cast<Units>(preferences.number(UnitsKey, fallback, 0, 1)));
}

void Weight::keepChoices()
{
    const Calculators::Inputs in = calculators_.inputs();
    std::vector<std::pair<QString, QVariant>> values;
    for (std::size_t field = 0; field < InputKeys.size(); ++field)
        values.emplace_back(InputKeys.at(field), in.texts.at(field).left(MaxInputLength));
    values.emplace_back(GenderKey, static_cast<int>(in.gender));
    values.emplace_back(ActivityKey, static_cast<int>(in.activity));
    values.emplace_back(InputUnitsKey, static_cast<int>(in.units));
    program_.preferences().write(values);
}

bool Weight::createPlan()
{
    const QDate today = log_.today();
    const Calculators::Reading reading = calculators_.readDietInputs();
    const auto refuse = [this](const QString& text) {
        inform(text);
        program_.pageControlChange(CalculatorsPageIndex);
        return false;
    };
    if (!reading.requirementValid)
        return refuse(calcmsg::NeedBmr);
    if (!reading.inputs)
        return refuse(planmsg::InvalidData);

    // The whole plan is worked out before the grid is touched, so a goal out
    // of reach leaves the log as it was.
    const DietInputs& in = *reading.inputs;
    const DietPlan plan = simulateDiet(in);
    switch (plan.problem) {
    case DietProblem::None: break;
    case DietProblem::PlanAboveRequirement: return refuse(calcmsg::PlanAboveRequirement);
    case DietProblem::GoalAboveWeight: return refuse(calcmsg::GoalAboveWeight);
    case DietProblem::NotInTwoYears: return refuse(calcmsg::NotInTwoYears);
    case DietProblem::OutOfRange: return refuse(planmsg::InvalidData);
    }

    const int weeks = static_cast<int>(plan.weeks.size());
    const QString firstDate = log_.dateText(today);
    // The plan works in pounds; the grid gets the user's units.
    const Units units = calculators_.units();
    const QString firstWeight = formatFixed(fromPounds(in.weight, units), 5, 1, log_.locale());
    // Weights the user logged are not replaced without a word.
    const int lost = weightsLostToPlan(weeks, firstDate, firstWeight);
    if (lost > 0 || log_.unsaved()) {
        const Button answer = program_.ui().showMessage(Message::typed(
            planmsg::replaceQuestion(lost, log_.unsaved()), Icon::Warning, Button::Ok | Button::Cancel,
            WeightHelpContext));
        if (answer != Button::Ok)
            return false;
    }

    // The plan's rows replace the grid's (moved aside for undo, not copied);
    // a plan of no weeks sets the first row only.
    WeightLog::Rows before = weeks > 0 ? log_.replaceRows(weeks + 2) : log_.rowsNow();
    log_.setCell(DateColumn, 1, firstDate);
    log_.setCell(PlanColumn, 1, firstWeight);
    log_.setCell(ActualColumn, 1, firstWeight);
    for (int week = 1; week <= weeks; ++week) {
        log_.setCell(DateColumn, week + 1, log_.dateText(today.addDays(7 * week)));
        const long double planned = fromPounds(plan.weeks[static_cast<std::size_t>(week - 1)], units);
        log_.setCell(PlanColumn, week + 1, formatFixed(planned, 5, 1, log_.locale()));
        log_.setCell(ActualColumn, week + 1, QString());
    }
    // A new plan is unsaved data, whichever page it was made from.
    log_.markChanged();
    if (log_.repaintGraph)
        log_.repaintGraph();
    log_.recordWholeGrid(weightchange::CreatePlan, std::move(before));
    return true;
}

void Weight::chooseUnits()
{
    const Units current = calculators_.units();
    const std::optional<int> chosen = program_.ui().chooseItem(
        {unitsmsg::Title, unitsmsg::Label, {unitsmsg::Us, unitsmsg::Metric}, static_cast<int>(current),
         CalculatorsHelpContext});
    if (!chosen || (*chosen != static_cast<int>(Units::Us) && *chosen != static_cast<int>(Units::Metric)))
        return;
    const auto units = static_cast<Units>(*chosen);
    if (units == current)
        return;
    program_.preferences().write({{UnitsKey, *chosen}});
    applyUnits(units);
}

void Weight::applyUnits(Units units)
{
    calculators_.setUnits(units);
    log_.setUnits(units);
}

void Weight::createPlanFromCalculators()
{
    if (createPlan())
        program_.pageControlChange(WeightPageIndex);
    program_.setWeightChanged(true);
}

int Weight::weightsLostToPlan(int weeks, const QString& firstDate, const QString& firstActual) const
{
    // Row 1 becomes today with the current weight; the week rows get no actual
    // weight and the rows below the plan go. Without weeks only row 1 changes.
    const int last = weeks > 0 ? log_.rowCount() - 1 : 1;
    int lost = 0;
    for (int r = 1; r <= last; ++r) {
        const QString actual = log_.cell(ActualColumn, r).trimmed();
        const bool kept = r == 1 && actual == firstActual.trimmed() && log_.cell(DateColumn, r) == firstDate;
        if (!actual.isEmpty() && !kept)
            ++lost;
    }
    return lost;
}

void Weight::inform(const QString& text)
{
    program_.ui().showMessage(Message::typed(text, Icon::Information, only(Button::Ok), GeneralHelpContext));
}

} // namespace tolvane
