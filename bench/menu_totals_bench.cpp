// The menu totals over a full week (28 meals x 10 entries): the sums of the
// meal, the day and the week with every addition stored as a 6-byte real, the
// shown view and the percentages, as each change of the week recomputes them.
// Against the same 280 x 6 products summed in long double without storing.
//   menu_totals_bench [rounds]

#include "menu_bench_support.h"

#include "menu/panels.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    const tolvane::Week week = menubench::fullWeek();

    std::vector<double> totals;
    std::vector<double> plain;
    volatile long double sink = 0;
    for (int r = 0; r < rounds; ++r) {
        const int day = r % tolvane::DaysPerWeek;
        const int meal = r % tolvane::MealsPerDay;
        double t = menubench::nowMs();
        const tolvane::MenuSums sums = tolvane::sumMenu(week, day, meal);
        const tolvane::PanelTexts panel = tolvane::menuPanel(tolvane::shownSums(sums, r % 4), tolvane::RecommendedFatPercent);
        const QString calories = tolvane::menuCaloriesText(sums);
        totals.push_back(menubench::nowMs() - t);
        sink = sink + sums.week[0] + panel.shares.fat + calories.size();

        t = menubench::nowMs();
        tolvane::Nutrients raw{};
        for (const tolvane::Meal& m : week)
            for (int e = 0; e < m.count(); ++e) {
                const tolvane::Nutrients values = m.item(e).nutrients();
                for (std::size_t n = 0; n < raw.size(); ++n)
                    raw[n] += m.servings(e) * values[n];
            }
        plain.push_back(menubench::nowMs() - t);
        sink = sink + raw[0];
    }
    const double a = menubench::median(totals);
    const double b = menubench::median(plain);
    std::printf("menu totals over a full week, median of %d: %.1f us (sums, view, panel texts, day calories); "
                "plain long double sums %.1f us; ratio %.2f\n",
                rounds, a * 1000, b * 1000, b > 0 ? a / b : 0.0);
    return sink == -1 ? 1 : 0;
}
