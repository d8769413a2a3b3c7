// Saving a full food item table (2000 records, 202,000 bytes) through the
// program's atomic save, against a raw write + fsync of the same bytes.
//   foodtable_save_bench [rounds]   run in a scratch directory

#include "bench_util.h"

#include "food/foodtable.h"
#include "food/foodtableio.h"
#include "shell/userinterface.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {
using bench::SilentUi;

tolvane::FoodTable fullTable()
{
    std::vector<tolvane::FoodItem> items(2000);
    for (int i = 0; i < 2000; ++i) {
        items[static_cast<std::size_t>(i)].setName(QStringLiteral("Food item %1").arg(i, 4, 10, QLatin1Char('0')));
        items[static_cast<std::size_t>(i)].setNutrient(tolvane::Nutrient::Calories, i * 1.5L);
    }
    tolvane::FoodTable table;
    table.assign(std::move(items));
    return table;
}
} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    tolvane::FoodTable table = fullTable();
    SilentUi ui;
    const long before = bench::peakKiB();

    std::vector<double> program;
    std::vector<double> raw;
    const QByteArray bytes = table.toBytes();
    const QByteArray rawPath = dir.filePath(QStringLiteral("raw.dbt")).toLocal8Bit();
    for (int r = 0; r < rounds; ++r) {
        double t = bench::nowMs();
        if (!tolvane::saveFoodTable(table, dir.path(), ui))
            return 1;
        program.push_back(bench::nowMs() - t);

        t = bench::nowMs();
        const int fd = ::open(rawPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size() ||
            ::fsync(fd) != 0)
            return 1;
        ::close(fd);
        raw.push_back(bench::nowMs() - t);
    }
    const double p = bench::median(program);
    const double w = bench::median(raw);
    std::printf("save of %lld bytes, median of %d: atomic save %.3f ms, raw write+fsync %.3f ms, ratio %.2f\n",
                static_cast<long long>(bytes.size()), rounds, p, w, w > 0 ? p / w : 0.0);
    std::printf("peak memory %ld KiB (before the saves %ld KiB)\n", bench::peakKiB(), before);
    return 0;
}
