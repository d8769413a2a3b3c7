// The five printouts through the program's own print path on the run's Qt
// printer: into a real CUPS queue (tools/cups-print-test.sh starts a private
// one with cups-pdf and says so in TOLVANE_CUPS_QUEUE), and into a PDF file
// when no queue exists. The PDFs are checked by pages, paper and ink.

#include "food/foodtableio.h"
#include "menu/menuplanner.h"
#include "menu/menustore.h"
#include "menu/menuprinting.h"
#include "printing/runprinter.h"
#include "recipes/recipes.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "weight/weight.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace tolvane::test {
namespace {

// The scripted user, printing on the run's Qt printer as the program does.
class QtPrinterUi : public ScriptedUi {
public:
    bool printerInstalled() override { return RunPrinter::instance().installed(); }
    std::unique_ptr<PrintJob> beginPrintJob(PageOrientation orientation, const QString& documentTitle) override
    {
        return RunPrinter::instance().begin(orientation, documentTitle);
    }
    std::unique_ptr<PrintJob> beginPdfJob(const QString& fileName, PageOrientation orientation,
                                          const QString& documentTitle) override
    {
        return RunPrinter::instance().beginPdf(fileName, orientation, documentTitle);
    }
    void printSetup() override { RunPrinter::instance().setup(nullptr); }
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

struct PdfFacts {
    int pages = 0;
    QSizeF size;  // points, of the first page
};

PdfFacts pdfFacts(const QString& file)
{
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    PdfFacts facts;
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    const QRegularExpressionMatch rotation = QRegularExpression(QStringLiteral("Page rot:\\s+(\\d+)")).match(info);
    if (pages.hasMatch())
        facts.pages = pages.captured(1).toInt();
    if (size.hasMatch())
        facts.size = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    if (rotation.hasMatch() && rotation.captured(1).toInt() % 180 == 90)
        facts.size.transpose();
    return facts;
}

constexpr int RenderDpi = 36;  // half a pixel per point

// The page rendered in grey at 36 dpi.
QImage renderPage(const QString& file, int page, const QString& scratch)
{
    const QString prefix = QDir(scratch).filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(RenderDpi),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                     QString::number(page), QStringLiteral("-singlefile"), file, prefix});
    QImage image(prefix + QStringLiteral(".pgm"));
    QFile::remove(prefix + QStringLiteral(".pgm"));
    return image;
}

struct Ink {
    int inside = 0;
    int outside = 0;
};

// Dark pixels inside the printable area and outside it; a pixel's width of
// the area's edge counts as inside, for the rasteriser's rounding.
Ink inkOf(const QImage& image, const QRectF& printablePoints)
{
    const qreal scale = RenderDpi / 72.0;
    const QRect area = QRectF(printablePoints.topLeft() * scale, printablePoints.size() * scale)
                           .toAlignedRect()
                           .adjusted(-1, -1, 1, 1);
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                ++(area.contains(x, y) ? ink.inside : ink.outside);
    return ink;
}

bool queueRequired() { return qEnvironmentVariable("TOLVANE_REQUIRE_CUPS") == QStringLiteral("1"); }

// A program with every printout's subsystem on a full week, a recipe of 20
// ingredients with long instructions and a weight log of 20 rows.
class PrintoutsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QtPrinterUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    Program program{ui, settings, dir.path()};
    FoodList foods{program, ui};
    MenuPlanner planner{program, foods};
    MenuPrinting printing{program, planner};
    Recipes recipes{program, foods};
    Weight weight{program, QLocale(QLocale::English, QLocale::UnitedStates)};

    void SetUp() override
    {
        const std::vector<FoodItem> items = numberedItems(MealsPerWeek * Meal::Capacity);
        writeAll(dir.filePath(FoodTableFileName), tableBytes({items.begin(), items.begin() + 20}));
        MenuImage image;
        std::size_t next = 0;
        for (Meal& meal : image.week)
            while (!meal.isFull())
                meal.append(items[next++], 1.5L);
        writeAll(dir.filePath(CurrentMenuFileName), writeMenuImage(image));
        ASSERT_TRUE(program.formCreate().ok);

        for (int row = 0; row < 20; ++row) {
            recipes.setFoodServingsText(QStringLiteral("2"));
            recipes.dropOnIngredientList({DragSource::RecipeFoodList, row});
            recipes.endDrag(DragSource::RecipeFoodList);
        }
        recipes.memoScreenLines = [] {
            QStringList lines;
            for (int i = 1; i <= 40; ++i)
                lines.append(QStringLiteral("Step %1: stir the pot and wait a little longer.").arg(i));
            return lines;
        };

        WeightLog& log = weight.log();
        log.setRowCount(21);
        for (int r = 1; r <= 20; ++r) {
            log.setCell(0, r, QDate(2026, 1, 1).addDays(7 * (r - 1)).toString(QStringLiteral("M/d/yy")));
            log.setCell(1, r, QString::number(200 - r, 'f', 1));
            log.setCell(2, r, r % 3 ? QString::number(201 - r, 'f', 1) : QString());
        }
        ui.messages.clear();
    }

    struct Printout {
        Command command;
        int pages;
        bool landscape;
    };
    static inline const std::vector<Printout> FivePrintouts{{Command::PrintMenu, 1, false},
                                                            {Command::PrintDay, 1, false},
                                                            {Command::PrintShoppingList, 2, false},
                                                            {Command::PrintRecipe, 2, false},
                                                            {Command::PrintWeightGraph, 1, true}};
};

class CupsPrinting : public PrintoutsTest {
protected:
    QString queue = qEnvironmentVariable("TOLVANE_CUPS_QUEUE");
    QDir output{qEnvironmentVariable("TOLVANE_CUPS_OUTPUT")};
    QStringList seen;

    void SetUp() override
    {
        if (queue.isEmpty()) {
            if (queueRequired())
                FAIL() << "TOLVANE_REQUIRE_CUPS is set but no queue is named in TOLVANE_CUPS_QUEUE";
            GTEST_SKIP() << "No private CUPS queue; tools/cups-print-test.sh runs these tests through one.";
        }
        PrintoutsTest::SetUp();
        ASSERT_TRUE(RunPrinter::instance().installed());
        seen = output.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

    // The PDF of the next job the queue completes.
    QString nextPdf()
    {
        const QDeadlineTimer deadline(120000);
        while (!deadline.hasExpired()) {
            for (const QString& name : output.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                if (seen.contains(name))
                    continue;
                // cups-pdf writes the file in place: wait until it reads whole.
                if (pdfFacts(output.filePath(name)).pages > 0) {
                    seen.append(name);
                    return output.filePath(name);
                }
            }
            QThread::msleep(200);
        }
        return QString();
    }

    // Prints the five printouts and checks each PDF the queue makes.
    void printAllOn(const QSizeF& paperPoints)
    {
        for (const Printout& printout : FivePrintouts) {
            SCOPED_TRACE(static_cast<int>(printout.command));
            program.execute(printout.command);
            ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text.toStdString();
            const QString pdf = nextPdf();
            ASSERT_FALSE(pdf.isEmpty()) << "the queue made no PDF";
            const PdfFacts facts = pdfFacts(pdf);
            EXPECT_EQ(facts.pages, printout.pages);
            // The sheet is upright; a landscape printout is turned on it.
            EXPECT_NEAR(facts.size.width(), paperPoints.width(), 2.0);
            EXPECT_NEAR(facts.size.height(), paperPoints.height(), 2.0);

            const QPageLayout layout = RunPrinter::instance().printer().pageLayout();
            EXPECT_EQ(layout.orientation(), printout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
            // The queue's hardware margins, so ink has somewhere it must not be.
            EXPECT_GT(layout.paintRectPoints().left(), 0);
            EXPECT_GT(layout.paintRectPoints().top(), 0);
            for (int page = 1; page <= facts.pages; ++page) {
                const QImage image = renderPage(pdf, page, dir.path());
                ASSERT_FALSE(image.isNull());
                // A page rendered across is the landscape page turned.
                QRectF printable = layout.paintRectPoints().toRectF();
                const QRect sheet = layout.fullRectPoints();
                if ((image.width() > image.height()) != (sheet.width() > sheet.height()))
                    printable = QRectF(printable.top(), printable.left(), printable.height(), printable.width());
                const Ink ink = inkOf(image, printable);
                EXPECT_GT(ink.inside, 50) << "page " << page;
                EXPECT_EQ(ink.outside, 0) << "page " << page;
            }
        }
    }
};

const QSizeF LetterPoints{612, 792};
const QSizeF A4Points{595.28, 841.89};

// Runs the next printer set-up dialog with `choose` and OK.
void onNextSetup(std::function<void(QPrintDialog&)> choose)
{
    RunPrinter::opened = [choose = std::move(choose)](QPrintDialog& dialog) {
        choose(dialog);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
    };
}

QComboBox* printerChoice(QPrintDialog& dialog, const QString& queue)
{
    for (QComboBox* box : dialog.findChildren<QComboBox*>())
        if (box->findText(queue) >= 0)
            return box;
    return nullptr;
}

TEST_F(CupsPrinting, TheFivePrintoutsOnTheQueuesOwnLetterPaper)
{
    // The queue's default is Letter; Qt alone would start on A4.
    EXPECT_EQ(RunPrinter::instance().printer().printerName(), queue);
    EXPECT_EQ(RunPrinter::instance().printer().pageLayout().pageSize().id(), QPageSize::Letter);
    printAllOn(LetterPoints);
}

TEST_F(CupsPrinting, PrintSetupListsTheQueuesAndItsChoicesApply)
{
    // Choosing the A4 queue in the set-up brings its own paper.
    const QString a4Queue = queue + QStringLiteral("-a4");
    QStringList listed;
    onNextSetup([&](QPrintDialog& dialog) {
        QComboBox* box = printerChoice(dialog, a4Queue);
        ASSERT_TRUE(box);
        for (int i = 0; i < box->count(); ++i)
            listed.append(box->itemText(i));
        box->setCurrentIndex(box->findText(a4Queue));
    });
    program.execute(Command::PrintSetup);
    RunPrinter::opened = nullptr;
    EXPECT_TRUE(listed.contains(queue));
    EXPECT_EQ(RunPrinter::instance().printer().printerName(), a4Queue);
    EXPECT_EQ(RunPrinter::instance().printer().pageLayout().pageSize().id(), QPageSize::A4);
    printAllOn(A4Points);

    // Back to the first queue: its Letter paper again.
    onNextSetup([&](QPrintDialog& dialog) {
        QComboBox* box = printerChoice(dialog, queue);
        ASSERT_TRUE(box);
        box->setCurrentIndex(box->findText(queue));
    });
    program.execute(Command::PrintSetup);
    RunPrinter::opened = nullptr;
    EXPECT_EQ(RunPrinter::instance().printer().pageLayout().pageSize().id(), QPageSize::Letter);
    program.execute(Command::PrintMenu);
    EXPECT_NEAR(pdfFacts(nextPdf()).size.height(), LetterPoints.height(), 2.0);

    // On the same queue the user picks A4 in the dialog's printer properties:
    // the next printout comes out on A4.
    bool picked = false;
    RunPrinter::opened = [&](QPrintDialog& dialog) {
        auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties"));
        ASSERT_TRUE(properties);
        QTimer::singleShot(0, &dialog, [&dialog, properties, &picked] {
            QTimer::singleShot(0, [&picked] {
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    auto* paper = window->isVisible() ? window->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"))
                                                      : nullptr;
                    if (!paper || paper->findText(QStringLiteral("A4")) < 0)
                        continue;
                    paper->setCurrentIndex(paper->findText(QStringLiteral("A4")));
                    picked = true;
                    if (auto* box = qobject_cast<QDialog*>(window))
                        box->accept();
                }
            });
            properties->click();
            dialog.accept();
        });
    };
    program.execute(Command::PrintSetup);
    RunPrinter::opened = nullptr;
    ASSERT_TRUE(picked);
    EXPECT_EQ(RunPrinter::instance().printer().printerName(), queue);
    EXPECT_EQ(RunPrinter::instance().printer().pageLayout().pageSize().id(), QPageSize::A4);
    program.execute(Command::PrintMenu);
    const PdfFacts facts = pdfFacts(nextPdf());
    EXPECT_NEAR(facts.size.width(), A4Points.width(), 2.0);
    EXPECT_NEAR(facts.size.height(), A4Points.height(), 2.0);
}

// Without any queue each printout offers its own PDF file.
class NoPrinterQueue : public PrintoutsTest {
protected:
    void SetUp() override
    {
        if (RunPrinter::instance().installed())
            FAIL() << "a printer queue is visible; this test needs none (CUPS_SERVER is "
                   << qgetenv("CUPS_SERVER").toStdString() << ")";
        PrintoutsTest::SetUp();
    }
};

TEST_F(NoPrinterQueue, EachPrintoutGoesToItsOwnPdfFile)
{
    int files = 0;
    for (const Printout& printout : FivePrintouts) {
        SCOPED_TRACE(static_cast<int>(printout.command));
        ui.answers.push_back(Button::Yes);
        ui.saveAnswers.push_back(dir.filePath(QStringLiteral("printout %1.pdf").arg(++files)));
        program.execute(printout.command);
        ASSERT_EQ(ui.saveRequests.size(), static_cast<std::size_t>(files));
        // The first in the documents folder, then where the last one went.
        EXPECT_EQ(ui.saveRequests.back().initialDirectory,
                  files == 1 ? Preferences::userDocumentsFolder() : dir.path());
        const QByteArray pdf = readAll(dir.filePath(QStringLiteral("printout %1.pdf").arg(files)));
        ASSERT_TRUE(pdf.startsWith("%PDF"));
        EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), printout.pages);
    }
    EXPECT_EQ(ui.messages.size(), 2 * FivePrintouts.size());  // the offer and where the file went, each time
}

TEST_F(NoPrinterQueue, SetupWithoutAPrinterLeavesNoFileBehindForLaterPrintouts)
{
    // With no queue Qt's dialog can only choose "print to file"; OK there
    // keeps the paper but no file.
    QString offered;
    RunPrinter::opened = [&](QPrintDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog, &offered] {
            offered = dialog.printer()->outputFileName();
            dialog.accept();
        });
    };
    program.execute(Command::PrintSetup);
    RunPrinter::opened = nullptr;
    EXPECT_TRUE(RunPrinter::instance().printer().outputFileName().isEmpty()) << offered.toStdString();

    ui.answers.push_back(Button::Yes);
    ui.saveAnswers.push_back(dir.filePath(QStringLiteral("menu.pdf")));
    program.execute(Command::PrintMenu);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("No printer is installed. Save the printout as a PDF file instead?"));
    EXPECT_TRUE(readAll(dir.filePath(QStringLiteral("menu.pdf"))).startsWith("%PDF"));
}

} // namespace
} // namespace tolvane::test
