// Adding one food item to a table of 1999 (insert at its sorted place and
// rewrite "fooditem.dbt" atomically) against a raw write + fsync of the same
// 2000 records.
//   food_insert_bench [rounds]   run in a scratch directory

#include "food_bench_support.h"

#include "food/foodlist.h"
#include "shell/program.h"

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
    foodbench::QuietUi ui;
    tolvane::SettingsStore settings(dir.filePath(QStringLiteral("Tolvane.conf")));
    tolvane::Program program(ui, settings, dir.path());
    tolvane::FoodList foods(program, ui);
    foods.foodTable().assign(foodbench::numberedItems(1999));

    tolvane::FoodItem added;
    added.setName(QStringLiteral("Food item 0999a"));  // lands in the middle
    std::vector<double> insert;
    std::vector<double> raw;
    const QByteArray rawPath = dir.filePath(QStringLiteral("raw.dbt")).toLocal8Bit();
    qsizetype size = 0;
    for (int r = 0; r < rounds; ++r) {
        double t = foodbench::nowMs();
        const int row = foods.insertFoodItem(added, QString());
        insert.push_back(foodbench::nowMs() - t);

        const QByteArray bytes = foods.foodTable().toBytes();
        size = bytes.size();
        t = foodbench::nowMs();
        const int fd = ::open(rawPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size() ||
            ::fsync(fd) != 0)
            return 1;
        ::close(fd);
        raw.push_back(foodbench::nowMs() - t);

        foods.foodTable().removeAt(foods.foodTable().slotOfRow(row));
    }
    if (ui.messages != 0)
        return 1;
    const double i = foodbench::median(insert);
    const double w = foodbench::median(raw);
    std::printf("insert into 1999 items and save %lld bytes, median of %d: %.3f ms; raw write+fsync %.3f ms; "
                "ratio %.2f\n",
                static_cast<long long>(size), rounds, i, w, w > 0 ? i / w : 0.0);
    return 0;
}
