#include "printing/printerjob.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace tolvane {

namespace {
QPageLayout::Orientation qtOrientation(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}
// The resolution of Qt's high-resolution printer, for PDF files as well.
constexpr int PdfDotsPerInch = 1200;
} // namespace

PainterPrintJob::PainterPrintJob() = default;

bool PainterPrintJob::begin(QPagedPaintDevice& device)
{
    if (!painter_.begin(&device))
        return false;
    canvas_.emplace(painter_);
    page_ = {device.width(), device.height()};
    return true;
}

std::unique_ptr<PainterPrintJob> PainterPrintJob::start(QPrinter& printer, PageOrientation orientation,
                                                        const QString& documentTitle)
{
    printer.setPageOrientation(qtOrientation(orientation));
    printer.setDocName(documentTitle);
    std::unique_ptr<PainterPrintJob> job(new PainterPrintJob);
    job->printer_ = &printer;
    if (!job->begin(printer))
        return nullptr;
    return job;
}

std::unique_ptr<PainterPrintJob> PainterPrintJob::startPdf(const QString& fileName, const QPageLayout& paper,
                                                           PageOrientation orientation, const QString& documentTitle)
{
    std::unique_ptr<PainterPrintJob> job(new PainterPrintJob);
    job->file_ = std::make_unique<QSaveFile>(fileName);
    if (!job->file_->open(QIODevice::WriteOnly))
        return nullptr;
    job->pdf_ = std::make_unique<QPdfWriter>(job->file_.get());
    job->pdf_->setResolution(PdfDotsPerInch);
    job->pdf_->setPageLayout(paper);
    job->pdf_->setPageOrientation(qtOrientation(orientation));
    job->pdf_->setTitle(documentTitle);
    job->pdf_->setCreator(QStringLiteral("Tolvane"));
    if (!job->begin(*job->pdf_))
        return nullptr;
    return job;
}

PainterPrintJob::~PainterPrintJob()
{
    // A job dropped before its end is abandoned, not sent half drawn; an
    // unfinished PDF file is never put in place.
    if (!painter_.isActive())
        return;
    if (printer_)
        printer_->abort();
    painter_.end();
    if (file_)
        file_->cancelWriting();
}

bool PainterPrintJob::end()
{
    if (!painter_.isActive())
        return false;
    bool sent = painter_.end();
    if (printer_)
        sent = sent && printer_->printerState() != QPrinter::Error;
    if (file_)
        sent = file_->commit() && sent;
    return sent;
}

} // namespace tolvane
