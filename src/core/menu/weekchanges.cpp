// The week's changes for undo and redo: each keeps the bytes of the 28 meals
// that it changed; taking it back shows the changed meal and saves the current
// menu as the change did.

#include "menu/menuplanner.h"

#include "menu/menustore.h"
#include "shell/program.h"

namespace tolvane {

namespace weekchange {
namespace {
QString mealName(int day, int meal) { return DayNames.value(day) + QLatin1Char(' ') + MealNames.value(meal); }
} // namespace

QString addEntry(const QString& name, int day, int meal)
{
    return QStringLiteral("Add %1 to %2").arg(name, mealName(day, meal));
}

QString removeEntry(const QString& name, int day, int meal)
{
    return QStringLiteral("Remove %1 from %2").arg(name, mealName(day, meal));
}

QString changeServings(const QString& name, int day, int meal)
{
    return QStringLiteral("Change Servings of %1 in %2").arg(name, mealName(day, meal));
}
} // namespace weekchange

namespace {
constexpr int CurrentValuesSize = MenuFileSize - MealsPerWeek * Meal::Size;
}

QByteArray MenuPlanner::weekBytes() const { return writeMenuImage(image()).mid(CurrentValuesSize); }

void MenuPlanner::recordWeekChange(const QString& text, const QByteArray& before)
{
    program_.changes.record(text, before,
                            {[this] { return weekBytes(); }, [this](const QByteArray& bytes) { restoreWeek(bytes); }});
}

void MenuPlanner::restoreWeek(const QByteArray& bytes)
{
    const MenuFileRead read = readMenuImage(writeMenuImage(image()).left(CurrentValuesSize) + bytes);
    if (read.problem != MenuFileProblem::None)
        return;
    int firstChanged = -1;
    for (int m = 0; m < MealsPerWeek && firstChanged < 0; ++m)
        if (week_[static_cast<std::size_t>(m)] != read.image.week[static_cast<std::size_t>(m)])
            firstChanged = m;
    const auto shown = static_cast<std::size_t>(weekIndex(shownDay_, shownMeal_));
    const bool shownChanged = week_[shown] != read.image.week[shown];
    week_ = read.image.week;
    // The user sees what came back: the shown meal when it changed, else the
    // first meal that did.
    if (firstChanged >= 0 && !shownChanged) {
        shownDay_ = firstChanged / MealsPerDay;
        shownMeal_ = currentMeal_ = firstChanged % MealsPerDay;
        program_.setCurrentDay(shownDay_);
        dayShowingLabel_ = DayNames.value(shownDay_);
    }
    mealDisplay(shownDay_, shownMeal_);
}

} // namespace tolvane
