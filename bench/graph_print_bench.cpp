// The weight graph printout of the largest log (100000 rows, the planned weight
// a saw tooth, an actual weight every third day, the trend shown) into a PDF
// file at 1200 dpi, and the trend of that log computed in full and after one
// edited row.
//   graph_print_bench [rounds] [pdf path to keep] [every]   (every: each point drawn as it comes)

#include "bench_util.h"

#include "printing/printerjob.h"
#include "weight/weightgraph.h"
#include "weight/weighttrend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double wallMs(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

tolvane::GraphData largestLog()
{
    tolvane::GraphData data;
    for (int i = 0; i < 100000; ++i) {
        const long double plan = 200.0L - static_cast<long double>(i % 500) / 10.0L;
        data.points.push_back({46363.0L + i, plan, i % 3 == 0 ? 199.0L : 0.0L});
    }
    data.max = 200;
    data.min = 150.1L;
    data.range = data.max - data.min;
    data.span = 99999;
    return data;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    QTemporaryDir dir;
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("graph.pdf"));
    const auto points = argc > 3 && QByteArray(argv[3]) == "every" ? tolvane::PagePoints::Every
                                                                    : tolvane::PagePoints::Merged;
    const tolvane::GraphData data = largestLog();
    const tolvane::WeightTrend trend = tolvane::weightTrend(data);
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF());

    std::vector<double> wall, cpu;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        const double c = cpuMs();
        auto job = tolvane::PainterPrintJob::startPdf(path, letter, tolvane::PageOrientation::Landscape,
                                                      QStringLiteral("bench"));
        if (!job)
            return 1;
        tolvane::drawWeightGraphPage(job->canvas(), job->page(), data, QStringLiteral("Weight"), locale, &trend,
                                     tolvane::Units::Us, points);
        job->end();
        wall.push_back(wallMs(t));
        cpu.push_back(cpuMs() - c);
    }
    std::printf("weight graph printout, 100000 rows with the trend, median of %d: %.1f ms wall, %.1f ms CPU "
                "(%lld bytes); peak memory %ld KiB\n",
                rounds, median(wall), median(cpu), static_cast<long long>(QFileInfo(path).size()), bench::peakKiB());
    return 0;
}
