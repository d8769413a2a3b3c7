// The USDA reference behind "Add from USDA":
//   - the first opening: what the window waits for (the reading starts in
//     the background), and when the reading and the search are ready;
//   - each keystroke: the search of every prefix of the everyday searches
//     (tools/reference/everyday_search.txt), as typed letter by letter;
//   - the find field over the food list: each keystroke of the same searches
//     over the 2000 names of a full food item table (the starter names, then
//     made-up ones), the names' keys made once as the field keeps them;
//   - the memory the reference takes.
//   usda_reference_bench [REFERENCE_TSV EVERYDAY_SEARCH [rounds]]  (the repository's by default)
// Prints medians and the 99th percentile in milliseconds.

#include "bench_util.h"

#include "food/foodfind.h"
#include "food/foodtable.h"
#include "reference/addfromusda.h"
#include "reference/referencereading.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <time.h>

namespace {
double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TOLVANE_USDA_REFERENCE_TSV);
    const QString everyday = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(TOLVANE_EVERYDAY_SEARCH);
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
    const long before = bench::peakKiB();
    std::vector<double> opens;
    std::vector<double> readies;
    std::vector<double> readCpu;  // the processor time of the reading: steadier on a busy machine
    std::unique_ptr<tolvane::ReferenceReading> reading;
    for (int r = 0; r < rounds; ++r) {
        reading = std::make_unique<tolvane::ReferenceReading>();
        const double t0 = bench::nowMs();
        const double cpu0 = processCpuMs();
        if (!reading->start(path))
            return 1;
        opens.push_back(bench::nowMs() - t0);
        if (!reading->wait())
            return 1;
        readies.push_back(bench::nowMs() - t0);
        readCpu.push_back(processCpuMs() - cpu0);
    }
    const tolvane::ReferenceSearch* search = &reading->search();
    QStringList typed;
    QFile list(everyday);
    if (!list.open(QIODevice::ReadOnly))
        return 1;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            typed.append(line.section(QLatin1Char('|'), 0, 0).trimmed());
    }
    std::vector<double> keys;
    for (const QString& text : typed) {
        for (qsizetype n = 1; n <= text.size(); ++n) {
            const double t0 = bench::nowMs();
            const std::vector<int> found = search->find(text.left(n), tolvane::AddFromUsda::ShownResults);
            keys.push_back(bench::nowMs() - t0);
        }
    }
    // A pasted page and only punctuation.
    const double t0 = bench::nowMs();
    search->find(QString(1000, QLatin1Char('x')) + QStringLiteral(" a b c d e f g h i j k l m n"), 100);
    const double longSearch = bench::nowMs() - t0;
    QStringList names;
    QFile ranks(QStringLiteral(":/food/starter_ranks.tsv"));
    if (!ranks.open(QIODevice::ReadOnly))
        return 1;
    while (!ranks.atEnd())
        names.append(QString::fromUtf8(ranks.readLine()).section(QLatin1Char('\t'), 0, 0));
    for (int i = 0; names.size() < tolvane::MaxFoodItems; ++i)
        names.append(QStringLiteral("Home made dish %1, 1 serving").arg(i));
    tolvane::FoodFind find;
    find.setText(QStringLiteral("a"), names, -1);  // the keys, made at the field's first use
    std::vector<double> finds;
    for (const QString& text : typed) {
        int row = -1;
        for (qsizetype n = 1; n <= text.size(); ++n) {
            const double start = bench::nowMs();
            row = find.setText(text.left(n), names, row);
            finds.push_back(bench::nowMs() - start);
        }
    }
    std::sort(finds.begin(), finds.end());
    std::sort(keys.begin(), keys.end());
    std::printf("first opening (the window shows, typing taken): median %.2f ms over %d\n", bench::median(opens), rounds);
    std::printf("reference read and search built (in the background): median %.1f ms, processor %.1f ms\n",
                bench::median(readies), bench::median(readCpu));
    std::printf("keystroke search: median %.3f ms, p99 %.3f ms, max %.3f ms over %zu keystrokes\n",
                bench::median(keys), keys[keys.size() * 99 / 100], keys.back(), keys.size());
    std::printf("1000-character search: %.3f ms\n", longSearch);
    std::printf("find field over %lld names: median %.3f ms, p99 %.3f ms, max %.3f ms over %zu keystrokes\n",
                static_cast<long long>(names.size()), bench::median(finds), finds[finds.size() * 99 / 100],
                finds.back(), finds.size());
    std::printf("peak memory: %ld KiB (%ld KiB before reading)\n", bench::peakKiB(), before);
    return 0;
}
