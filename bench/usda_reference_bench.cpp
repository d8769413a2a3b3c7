// The USDA reference behind "Add from USDA":
//   - the first opening: reading usda_reference.tsv and building the search;
//   - each keystroke: the search of every prefix of the everyday searches
//     (tools/reference/everyday_search.txt), as typed letter by letter;
//   - the memory the reference takes.
//   usda_reference_bench REFERENCE_TSV EVERYDAY_SEARCH [rounds]
// Prints medians and the 99th percentile in milliseconds.

#include "bench_util.h"

#include "reference/addfromusda.h"
#include "reference/referencesearch.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: usda_reference_bench REFERENCE_TSV EVERYDAY_SEARCH [rounds]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
    const long before = bench::peakKiB();
    std::vector<double> opens;
    std::optional<tolvane::UsdaReference> reference;
    std::unique_ptr<tolvane::ReferenceSearch> search;
    for (int r = 0; r < rounds; ++r) {
        const double t0 = bench::nowMs();
        reference = tolvane::UsdaReference::load(path);
        if (!reference)
            return 1;
        search = std::make_unique<tolvane::ReferenceSearch>(reference->foods());
        opens.push_back(bench::nowMs() - t0);
    }
    QStringList typed;
    QFile list(QString::fromLocal8Bit(argv[2]));
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
    std::sort(keys.begin(), keys.end());
    std::printf("first opening (read + index): median %.1f ms over %d\n", bench::median(opens), rounds);
    std::printf("keystroke search: median %.3f ms, p99 %.3f ms, max %.3f ms over %zu keystrokes\n",
                bench::median(keys), keys[keys.size() * 99 / 100], keys.back(), keys.size());
    std::printf("1000-character search: %.3f ms\n", longSearch);
    std::printf("peak memory: %ld KiB (%ld KiB before reading)\n", bench::peakKiB(), before);
    return 0;
}
