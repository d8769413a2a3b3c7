// The "Nutrients" window over a full week of linked starter foods (28 meals of
// ten entries): the view computed again after a change (the shown meal, day,
// week or average day in turn), and the same with the window's list filled,
// as each change of the main window refreshes it.
//   nutrient_view_bench [rounds]
// Prints p50 and p99 in microseconds; the target is 5 ms p99.

#include "bench_util.h"

#include "app/app.h"
#include "food/foodtablefile.h"
#include "food/foodtableio.h"
#include "menu/menufile.h"
#include "menu/menustore.h"
#include "menu/nutrientwindow.h"
#include "shell/datafolder.h"
#include "storage/safesave.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::pair<double, double> percentiles(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const auto p99 = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(v.size()))) - 1;
    return {v[v.size() / 2] * 1000, v[p99] * 1000};
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    QTemporaryDir dir;
    const QByteArray table = readAll(tolvane::StarterFolder + QStringLiteral("/fooditem.dbt"));
    const std::vector<tolvane::FoodItem> foods = tolvane::readFoodTableImage(table).records;
    tolvane::MenuImage menu;
    for (int m = 0; m < tolvane::MealsPerWeek; ++m)
        for (int e = 0; e < tolvane::Meal::Capacity; ++e)
            menu.week[static_cast<std::size_t>(m)].append(foods[static_cast<std::size_t>(m * 10 + e) * 4], 1 + e % 3);
    tolvane::saveFileAtomically(QDir(dir.path()).filePath(tolvane::FoodTableFileName), table);
    tolvane::saveFileAtomically(QDir(dir.path()).filePath(tolvane::CurrentMenuFileName), tolvane::writeMenuImage(menu));

    bench::SilentUi ui;
    tolvane::SettingsStore settings(QDir(dir.path()).filePath(QStringLiteral("Tolvane.conf")));
    tolvane::App app(ui, settings, dir.path());
    app.nutrients.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    if (!app.program.formCreate().ok)
        return 1;
    tolvane::NutrientView& view = app.nutrientView;
    double t = bench::nowMs();
    view.refresh();
    const double first = bench::nowMs() - t;
    tolvane::NutrientWindow window(view);
    window.show();

    std::vector<double> core, shown;
    for (int r = 0; r < rounds; ++r) {
        app.menu.totalsTabChange(r % tolvane::TotalsViewCount);
        app.menu.dayPageChange(r % tolvane::DaysPerWeek);
        t = bench::nowMs();
        view.refresh();
        core.push_back(bench::nowMs() - t);
        t = bench::nowMs();
        window.refresh();
        shown.push_back(bench::nowMs() - t);
    }
    const auto [c50, c99] = percentiles(core);
    const auto [s50, s99] = percentiles(shown);
    std::printf("nutrient view over a full week of linked foods, %d rounds: view p50 %.0f us, p99 %.0f us; "
                "with the window's list p50 %.0f us, p99 %.0f us (target 5000 us p99); first refresh with the "
                "reference read %.0f ms\n",
                rounds, c50, c99, s50, s99, first);
    return view.rows().size() == tolvane::CatalogueSize ? 0 : 1;
}
