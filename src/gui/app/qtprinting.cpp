// The printing part of the Qt user interface: the title dialog and the preview
// window (one of each for the run), and the run's printer.

#include "guide/helptopics.h"
#include "printing/previewwindow.h"
#include "printing/runprinter.h"
#include "printing/titledialog.h"
#include "app/qtuserinterface.h"

namespace tolvane {

TitleDialog* QtUserInterface::titleDialog()
{
    if (!titleDialog_) {
        titleDialog_ = new TitleDialog(parent_);
        titleDialog_->setProperty("helpContext", PrintingHelpContext);
    }
    return titleDialog_;
}

PreviewWindow* QtUserInterface::previewWindow()
{
    if (!previewWindow_) {
        previewWindow_ = new PreviewWindow(parent_);
        previewWindow_->setProperty("helpContext", PrintingHelpContext);
    }
    return previewWindow_;
}

std::optional<QString> QtUserInterface::askTitle(const TitlePrompt& prompt)
{
    TitleDialog* dialog = titleDialog();
    dialog->setUp(prompt);
    keepClearOfTutor(dialog);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->title();
}

bool QtUserInterface::printerInstalled() { return RunPrinter::instance().installed(); }

std::unique_ptr<PrintJob> QtUserInterface::beginPrintJob(PageOrientation orientation, const QString& documentTitle)
{
    return RunPrinter::instance().begin(orientation, documentTitle);
}

std::unique_ptr<PrintJob> QtUserInterface::beginPdfJob(const QString& fileName, PageOrientation orientation,
                                                       const QString& documentTitle)
{
    return RunPrinter::instance().beginPdf(fileName, orientation, documentTitle);
}

void QtUserInterface::showPrintPreview(const PreviewRequest& request)
{
    refreshWindow();
    PreviewWindow* window = previewWindow();
    window->setRequest(request);
    keepClearOfTutor(window);  // the tutor's demonstration opens it beside the tutor
    if (request.modal)
        window->exec();
    else
        window->show();
}

void QtUserInterface::closePrintPreview()
{
    // The preview shown without waiting (the tutor's demonstration).
    if (previewWindow_ && !previewWindow_->isModal())
        previewWindow_->close();
}

void QtUserInterface::printSetup() { RunPrinter::instance().setup(parent_); }

} // namespace tolvane
