// The preview image drawn through QPainter, the preview and title windows, and
// a printout that lands in a PDF file with the pages it should have.

#include "menu/meal.h"
#include "printing/menuprintout.h"
#include "printing/previewwindow.h"
#include "printing/printerjob.h"
#include "printing/shoppinglist.h"
#include "testfiles.h"

#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane::test {
namespace {

Week smallWeek()
{
    Week week{};
    week[weekIndex(1, 0)].append(makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}), 1.5L);
    return week;
}

int darkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
    return dark;
}

// Pages of a PDF: its page objects ("/Type /Page", not "/Type /Pages").
int pdfPageCount(const QByteArray& pdf)
{
    return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

TEST(PrintPreviewWidget, PageImageShowsTheGridAndTheTexts)
{
    const Week week = smallWeek();
    const QImage page = PreviewWindow::render([&](Canvas& c) { drawMenuPreview(c, week, QStringLiteral("Weekly Menu")); });
    ASSERT_EQ(page.size(), QSize(800, 1200));
    EXPECT_EQ(page.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(qGray(page.pixel(10, 600)), 0);     // left border
    EXPECT_EQ(qGray(page.pixel(400, 40)), 0);     // rule above the meal names
    EXPECT_EQ(qGray(page.pixel(400, 221)), 0);    // first day border, 161 + 60
    EXPECT_EQ(qGray(page.pixel(300, 300)), 255);  // inside a cell
    EXPECT_GT(darkPixels(page, QRect(300, 10, 200, 28)), 50);  // the title
    EXPECT_GT(darkPixels(page, QRect(55, 223, 40, 10)), 5);    // Monday's "Apple"
    EXPECT_EQ(darkPixels(page, QRect(55, 62, 40, 10)), 0);     // Sunday is empty

    PreviewRequest request;
    int prints = 0;
    request.draw = [&](Canvas& c) { drawMenuPreview(c, week, QStringLiteral("Weekly Menu")); };
    request.print = [&] { ++prints; };
    PreviewWindow window(request);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Print Preview"));
    EXPECT_EQ(window.page(), page);
    const QList<QAction*> actions = window.menuBar()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Print"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Print &Setup"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("&Exit"));
    actions[0]->trigger();
    EXPECT_EQ(prints, 1);
}

TEST(PrintToPdf, MenuIsOnePageAndALongShoppingListTwo)
{
    QTemporaryDir dir;
    const auto printTo = [&](const QString& name, const QString& title,
                             const std::function<void(Canvas&, const PageMetrics&)>& draw) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath(name));
        std::unique_ptr<PainterPrintJob> job =
            PainterPrintJob::start(std::move(printer), PageOrientation::Portrait, title);
        EXPECT_TRUE(job);
        if (!job)
            return QByteArray();
        EXPECT_GT(job->page().width, 4000);  // 1200 dpi on a sheet at least 8 inches wide
        draw(job->canvas(), job->page());
        job->end();
        return readAll(dir.filePath(name));
    };

    const Week week = smallWeek();
    const QByteArray menu = printTo(QStringLiteral("menu.pdf"), QStringLiteral("Weekly Menu"),
                                    [&](Canvas& c, const PageMetrics& p) { drawMenuPage(c, p, week, QStringLiteral("Weekly Menu")); });
    ASSERT_TRUE(menu.startsWith("%PDF"));
    EXPECT_EQ(pdfPageCount(menu), 1);

    ShoppingList list;
    for (int i = 0; i < 275; ++i)
        list.push_back({QStringLiteral("Item %1").arg(i), {}, 1});
    const QByteArray shopping = printTo(QStringLiteral("shopping.pdf"), QStringLiteral("Shopping List"),
                                        [&](Canvas& c, const PageMetrics& p) { drawShoppingListPage(c, p, list, QStringLiteral("Shopping List")); });
    EXPECT_EQ(pdfPageCount(shopping), 2);
}

TEST(PrintToPdf, AJobDroppedBeforeItsEndLeavesNoDocument)
{
    QTemporaryDir dir;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir.filePath(QStringLiteral("dropped.pdf")));
    {
        auto job = PainterPrintJob::start(std::move(printer), PageOrientation::Portrait, QStringLiteral("x"));
        ASSERT_TRUE(job);
        job->canvas().textOut(10, 10, QStringLiteral("half"));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("dropped.pdf"))));
}

} // namespace
} // namespace tolvane::test
