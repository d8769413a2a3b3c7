// Printouts of a full week (28 meals of ten entries): the menu preview drawn on
// the 800 x 1200 page image through the canvas, against QPainter drawing the
// same texts at the same places directly; the weekly menu and the shopping
// list printed into PDF files at 1200 dpi; building the shopping list.
//   printing_bench [rounds]

#include "menu_bench_support.h"

#include "menu/menuprintout.h"
#include "printing/previewwindow.h"
#include "printing/printerjob.h"
#include "menu/shoppinglist.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPageLayout>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

// Records only the texts and where they go, to replay them on a bare painter.
class TextList : public tolvane::Canvas {
public:
    struct Item {
        int x, y;
        QString text;
    };
    std::vector<Item> items;
    void setPenColor(tolvane::Rgb) override {}
    void setPenWidth(int) override {}
    void setBrushColor(tolvane::Rgb) override {}
    void setFontName(const QString&) override {}
    void setFontSize(int) override {}
    void setFontPixelHeight(int) override {}
    void setFontStyle(tolvane::FontStyles) override {}
    void setFontPitch(tolvane::FontPitch) override {}
    void setTextAlign(tolvane::TextAlign) override {}
    void setTransparentText(bool) override {}
    int textWidth(const QString& text) override { return static_cast<int>(text.size()) * 6; }
    void textOut(int x, int y, const QString& text) override { items.push_back({x, y, text}); }
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void rectangle(int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void pie(int, int, int, int, int, int, int, int) override {}
    void newPage() override {}
};

double printToPdf(const QString& path, const std::function<void(tolvane::Canvas&, const tolvane::PageMetrics&)>& draw)
{
    const double t = menubench::nowMs();
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    auto job = tolvane::PainterPrintJob::startPdf(path, letter, tolvane::PageOrientation::Portrait,
                                                  QStringLiteral("bench"));
    if (!job)
        return -1;
    draw(job->canvas(), job->page());
    job->end();
    return menubench::nowMs() - t;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
    const tolvane::Week week = menubench::fullWeek();
    const QString title = QStringLiteral("Weekly Menu");
    QTemporaryDir dir;

    TextList texts;
    tolvane::drawMenuPreview(texts, week, title);

    std::vector<double> preview, bare, menuPdf, shopPdf, shopBuild;
    for (int r = 0; r < rounds; ++r) {
        double t = menubench::nowMs();
        const QImage page = tolvane::PreviewWindow::render(
            [&](tolvane::Canvas& c) { tolvane::drawMenuPreview(c, week, title); });
        preview.push_back(menubench::nowMs() - t);

        t = menubench::nowMs();
        QImage image(800, 1200, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QFont font(QStringLiteral("arial"));
            font.setPointSize(7);
            font.setBold(true);
            painter.setFont(font);
            for (const auto& item : texts.items)
                painter.drawText(item.x, item.y + 10, item.text);
        }
        bare.push_back(menubench::nowMs() - t);

        t = menubench::nowMs();
        const tolvane::ShoppingList list = tolvane::shoplistprep(week);
        shopBuild.push_back(menubench::nowMs() - t);

        menuPdf.push_back(printToPdf(dir.filePath(QStringLiteral("menu.pdf")),
                                     [&](tolvane::Canvas& c, const tolvane::PageMetrics& p) {
                                         tolvane::drawMenuPage(c, p, week, title);
                                     }));
        shopPdf.push_back(printToPdf(dir.filePath(QStringLiteral("shop.pdf")),
                                     [&](tolvane::Canvas& c, const tolvane::PageMetrics& p) {
                                         tolvane::drawShoppingListPage(c, p, list, title);
                                     }));
        if (page.isNull() || list.size() != 280)
            return 1;
    }
    const double a = menubench::median(preview);
    const double b = menubench::median(bare);
    std::printf("full week, median of %d: menu preview image %.2f ms (%zu texts, grid, fonts) vs bare QPainter "
                "texts %.2f ms, ratio %.2f; menu PDF %.2f ms (%lld bytes); shopping list PDF %.2f ms; "
                "shopping list build %.1f us; peak memory %ld KiB\n",
                rounds, a, texts.items.size(), b, b > 0 ? a / b : 0.0, menubench::median(menuPdf),
                static_cast<long long>(QFileInfo(dir.filePath(QStringLiteral("menu.pdf"))).size()),
                menubench::median(shopPdf), menubench::median(shopBuild) * 1000, bench::peakKiB());
    return 0;
}
