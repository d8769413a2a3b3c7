// The preview image drawn through QPainter, the preview and title windows, and
// a printout that lands in a PDF file with the pages it should have.

#include "menu/meal.h"
#include "menu/menuprintout.h"
#include "printing/previewwindow.h"
#include "printing/printerjob.h"
#include "menu/shoppinglist.h"
#include "printing/titledialog.h"
#include "app/qtuserinterface.h"
#include "testfiles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <QPageLayout>
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

QPageLayout letter() { return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()); }

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
    PreviewWindow window;
    window.setRequest(request);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Print Preview"));
    EXPECT_EQ(window.pageImage(0), page);
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
        std::unique_ptr<PainterPrintJob> job =
            PainterPrintJob::startPdf(dir.filePath(name), letter(), PageOrientation::Portrait, title);
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
    {
        auto job = PainterPrintJob::startPdf(dir.filePath(QStringLiteral("dropped.pdf")), letter(),
                                             PageOrientation::Portrait, QStringLiteral("x"));
        ASSERT_TRUE(job);
        job->canvas().textOut(10, 10, QStringLiteral("half"));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("dropped.pdf"))));
}


void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// The shown title dialog's Cancel button.
void pressCancel(TitleDialog* dialog)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Cancel"))
            button->click();
}

TEST(TitleDialogWidget, OneDialogThirtyCharactersCancelAndTheTutorsPrompt)
{
    QtUserInterface ui;
    TitleDialog* dialog = ui.titleDialog();
    bool answered = false;
    QTimer::singleShot(0, [&] {
        answered = dialog->isVisible() && dialog->focusWidget() == dialog->titleEdit();
        dialog->titleEdit()->selectAll();
        typeInto(dialog->titleEdit(), QStringLiteral("Thirty-five characters of a title!!"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(dialog->titleEdit(), &enter);
    });
    const std::optional<QString> title =
        ui.askTitle({QStringLiteral("Enter menu title:"), QStringLiteral("Menu Title"), QStringLiteral("Weekly Menu")});
    EXPECT_TRUE(answered);
    EXPECT_EQ(title, std::optional<QString>(QStringLiteral("Thirty-five characters of a ti")));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Menu Title"));

    // The tutor leaves the prompt as it was; Cancel gives no title.
    QString shownTitle;
    QTimer::singleShot(0, [&] {
        shownTitle = dialog->titleEdit()->text();
        pressCancel(dialog);
    });
    EXPECT_FALSE(ui.askTitle({QString(), QStringLiteral("Menu Title"), QStringLiteral("Weekly Menu")}));
    EXPECT_EQ(shownTitle, QStringLiteral("Weekly Menu"));
    EXPECT_EQ(dialog->promptLabel()->text(), QStringLiteral("Enter menu title:"));
    EXPECT_EQ(ui.titleDialog(), dialog);
}

TEST(PrintPreviewWidget, OneWindowForTheRunAndALongShoppingListOnTwoPages)
{
    QtUserInterface ui;
    ShoppingList list;
    for (int i = 0; i < 280; ++i)
        list.push_back({QStringLiteral("Item %1").arg(i, 3, 10, QLatin1Char('0')), {}, 1});
    PreviewRequest request;
    request.modal = false;
    request.draw = [&](Canvas& c) { drawShoppingListPreview(c, list, QStringLiteral("Shopping List")); };
    ui.showPrintPreview(request);
    PreviewWindow* window = ui.previewWindow();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(window->pageCount(), 2);
    const QImage first = window->pageImage(0);
    const QImage second = window->pageImage(1);
    EXPECT_GT(darkPixels(first, QRect(526, 70, 250, 1080)), 100);     // third column
    EXPECT_GT(darkPixels(second, QRect(10, 70, 250, 120)), 100);      // entries 271 to 280
    EXPECT_EQ(darkPixels(second, QRect(10, 200, 790, 1000)), 0);
    EXPECT_EQ(darkPixels(second, QRect(268, 0, 532, 1200)), 0);

    const Week week = smallWeek();
    request.draw = [&](Canvas& c) { drawMenuPreview(c, week, QStringLiteral("Weekly Menu")); };
    ui.showPrintPreview(request);
    EXPECT_EQ(ui.previewWindow(), window);
    EXPECT_EQ(window->pageCount(), 1);
    window->close();
}

// The window opens showing a whole page, follows its size, zooms by keys, the
// tool bar and the wheel, goes from page to page, and draws each page anew at
// the screen's pixel ratio for the scale shown.
TEST(PrintPreviewWidget, OpensOnAWholePageAndFitsZoomsAndTurnsPages)
{
    // The opening size: a whole page at up to 100% within nine tenths of the screen.
    EXPECT_EQ(PreviewZoom::openingSize({1280, 1024}, {20, 60}), QSize(564 + 36, 846 + 76));
    EXPECT_EQ(PreviewZoom::openingSize({2560, 1440}, {20, 60}), QSize(800 + 36, 1200 + 76));
    // A fitted page is never a pixel larger than the view, whichever side limits it.
    for (int side = 140; side < 1400; ++side) {
        PreviewZoom fitted;
        fitted.fitWidth({side, 5000});
        ASSERT_LE(fitted.pageSize().width(), side - 2 * PreviewZoom::Margin) << side;
        fitted.fitPage({5000, side});
        ASSERT_LE(fitted.pageSize().height(), side - 2 * PreviewZoom::Margin) << side;
    }

    ShoppingList list;
    for (int i = 0; i < 280; ++i)
        list.push_back({QStringLiteral("Item %1").arg(i, 3, 10, QLatin1Char('0')), {}, 1});
    PreviewRequest request;
    int drawn = 0;
    request.draw = [&](Canvas& c) {
        ++drawn;
        drawShoppingListPreview(c, list, QStringLiteral("Shopping List"));
    };
    PreviewWindow window;
    window.setRequest(request);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(window.pageWidgets().size(), 2);
    // Only the page in view is drawn; the second waits until it is scrolled to.
    EXPECT_FALSE(window.pageWidgets()[0]->pixmap().isNull());
    EXPECT_TRUE(window.pageWidgets()[1]->pixmap().isNull());
    const auto page = [&] { return window.pageWidgets().front()->size(); };
    const auto view = [&] { return window.scrollArea()->viewport()->size(); };
    const auto shownWhole = [&] {
        return page().width() + 2 * PreviewZoom::Margin <= view().width() &&
               page().height() + 2 * PreviewZoom::Margin <= view().height() &&
               std::abs(page().width() * 3 - page().height() * 2) <= 3;
    };
    EXPECT_TRUE(shownWhole()) << page().width() << "x" << page().height();
    EXPECT_LE(window.height(), window.screen()->availableSize().height());
    EXPECT_NE(window.minimumSize(), window.maximumSize());
    auto* zoomText = window.zoomBar()->findChild<QLabel*>();
    ASSERT_NE(zoomText, nullptr);
    const auto percent = [&] { return QStringLiteral("%1%").arg(std::lround(window.zoom().scale() * 100)); };
    EXPECT_EQ(zoomText->text(), percent());

    // A larger window shows a larger whole page.
    const int before = page().height();
    window.resize(window.width() + 100, window.height() + 150);
    QApplication::processEvents();
    EXPECT_GT(page().height(), before);
    EXPECT_TRUE(shownWhole());

    const QList<QAction*> tools = window.zoomBar()->actions();
    ASSERT_GE(tools.size(), 4);
    EXPECT_EQ(tools[1]->text(), QStringLiteral("Fit Width"));
    tools[1]->trigger();
    EXPECT_EQ(page().width(), view().width() - 2 * PreviewZoom::Margin);
    const double width = window.zoom().scale();
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom().scale(), width * 1.25);
    EXPECT_EQ(page().width(), std::lround(800 * width * 1.25));
    EXPECT_EQ(zoomText->text(), percent());
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom().scale(), width);
    QWheelEvent wheel(QPointF(10, 10), window.mapToGlobal(QPointF(10, 10)), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.scrollArea()->viewport(), &wheel);
    EXPECT_DOUBLE_EQ(window.zoom().scale(), width * 1.25);
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window.zoom().fit(), PreviewZoom::Fit::Page);
    EXPECT_TRUE(shownWhole());

    // Page Down shows the second page's top, Page Up the first's.
    QScrollBar* bar = window.scrollArea()->verticalScrollBar();
    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), window.pageWidgets()[1]->y() - PreviewZoom::Margin);
    const QImage second = window.pageWidgets()[1]->pixmap().toImage();
    EXPECT_GT(darkPixels(second, QRect(0, 0, second.width() / 3, second.height() / 6)), 50);  // entries 271 to 280
    QTest::keyClick(&window, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 0);
    // Shown once at a scale, a page is kept for it: turning pages and a step
    // in and back out draw nothing more.
    const int drawnBefore = drawn;
    QTest::keyClick(&window, Qt::Key_PageDown);
    QTest::keyClick(&window, Qt::Key_PageUp);
    EXPECT_EQ(drawn, drawnBefore);
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    const int zoomedIn = drawn;
    EXPECT_LE(zoomedIn, drawnBefore + 1);  // the page in view only
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(drawn, zoomedIn);
    // Zoomed in and scrolled down into the last page, Page Down never goes back up.
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    QApplication::processEvents();  // the column's new height reaches the scroll bar
    ASSERT_GT(bar->maximum() - 40, window.pageWidgets().back()->y());
    bar->setValue(bar->maximum() - 40);
    const int inside = bar->value();
    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_GE(bar->value(), inside);
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    bar->setValue(0);

    // Each page is drawn for the scale: its pixels are the screen's, not the 800 x 1200 page's.
    const QPixmap pixels = window.pageWidgets().front()->pixmap();
    EXPECT_EQ(pixels.deviceIndependentSize().toSize(), page());
    EXPECT_EQ(pixels.size(), page() * window.devicePixelRatio());
    window.close();
}

TEST(PrintToPdf, AFailedWriteIsToldAndReplacesNoEarlierFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("menu.pdf"));
    writeAll(file, "earlier printout");
    const Week week = smallWeek();
    const auto printMenu = [&] {
        auto job = PainterPrintJob::startPdf(file, letter(), PageOrientation::Portrait, QStringLiteral("Menu"));
        if (!job)
            return false;
        drawMenuPage(job->canvas(), job->page(), week, QStringLiteral("Menu"));
        return job->end();
    };

    // Files may grow to 4 KB only, as on a full disk.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ended = printMenu();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ended);
    EXPECT_EQ(readAll(file), QByteArray("earlier printout"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("menu.pdf")});
    EXPECT_TRUE(printMenu());
    EXPECT_TRUE(readAll(file).startsWith("%PDF"));
    EXPECT_FALSE(PainterPrintJob::startPdf(dir.filePath(QStringLiteral("no/such/folder.pdf")), letter(),
                                           PageOrientation::Portrait, QStringLiteral("Menu")));
}

} // namespace
} // namespace tolvane::test
