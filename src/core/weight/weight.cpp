#include "weight/weight.h"

#include "shell/program.h"
#include "storage/daytext.h"
#include "storage/numbertext.h"

namespace tolvane {

Weight::Weight(Program& program, const QLocale& locale)
    : program_(program), log_(program, locale), calculators_(program.ui(), locale),
      graph_(program, log_)
{
    program.setHandler(Command::CreatePlan, [this] { createPlan(); });
    program.setHandler(Command::NewWeightRow, [this] { log_.newRow(); });
    program.setHandler(Command::LoadWeightFile, [this] { log_.loadFile(); });
    program.setHandler(Command::SaveWeightFile, [this] { log_.saveFile(); });
    program.setHandler(Command::ClearWeightGrid, [this] { log_.clearGrid(); });
    program.hooks.resetWeightPage = [this] { log_.reset(); };
    program.hooks.saveWeightFile = [this] { return log_.saveAtClose(); };
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

    log_.setCell(DateColumn, 1, log_.dateText(today));
    log_.setCell(PlanColumn, 1, formatFixed(in.weight, 5, 1, log_.locale()));
    log_.setCell(ActualColumn, 1, formatFixed(in.weight, 5, 1, log_.locale()));
    const int weeks = static_cast<int>(plan.weeks.size());
    if (weeks > 0)
        log_.setRowCount(weeks + 2);
    for (int week = 1; week <= weeks; ++week) {
        log_.setCell(DateColumn, week + 1, log_.dateText(today.addDays(7 * week)));
        const long double planned = plan.weeks[static_cast<std::size_t>(week - 1)];
        log_.setCell(PlanColumn, week + 1, formatFixed(planned, 5, 1, log_.locale()));
        log_.setCell(ActualColumn, week + 1, QString());
    }
    // A new plan is unsaved data, whichever page it was made from.
    program_.setWeightChanged(true);
    if (log_.repaintGraph)
        log_.repaintGraph();
    return true;
}

void Weight::createPlanFromCalculators()
{
    if (createPlan())
        program_.pageControlChange(WeightPageIndex);
    program_.setWeightChanged(true);
}

void Weight::inform(const QString& text)
{
    program_.ui().showMessage(Message::typed(text, Icon::Information, only(Button::Ok), GeneralHelpContext));
}

} // namespace tolvane
