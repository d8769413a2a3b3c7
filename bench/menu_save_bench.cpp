// A drop on the meal list saves "currmenu.db" (30022 bytes) through the
// program's atomic save. Measures the whole drop, the save alone and a raw
// write + fsync of the same bytes.
//   menu_save_bench [rounds]   run in a scratch directory

#include "menu_bench_support.h"

#include "food/foodlist.h"
#include "shell/program.h"
#include "shell/settingsstore.h"
#include "menu/menufile.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    menubench::SilentUi ui;
    tolvane::SettingsStore settings(dir.filePath(QStringLiteral("Tolvane.conf")));
    tolvane::Program program(ui, settings, dir.path());
    tolvane::FoodList foods(program, ui);
    tolvane::MenuPlanner planner(program, foods);
    foods.foodTable().assign({menubench::item(1), menubench::item(2), menubench::item(3)});

    // A full week but for one free place in the shown meal.
    for (int k = 0; k < tolvane::MealsPerWeek; ++k) {
        planner.dayPageChange(k / tolvane::MealsPerDay);
        planner.mealTabChange(k % tolvane::MealsPerDay);
        for (int e = 0; e < (k == 0 ? 9 : 10); ++e)
            planner.dropOnMealList({tolvane::DragSource::FoodList, e % 3});
    }
    planner.dayPageChange(0);
    planner.mealTabChange(0);

    std::vector<double> drop;
    std::vector<double> save;
    std::vector<double> raw;
    const QByteArray rawPath = dir.filePath(QStringLiteral("raw.db")).toLocal8Bit();
    for (int r = 0; r < rounds; ++r) {
        double t = menubench::nowMs();
        planner.dropOnMealList({tolvane::DragSource::FoodList, r % 3});
        drop.push_back(menubench::nowMs() - t);
        planner.dropOnTrash({tolvane::DragSource::MealList, 9});

        t = menubench::nowMs();
        if (!planner.saveCurrentMenu())
            return 1;
        save.push_back(menubench::nowMs() - t);

        const QByteArray bytes = tolvane::writeMenuImage(planner.image());
        t = menubench::nowMs();
        const int fd = ::open(rawPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size() ||
            ::fsync(fd) != 0)
            return 1;
        ::close(fd);
        raw.push_back(menubench::nowMs() - t);
    }
    const double d = menubench::median(drop);
    const double s = menubench::median(save);
    const double w = menubench::median(raw);
    std::printf("currmenu.db (%d bytes), median of %d: drop with save %.3f ms, atomic save %.3f ms, "
                "raw write+fsync %.3f ms, save/raw ratio %.2f\n",
                tolvane::MenuFileSize, rounds, d, s, w, w > 0 ? s / w : 0.0);
    return 0;
}
