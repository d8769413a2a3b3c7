// Importing food items from CSV files through the "&Main" command, at the
// sizes the import must take in bounded memory and time:
//   - 100,000 rows that all name foods of a full table (2000 items): target 1 s;
//   - a 64 MB file of short rows (foods of the table with other values, rows
//     with a value missing, rows with a value too many): target 200 MB peak
//     memory of the whole process.
//   csv_import_bench [rounds]   run in a scratch directory

#include "food_bench_support.h"

#include "app/app.h"
#include "exchange/foodcsv.h"
#include "food/foodtableio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <deque>

namespace {

// Processor time of this process in ms: on a busy machine the wall clock
// also counts the time other programs had.
double cpuMs() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Picks the files the test names, answers No to the update question and keeps
// the last message.
struct ImportUi : foodbench::QuietUi {
    std::deque<QString> files;
    QString last;
    std::optional<QString> openFile(const tolvane::FileDialogRequest&) override
    {
        if (files.empty())
            return std::nullopt;
        QString file = files.front();
        files.pop_front();
        return file;
    }
    tolvane::Button showMessage(const tolvane::Message& message) override
    {
        last = message.text;
        return QuietUi::showMessage(message);
    }
};

bool writeShortRows(const QString& path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block = "Name,Calories,Carbo,Protein,Fat,Sodium,Chol\n";
    qint64 written = 0;
    for (int i = 0;; ++i) {
        const QByteArray row = i % 3 == 0   ? QStringLiteral("Food item %1,1,2,3,4,5,6\n")
                                                  .arg(i % 2000, 4, 10, QLatin1Char('0'))
                                                  .toUtf8()
                               : i % 3 == 1 ? QByteArray("x,1\n")
                                            : QByteArray("Apfel,52,14,5,0,3,0,2,1,0\n");
        if (written + block.size() + row.size() > size)
            break;
        block += row;
        if (block.size() >= 1 << 20) {
            if (file.write(block) != block.size())
                return false;
            written += block.size();
            block.clear();
        }
    }
    return file.write(block) == block.size();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    const std::vector<tolvane::FoodItem> items = foodbench::numberedItems(2000);
    tolvane::FoodTable full{tolvane::NameOrder(QLocale::c())};
    full.assign(items);
    {
        QFile table(dir.filePath(tolvane::FoodTableFileName));
        if (!table.open(QIODevice::WriteOnly) || table.write(full.toBytes()) != 2000 * 101)
            return 1;
    }
    ImportUi ui;
    tolvane::SettingsStore settings(dir.filePath(QStringLiteral("Tolvane.conf")));
    tolvane::App app(ui, settings, dir.path());
    if (!app.program.formCreate().ok)
        return 1;
    app.program.formActivate();

    // The 64 MB file first, so that its peak is not another case's.
    const QString large = dir.filePath(QStringLiteral("large.csv"));
    if (!writeShortRows(large, 64LL * 1024 * 1024))
        return 1;
    const long before = bench::peakKiB();
    ui.files = {large};
    double t = bench::nowMs();
    double cpu = cpuMs();
    app.program.execute(tolvane::Command::ImportFoodItemsCsv);
    const double largeMs = bench::nowMs() - t;
    const double largeCpuMs = cpuMs() - cpu;
    const long peak = bench::peakKiB();
    if (!ui.last.startsWith(QStringLiteral("0 food items added, 0 updated, ")) ||
        app.foods.foodTable().count() != 2000) {
        std::fprintf(stderr, "unexpected result: %s\n", qUtf8Printable(ui.last.section(u'\n', 0, 0)));
        return 1;
    }
    std::printf("64 MB of short rows (%s): %.0f ms (processor %.0f ms), peak memory %ld KiB (%ld KiB before), "
                "target 204800 KiB: %s\n",
                qUtf8Printable(ui.last.section(u'\n', 0, 0)), largeMs, largeCpuMs, peak, before,
                peak <= 200 * 1024 ? "met" : "MISSED");

    // 100,000 rows, each naming a food of the table with its own values.
    const QByteArray exported = tolvane::exportFoodCsv(full);
    const qsizetype body = exported.indexOf('\n') + 1;
    QByteArray rows = exported;
    for (int copy = 1; copy < 50; ++copy)
        rows += exported.mid(body);
    const QString named = dir.filePath(QStringLiteral("named.csv"));
    {
        QFile file(named);
        if (!file.open(QIODevice::WriteOnly) || file.write(rows) != rows.size())
            return 1;
    }
    std::vector<double> times;
    std::vector<double> cpuTimes;
    for (int r = 0; r < rounds; ++r) {
        ui.files = {named};
        t = bench::nowMs();
        cpu = cpuMs();
        app.program.execute(tolvane::Command::ImportFoodItemsCsv);
        times.push_back(bench::nowMs() - t);
        cpuTimes.push_back(cpuMs() - cpu);
        if (ui.last != QStringLiteral("0 food items added, 0 updated, 100000 already present and skipped, 0 lines "
                                      "refused.")) {
            std::fprintf(stderr, "unexpected result: %s\n", qUtf8Printable(ui.last));
            return 1;
        }
    }
    const double m = bench::median(times);
    std::printf("100,000 rows naming foods of a full table (%.1f MB), median of %d: %.0f ms (processor %.0f ms), "
                "target 1000 ms: %s\n",
                static_cast<double>(rows.size()) / 1e6, rounds, m, bench::median(cpuTimes), m <= 1000 ? "met" : "MISSED");
    return 0;
}
