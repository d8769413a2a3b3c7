// The largest weight file the program takes (100000 records, 2 MB): loading it
// into the grid (size check, record check, date and weight texts) against a
// raw read of the same bytes, and saving the grid (reading every cell back,
// atomic save) against a raw write + fsync.
//   weight_bench [rounds]   run in a scratch directory

#include "bench_util.h"

#include "food/foodlist.h"
#include "shell/program.h"
#include "shell/settingsstore.h"
#include "storage/real6.h"
#include "weight/weightfile.h"
#include "weight/weightlog.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {
QByteArray largestFile()
{
    std::vector<tolvane::WeightRecord> records(static_cast<std::size_t>(tolvane::MaxWeightRecords));
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].date = 36220.0 + static_cast<double>(i % 40000);
        tolvane::storeReal6(150.0L - static_cast<long double>(i % 500) / 10.0L, records[i].plan.data());
        if (i % 3 == 0)
            tolvane::storeReal6(149.0L, records[i].actual.data());
    }
    return tolvane::writeWeightImage(records);
}

double rawRead(const QString& path)
{
    const double start = bench::nowMs();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll().isEmpty())
        std::abort();
    return bench::nowMs() - start;
}

double rawWrite(const QString& path, const QByteArray& bytes)
{
    const double start = bench::nowMs();
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size() || ::fsync(fd) != 0)
        std::abort();
    ::close(fd);
    return bench::nowMs() - start;
}
} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    QTemporaryDir dir;
    bench::SilentUi ui;
    tolvane::SettingsStore settings(dir.filePath(QStringLiteral("Tolvane.conf")));
    tolvane::Program program(ui, settings, dir.path());
    tolvane::FoodList foods(program, ui);
    tolvane::WeightLog log(program, QLocale(QLocale::English, QLocale::UnitedStates));
    log.today = [] { return QDate(2026, 12, 7); };

    const QByteArray bytes = largestFile();
    const QString source = dir.filePath(QStringLiteral("large.wgt"));
    const QString target = dir.filePath(QStringLiteral("saved.wgt"));
    const QString raw = dir.filePath(QStringLiteral("raw.wgt"));
    QFile out(source);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return 1;
    out.close();

    std::vector<double> load, save, read, write;
    for (int i = 0; i < rounds; ++i) {
        double start = bench::nowMs();
        log.loadweightfile(source);
        load.push_back(bench::nowMs() - start);
        start = bench::nowMs();
        if (!log.saveweightfile(target))
            return 1;
        save.push_back(bench::nowMs() - start);
        read.push_back(rawRead(source));
        write.push_back(rawWrite(raw, bytes));
    }
    QFile saved(target);
    if (ui.messages != 0 || log.rowCount() != tolvane::MaxWeightRecords + 1 || !saved.open(QIODevice::ReadOnly) ||
        saved.readAll() != bytes)
        return 1;
    std::printf("weight file, %lld records (%lld bytes), median of %d rounds\n",
                static_cast<long long>(tolvane::MaxWeightRecords), static_cast<long long>(bytes.size()), rounds);
    std::printf("  load into the grid  %8.2f ms   raw read           %8.2f ms   ratio %6.1f\n", bench::median(load),
                bench::median(read), bench::median(load) / bench::median(read));
    std::printf("  save from the grid  %8.2f ms   raw write + fsync  %8.2f ms   ratio %6.1f\n", bench::median(save),
                bench::median(write), bench::median(save) / bench::median(write));
    std::printf("  peak memory %ld KiB\n", bench::peakKiB());
    return 0;
}
