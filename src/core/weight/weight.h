#pragma once
// The Weight and Calculators pages: the weight log with its "&Weight" menu,
// the calculators, and the weight plan that turns the calculators' goal into
// a week-by-week plan in the log.

#include "weight/calculators.h"
#include "weight/weightgraph.h"
#include "weight/weightlog.h"

namespace tolvane {

class Program;

namespace planmsg {
inline const QString InvalidData =
    QStringLiteral("You must have entered valid data in the calculator to use this function.");
// The plan would replace logged actual weights or changes not yet saved.
QString replaceQuestion(int loggedWeights, bool unsaved);
} // namespace planmsg

class Weight {
public:
    // Registers the "&Weight" commands, the start-up reset and the close save.
    explicit Weight(Program& program, const QLocale& locale = QLocale::system());
    Weight(const Weight&) = delete;
    Weight& operator=(const Weight&) = delete;

    WeightLog& log() { return log_; }
    const WeightLog& log() const { return log_; }
    Calculators& calculators() { return calculators_; }
    const Calculators& calculators() const { return calculators_; }
    WeightGraph& graph() { return graph_; }

    // "&Create Plan" of the Weight page and menu; true when a plan was made.
    bool createPlan();
    // "&Create Plan" of the Calculators page: shows the Weight page when a
    // plan was made.
    void createPlanFromCalculators();

    // "&Units...": asks for US or metric units and applies them at once.
    void chooseUnits();
    // The calculators, the grid's headings and the graph in these units.
    void applyUnits(Units units);

private:
    void inform(const QString& text);
    // Actual weights that a plan of `weeks` weeks would take from the grid.
    int weightsLostToPlan(int weeks, const QString& firstDate, const QString& firstActual) const;
    // The last run's calculator inputs and units, and keeping them for the next.
    void restoreChoices();
    void keepChoices();

    Program& program_;
    WeightLog log_;
    Calculators calculators_;
    WeightGraph graph_;
};

} // namespace tolvane
