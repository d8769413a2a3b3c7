// The printing part of the Qt user interface: the title dialog, the printer
// (one QPrinter for the whole run, so set-up choices stay), a PDF file when no
// printer is installed, and the preview window.

#include "printing/previewwindow.h"
#include "printing/printerjob.h"
#include "printing/titledialog.h"
#include "shell/qtuserinterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPrinterInfo>

namespace tolvane {

namespace {

QPrinter* runPrinter = nullptr;
// The preview shown without waiting (the tutor's), so it can be closed again.
QPointer<PreviewWindow> openPreview;

void deleteRunPrinter()
{
    delete runPrinter;
    runPrinter = nullptr;
}

QPrinter& printer()
{
    if (!runPrinter) {
        runPrinter = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(deleteRunPrinter);
    }
    return *runPrinter;
}

bool printerInstalled(const QPrinter& p)
{
    return p.outputFormat() == QPrinter::PdfFormat ? !p.outputFileName().isEmpty()
                                                   : !QPrinterInfo::availablePrinters().isEmpty();
}

} // namespace

std::optional<QString> QtUserInterface::askTitle(const TitlePrompt& prompt)
{
    TitleDialog dialog(parent_);
    dialog.setUp(prompt);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.title();
}

std::unique_ptr<PrintJob> QtUserInterface::beginPrintJob(PageOrientation orientation, const QString& documentTitle)
{
    QPrinter& shared = printer();
    if (printerInstalled(shared)) {
        std::unique_ptr<PrintJob> job = PainterPrintJob::start(shared, orientation, documentTitle);
        if (!job)
            showMessage(Message::typed(QStringLiteral("The printer could not start the printout."), Icon::Error,
                                       only(Button::Ok), GeneralHelpContext));
        return job;
    }
    // Without a printer the printout can still be kept, as a PDF file.
    const Message offer =
        Message::typed(QStringLiteral("No printer is installed. Save the printout as a PDF file instead?"),
                       Icon::Confirmation, Button::Yes | Button::No, GeneralHelpContext);
    if (showMessage(offer) != Button::Yes)
        return nullptr;
    const std::optional<QString> file = saveFile(
        {QStringLiteral("Save Printout"), QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"), QDir::homePath()});
    if (!file)
        return nullptr;
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setPageLayout(shared.pageLayout());
    pdf->setOutputFileName(*file);
    std::unique_ptr<PrintJob> job = PainterPrintJob::start(std::move(pdf), orientation, documentTitle);
    if (!job)
        showMessage(Message::typed(QStringLiteral("Cannot create file ") + *file, Icon::Error, only(Button::Ok),
                                   GeneralHelpContext));
    return job;
}

void QtUserInterface::showPrintPreview(const PreviewRequest& request)
{
    refreshWindow();
    if (request.modal) {
        PreviewWindow window(request, parent_);
        window.exec();
        return;
    }
    auto* window = new PreviewWindow(request, parent_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    openPreview = window;
}

void QtUserInterface::closePrintPreview()
{
    if (openPreview)
        openPreview->close();
}

void QtUserInterface::printSetup()
{
    QPrintDialog dialog(&printer(), parent_);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.exec();
}

} // namespace tolvane
