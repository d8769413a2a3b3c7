// The weight graph printout with each pixel column's points merged prints what
// drawing every point prints: both PDF files' plots rendered at 600 dpi by pdftoppm
// without anti-aliasing are the same pixels, and with it they differ only at
// the edges of what is drawn (a figure drawn twice darkens its edge pixels).

#include "printing/printerjob.h"
#include "weight/weightgraph.h"

#include <QImage>
#include <QImageReader>
#include <QPageLayout>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane::test {
namespace {

// 30000 days: planned weights jump up and down within each column, an actual
// weight every third day, a long flat run and a day with two rows.
GraphData crowdedLog()
{
    GraphData data;
    for (int i = 0; i < 30000; ++i) {
        const long double plan = 200.0L - static_cast<long double>(i * 7919 % 500) / 10.0L;
        const long double actual = i % 3 != 0 ? 0 : i < 20000 ? 180 + (i * 31 % 97) / 10.0L : 185;
        data.points.push_back({46363.0L + i - (i == 100 ? 1 : 0), plan, actual});
    }
    data.max = 200;
    data.min = 150.1L;
    data.range = data.max - data.min;
    data.span = 29999;
    return data;
}

void printGraph(const QString& path, PagePoints points)
{
    const GraphData data = crowdedLog();
    const WeightTrend trend = weightTrend(data);
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF());
    auto job = PainterPrintJob::startPdf(path, letter, PageOrientation::Landscape, QStringLiteral("Weight"));
    ASSERT_TRUE(job);
    drawWeightGraphPage(job->canvas(), job->page(), data, QStringLiteral("Weight"),
                        QLocale(QLocale::English, QLocale::UnitedStates), &trend, Units::Us, points);
    ASSERT_TRUE(job->end());
}

QImage render(const QString& pdf, bool antialiased)
{
    const QString prefix = pdf + (antialiased ? QStringLiteral("-aa") : QStringLiteral("-plain"));
    const QString aa = antialiased ? QStringLiteral("yes") : QStringLiteral("no");
    QProcess pdftoppm;
    // The plot box of the Letter page at 600 dpi (1200, 796 to 6000, 4144) and
    // a marker's height around it: all else is drawn alike in both files.
    const QStringList box = {QStringLiteral("-x"), QStringLiteral("1140"), QStringLiteral("-y"),
                             QStringLiteral("700"),  QStringLiteral("-W"), QStringLiteral("4920"),
                             QStringLiteral("-H"),   QStringLiteral("3500")};
    pdftoppm.start(QStringLiteral("pdftoppm"), QStringList{QStringLiteral("-r"), QStringLiteral("600"),
                                                           QStringLiteral("-aa"), aa, QStringLiteral("-aaVector"), aa,
                                                           QStringLiteral("-singlefile")} +
                                                   box + QStringList{pdf, prefix});
    EXPECT_TRUE(pdftoppm.waitForStarted()) << "pdftoppm (poppler-utils) is needed";
    pdftoppm.waitForFinished(-1);
    EXPECT_EQ(pdftoppm.exitCode(), 0);
    QImageReader::setAllocationLimit(256);  // the box at 600 dpi is 69 MB in 32 bits
    return QImage(prefix + QStringLiteral(".ppm")).convertToFormat(QImage::Format_RGB32);
}

// Whether (x, y) lies within one pixel of a change of colour in `image`: on
// the edge of a line, a marker or a letter, where anti-aliasing mixes colours.
bool onAnEdge(const QImage& image, int x, int y)
{
    const QRgb here = image.pixel(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (image.rect().contains(p) && image.pixel(p) != here)
                return true;
        }
    return false;
}

TEST(WeightGraphPrintPixels, MergedColumnsPrintTheSamePixels)
{
    QTemporaryDir dir;
    const QString every = dir.filePath(QStringLiteral("every.pdf"));
    const QString merged = dir.filePath(QStringLiteral("merged.pdf"));
    printGraph(every, PagePoints::Every);
    printGraph(merged, PagePoints::Merged);

    const QImage plainEvery = render(every, false);
    const QImage plainMerged = render(merged, false);
    ASSERT_EQ(plainEvery.size(), QSize(4920, 3500));
    EXPECT_TRUE(plainMerged == plainEvery);

    const QImage aaEvery = render(every, true);
    const QImage aaMerged = render(merged, true);
    ASSERT_EQ(aaMerged.size(), aaEvery.size());
    int differing = 0, offEdge = 0;
    QStringList shown;
    for (int y = 0; y < aaEvery.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(aaEvery.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(aaMerged.constScanLine(y));
        for (int x = 0; x < aaEvery.width(); ++x)
            if (a[x] != b[x]) {
                ++differing;
                if (onAnEdge(aaEvery, x, y))
                    continue;
                if (++offEdge <= 10)
                    shown << QStringLiteral("%1,%2 %3 %4").arg(x).arg(y).arg(a[x], 0, 16).arg(b[x], 0, 16);
            }
    }
    EXPECT_EQ(offEdge, 0) << differing << " pixels differ, for example " << shown.join(QStringLiteral("; ")).toStdString();
}

} // namespace
} // namespace tolvane::test
