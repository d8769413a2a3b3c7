#include "printing/printerjob.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>

namespace tolvane {

std::unique_ptr<PainterPrintJob> PainterPrintJob::start(QPrinter& printer, PageOrientation orientation,
                                                        const QString& documentTitle)
{
    printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    printer.setDocName(documentTitle);
    std::unique_ptr<PainterPrintJob> job(new PainterPrintJob(printer));
    if (!job->painter_.begin(&printer))
        return nullptr;
    job->canvas_.emplace(job->painter_);
    job->page_ = {printer.width(), printer.height()};
    return job;
}

std::unique_ptr<PainterPrintJob> PainterPrintJob::start(std::unique_ptr<QPrinter> printer,
                                                        PageOrientation orientation, const QString& documentTitle)
{
    std::unique_ptr<PainterPrintJob> job = start(*printer, orientation, documentTitle);
    if (job)
        job->owned_ = std::move(printer);
    return job;
}

PainterPrintJob::~PainterPrintJob()
{
    // A job dropped before its end is abandoned, not sent half drawn.
    if (!painter_.isActive())
        return;
    const bool aborted = printer_.abort();
    painter_.end();
    // Qt's PDF output cannot abort: the half-drawn file is removed instead.
    if (!aborted && printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
        QFile::remove(printer_.outputFileName());
}

void PainterPrintJob::end()
{
    if (painter_.isActive())
        painter_.end();
}

} // namespace tolvane
