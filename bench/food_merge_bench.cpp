// Merging a 2000-record food item table whose items are all present already:
// the whole file is read and every name looked up, nothing is asked.
//   food_merge_bench [rounds]   run in a scratch directory

#include "food_bench_support.h"

#include "food/merge.h"
#include "food/foodlist.h"
#include "shell/program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    foodbench::QuietUi ui;
    tolvane::SettingsStore settings(dir.filePath(QStringLiteral("Tolvane.conf")));
    tolvane::Program program(ui, settings, dir.path());
    tolvane::FoodList foods(program, ui);
    tolvane::FoodMerge merge(program, foods);
    foods.foodTable().assign(foodbench::numberedItems(2000));

    const QString other = dir.filePath(QStringLiteral("other.dbt"));
    {
        QFile file(other);
        if (!file.open(QIODevice::WriteOnly) || file.write(foods.foodTable().toBytes()) != 2000 * 101)
            return 1;
    }
    std::vector<double> times;
    std::vector<double> saves;
    for (int r = 0; r < rounds; ++r) {
        double t = foodbench::nowMs();
        merge.mergeFile(other);
        times.push_back(foodbench::nowMs() - t);
        // The save alone, to tell the reading and looking up apart from it.
        t = foodbench::nowMs();
        foods.saveFoodTable(QString());
        saves.push_back(foodbench::nowMs() - t);
    }
    if (ui.messages != 0 || foods.foodTable().count() != 2000)
        return 1;
    const double m = foodbench::median(times);
    const double s = foodbench::median(saves);
    std::printf("merge of 2000 records all present, median of %d: %.3f ms, of which the one save %.3f ms "
                "(reading and looking up %.3f ms)\n",
                rounds, m, s, m - s);
    return 0;
}
