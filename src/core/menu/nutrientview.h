#pragma once
// The "Nutrients" window: every nutrient of the selected food item (times the
// servings typed) or of the shown meal, day, week or average day (the totals
// tab's choice), against the person's reference intakes. The window shows
// this state and follows the selection and the week as the value panels do.

#include "menu/meal.h"
#include "menu/nutrientreport.h"
#include "nutrients/nutrienttotals.h"
#include "nutrients/referenceintakes.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace tolvane {

class FoodList;
class FoodNutrients;
class NutrientView;
class MenuPlanner;
class Program;

// Whose reference intakes apply: the Calculators page's sex and age.
struct IntakePerson {
    IntakeSex sex = IntakeSex::Female;
    std::optional<int> ageYears;
};

// One nutrient as the window lists it.
struct NutrientRow {
    QString name;          // "Iron"
    QString amount;        // "11.2", "unknown", empty without entries
    QString unit;          // "mg"
    QString completeness;  // "from 9 of 11 entries", or empty when all know it
    QString share;         // "80%" of the reference intake, empty without one
    int barPercent = 0;    // the bar: the share, at most 100
    bool aboveUpperLimit = false;
    QString spoken;  // the whole row as a screen reader reads it
};

// The sums of the shown meal, day, week or average day (`view` as the totals tab).
NutrientTotals menuNutrients(const Week& week, int day, int meal, int view, FoodNutrients& nutrients);

class NutrientWindows {
public:
    virtual ~NutrientWindows() = default;
    // Shows the window, not modal, or brings it to the front.
    virtual void showNutrients(NutrientView& view) = 0;
};

// The recipe of the Recipes page: its ingredients with their servings, and
// how many servings it makes (empty when that text is no number above 0).
struct RecipeEntries {
    std::vector<std::pair<FoodItem, long double>> ingredients;
    std::optional<long double> servings;
};

class NutrientView {
public:
    enum Subject { SelectedFoodItem = 0, ShownMenu, RecipeServing };
    inline static const QStringList SubjectNames = {QStringLiteral("&Food item"), QStringLiteral("&Menu"),
                                                    QStringLiteral("&Recipe")};

    // Registers "&Nutrients..." with `program`.
    NutrientView(Program& program, MenuPlanner& menu, FoodList& foods, FoodNutrients& nutrients,
                 NutrientWindows& windows);

    // The Calculators page's sex and age, asked at each refresh.
    std::function<IntakePerson()> person;
    // The Recipes page's recipe, asked at each refresh.
    std::function<RecipeEntries()> recipe;

    Subject subject() const { return subject_; }
    void setSubject(Subject subject);
    IntakeCondition condition() const { return condition_; }
    void setCondition(IntakeCondition condition);

    // Computes everything shown again from the week, the selection and the person.
    void refresh();
    // The week's report for the same person.
    NutrientReport report();
    // "Print &Nutrient Report": asks the title, prints the report on one landscape page.
    void printReport();

    // "Apple, raw: 2 servings", "Monday, Lunch", "Monday", "The week", "The average day",
    // "One of 4 servings of the recipe".
    const QString& heading() const { return heading_; }
    // "Reference intakes: Women 31-50 years (no age on the Calculators page)".
    const QString& intakeNote() const { return intakeNote_; }
    // Empty, or why only the six values are known.
    const QString& status() const { return status_; }
    const std::vector<NutrientRow>& rows() const { return rows_; }
    const NutrientTotals& totals() const { return totals_; }

private:
    void fillRows(long double days, const IntakePerson& who);
    IntakePerson currentPerson() const { return person ? person() : IntakePerson{}; }
    QString intakeNoteFor(const IntakePerson& who) const;

    Program& program_;
    MenuPlanner& menu_;
    FoodList& foods_;
    FoodNutrients& nutrients_;
    Subject subject_ = ShownMenu;
    IntakeCondition condition_ = IntakeCondition::None;
    QString heading_;
    QString intakeNote_;
    QString status_;
    std::vector<NutrientRow> rows_;
    NutrientTotals totals_;
};

} // namespace tolvane
