#include "menu/nutrientview.h"

#include "food/foodlist.h"
#include "menu/menuplanner.h"
#include "nutrients/foodnutrients.h"
#include "shell/printout.h"
#include "shell/program.h"
#include "storage/numbertext.h"

namespace tolvane {

NutrientTotals menuNutrients(const Week& week, int day, int meal, int view, FoodNutrients& nutrients)
{
    NutrientTotals totals;
    for (int d = 0; d < DaysPerWeek; ++d)
        for (int m = 0; m < MealsPerDay; ++m) {
            const bool shown = view == WeekTotalsView || view == AverageDayTotalsView ||
                               (d == day && (view == DayTotalsView || m == meal));
            const Meal& entries = week[static_cast<std::size_t>(weekIndex(d, m))];
            for (int e = 0; shown && e < entries.count(); ++e)
                totals.add(nutrients.perServing(entries.item(e)), entries.servings(e));
        }
    return view == AverageDayTotalsView ? totals.dividedBy(DaysPerWeek) : totals;
}

NutrientView::NutrientView(Program& program, MenuPlanner& menu, FoodList& foods, FoodNutrients& nutrients,
                           NutrientWindows& windows)
    : program_(program), menu_(menu), foods_(foods), nutrients_(nutrients)
{
    program_.setHandler(Command::ShowNutrients, [this, &windows] {
        refresh();
        windows.showNutrients(*this);
    });
    program_.setHandler(Command::PrintNutrientReport, [this] { printReport(); });
}

QString NutrientView::intakeNoteFor(const IntakePerson& who) const
{
    QString note = QStringLiteral("Reference intakes: ") +
                   ReferenceIntakes::builtIn().groupLabel(who.sex, who.ageYears, condition_);
    return who.ageYears ? note : note + QStringLiteral(" (no age on the Calculators page)");
}

NutrientReport NutrientView::report()
{
    nutrients_.referenceRead();
    const IntakePerson who = currentPerson();
    std::array<IntakeGoal, CatalogueSize> goals;
    for (int i = 0; i < CatalogueSize; ++i)
        goals[static_cast<std::size_t>(i)] = ReferenceIntakes::builtIn().goal(
            nutrientCatalogue()[static_cast<std::size_t>(i)].key, who.sex, who.ageYears, condition_);
    return makeNutrientReport(menu_.week(), nutrients_, intakeNoteFor(who), goals);
}

void NutrientView::printReport()
{
    std::optional<QString> title = program_.ui().askTitle(nutrientReportTitlePrompt());
    if (!title)
        return;
    *title = title->left(TitleMaxLength);
    const NutrientReport shown = report();
    runPrintout(program_.ui(), program_.preferences(), PageOrientation::Landscape, *title,
                [&](Canvas& canvas, const PageMetrics& page) { drawNutrientReport(canvas, page, shown, *title); });
}

void NutrientView::setSubject(Subject subject)
{
    subject_ = subject;
    refresh();
}

void NutrientView::setCondition(IntakeCondition condition)
{
    condition_ = condition;
    refresh();
}

void NutrientView::refresh()
{
    status_ = nutrients_.referenceRead() ? QString() : nutrientmsg::NoReference;
    totals_ = NutrientTotals{};
    long double days = 1;
    if (subject_ == SelectedFoodItem) {
        const int row = foods_.selectedFoodRow();
        if (row < 0) {
            heading_ = QStringLiteral("No food item is selected");
        } else {
            const FoodItem& item = foods_.foodTable().rowItem(row);
            totals_.add(nutrients_.perServing(item), parseLenient(foods_.servingsText()).value_or(0.0L));
            heading_ = QStringLiteral("%1: %2 servings").arg(item.name(), foods_.servingsText().trimmed());
        }
    } else if (subject_ == RecipeServing) {
        const RecipeEntries entries = recipe ? recipe() : RecipeEntries{};
        for (const auto& [item, servings] : entries.ingredients)
            totals_.add(nutrients_.perServing(item), servings);
        if (entries.servings) {
            totals_ = totals_.dividedBy(*entries.servings);
            heading_ = QStringLiteral("One of %1 servings of the recipe").arg(formatFixed(*entries.servings, 0, 1));
        } else {
            heading_ = QStringLiteral("The whole recipe (its number of servings is not a number above 0)");
        }
    } else {
        const int day = menu_.shownDay();
        const int view = menu_.totalsTab();
        totals_ = menuNutrients(menu_.week(), day, menu_.shownMealIndex(), view, nutrients_);
        const QString dayName = DayNames.value(day);
        switch (view) {
        case MealTotalsView:
            heading_ = dayName + QStringLiteral(", ") + MealNames.value(menu_.shownMealIndex());
            break;
        case DayTotalsView:
            heading_ = dayName;
            break;
        case WeekTotalsView:
            heading_ = QStringLiteral("The week");
            days = DaysPerWeek;
            break;
        default:
            heading_ = QStringLiteral("The average day");
        }
    }
    const IntakePerson who = currentPerson();
    intakeNote_ = intakeNoteFor(who);
    if (days > 1)
        intakeNote_ += QStringLiteral(", times 7 for the week");
    fillRows(days, who);
}

void NutrientView::fillRows(long double days, const IntakePerson& who)
{
    const ReferenceIntakes& intakes = ReferenceIntakes::builtIn();
    rows_.assign(CatalogueSize, NutrientRow{});
    for (int i = 0; i < CatalogueSize; ++i) {
        const CatalogueNutrient& nutrient = nutrientCatalogue()[static_cast<std::size_t>(i)];
        NutrientRow& row = rows_[static_cast<std::size_t>(i)];
        row.name = nutrient.name;
        row.unit = nutrient.unit;
        row.amount = totalAmountText(totals_, i);
        row.completeness = completenessText(totals_, i);
        row.spoken = totalText(totals_, i);
        if (totals_.known[static_cast<std::size_t>(i)] == 0)
            continue;
        const long double amount = totals_.sums[static_cast<std::size_t>(i)];
        const IntakeGoal goal = intakes.goal(nutrient.key, who.sex, who.ageYears, condition_);
        if (goal.amount && *goal.amount > 0) {
            const long double percent = amount / (*goal.amount * days) * 100;
            row.share = formatFixed(percent, 0, 0) + QLatin1Char('%');
            row.barPercent = static_cast<int>(std::min<long double>(100, roundHalfEven(percent)));
            row.spoken += QStringLiteral(", %1 of the %2 %3 %4")
                              .arg(row.share, goal.adequateIntake ? QStringLiteral("AI") : QStringLiteral("RDA"),
                                   amountText(i, *goal.amount * days), nutrient.unit);
        }
        if (goal.upperLimit && !goal.upperLimitSupplementsOnly && amount > *goal.upperLimit * days) {
            row.aboveUpperLimit = true;
            row.spoken += QStringLiteral(", above the upper limit of %1 %2")
                              .arg(amountText(i, *goal.upperLimit * days), nutrient.unit);
        }
    }
}

} // namespace tolvane
