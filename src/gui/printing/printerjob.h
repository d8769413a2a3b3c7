#pragma once
// A printout on a QPrinter or in a PDF file: the painter is begun with the
// orientation and the document title the printout sets, and the page size is
// the paintable area in device pixels.

#include "printing/paintercanvas.h"
#include "printing/printsurface.h"

#include <QPainter>
#include <memory>
#include <optional>

class QPageLayout;
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QSaveFile;

namespace tolvane {

class PainterPrintJob : public PrintJob {
public:
    // Nothing when the printer refuses to start the document.
    static std::unique_ptr<PainterPrintJob> start(QPrinter& printer, PageOrientation orientation,
                                                  const QString& documentTitle);
    // A PDF file on this paper. It is written beside its place and put there
    // only when the job ends whole, so a failed job replaces nothing. Nothing
    // when the file cannot be created.
    static std::unique_ptr<PainterPrintJob> startPdf(const QString& fileName, const QPageLayout& paper,
                                                     PageOrientation orientation, const QString& documentTitle);
    ~PainterPrintJob() override;

    Canvas& canvas() override { return *canvas_; }
    PageMetrics page() const override { return page_; }
    bool end() override;

private:
    PainterPrintJob();
    bool begin(QPagedPaintDevice& device);

    QPrinter* printer_ = nullptr;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter painter_;
    std::optional<PainterCanvas> canvas_;
    PageMetrics page_;
};

} // namespace tolvane
