#include "printing/runprinter.h"

#include "printing/printerjob.h"
#include "printing/localepaper.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace tolvane {

namespace {
RunPrinter* runPrinter = nullptr;

void deleteRunPrinter()
{
    delete runPrinter;
    runPrinter = nullptr;
}

} // namespace

// Qt starts every QPrinter on A4 whatever the queue's default paper.
void useDefaultPaper(QPrinter& printer, const QLocale& locale)
{
    const QPrinterInfo info(printer);
    if (!info.isNull() && info.defaultPageSize().isValid())
        printer.setPageSize(info.defaultPageSize());
    else if (info.isNull())
        printer.setPageSize(QPageSize(localePaper(locale) == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
}

RunPrinter& RunPrinter::instance()
{
    if (!runPrinter) {
        runPrinter = new RunPrinter;
        qAddPostRoutine(deleteRunPrinter);
    }
    return *runPrinter;
}

RunPrinter::RunPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    useDefaultPaper(*printer_, QLocale::system());
}

bool RunPrinter::installed() const { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

std::unique_ptr<PrintJob> RunPrinter::begin(PageOrientation orientation, const QString& documentTitle)
{
    // A queue that appeared after the printer was made: print there, on its paper.
    if (printer_->printerName().isEmpty() && installed()) {
        printer_->setPrinterName(QPrinterInfo::defaultPrinterName().isEmpty()
                                     ? QPrinterInfo::availablePrinterNames().constFirst()
                                     : QPrinterInfo::defaultPrinterName());
        useDefaultPaper(*printer_, QLocale::system());
    }
    return PainterPrintJob::start(*printer_, orientation, documentTitle);
}

std::unique_ptr<PrintJob> RunPrinter::beginPdf(const QString& fileName, PageOrientation orientation,
                                               const QString& documentTitle)
{
    return PainterPrintJob::startPdf(fileName, printer_->pageLayout(), orientation, documentTitle);
}

void RunPrinter::setup(QWidget* parent)
{
    const QString printerBefore = printer_->printerName();
    const QPageSize paperBefore = printer_->pageLayout().pageSize();
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    if (opened)
        opened(dialog);
    if (dialog.exec() == QDialog::Accepted)
        settle(printerBefore, paperBefore);
}

void RunPrinter::settle(const QString& printerBefore, const QPageSize& paperBefore)
{
    if (printer_->outputFormat() == QPrinter::PdfFormat || !printer_->outputFileName().isEmpty()) {
        printer_->setOutputFileName(QString());
        if (installed())
            printer_->setPrinterName(printerBefore.isEmpty() ? QPrinterInfo::defaultPrinterName() : printerBefore);
    }
    if (printer_->printerName() != printerBefore && printer_->pageLayout().pageSize().isEquivalentTo(paperBefore))
        useDefaultPaper(*printer_, QLocale::system());
}

} // namespace tolvane
