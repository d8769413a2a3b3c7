// Ranking the USDA reference by a nutrient in "Add from USDA": every food by
// each nutrient the program knows, per 100 g, per 100 kcal and per serving,
// and the matches of a search.
//   usda_ranking_bench [REFERENCE_TSV]   (default: the build folder's copy)
// Prints the median and the slowest ranking in milliseconds.

#include "bench_util.h"

#include "nutrients/nutrientranking.h"
#include "reference/referencesearch.h"

#include <QCoreApplication>
#include <cstdio>
#include <numeric>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QCoreApplication::applicationDirPath() + QStringLiteral("/../usda_reference.tsv");
    const std::optional<tolvane::UsdaReference> reference = tolvane::UsdaReference::load(path);
    if (!reference) {
        std::fprintf(stderr, "usda_ranking_bench: cannot read %s\n", qPrintable(path));
        return 1;
    }
    const auto& foods = reference->foods();
    std::vector<int> all(foods.size());
    std::iota(all.begin(), all.end(), 0);
    const tolvane::ReferenceSearch search(foods);
    const std::vector<int> cheese = search.find(QStringLiteral("cheese"), foods.size());
    std::vector<double> everyFood;
    std::vector<double> matches;
    for (const tolvane::RankNutrient& nutrient : tolvane::rankNutrients()) {
        for (auto basis : {tolvane::RankBasis::Per100Grams, tolvane::RankBasis::Per100Kcal, tolvane::RankBasis::PerServing}) {
            double t0 = bench::nowMs();
            tolvane::rankFoods(foods, all, nutrient, basis);
            everyFood.push_back(bench::nowMs() - t0);
            t0 = bench::nowMs();
            tolvane::rankFoods(foods, cheese, nutrient, basis);
            matches.push_back(bench::nowMs() - t0);
        }
    }
    std::printf("ranking all %zu foods: median %.2f ms, slowest %.2f ms over %zu rankings\n", foods.size(),
                bench::median(everyFood), *std::max_element(everyFood.begin(), everyFood.end()), everyFood.size());
    std::printf("ranking the %zu matches of \"cheese\": median %.2f ms, slowest %.2f ms\n", cheese.size(),
                bench::median(matches), *std::max_element(matches.begin(), matches.end()));
    return 0;
}
