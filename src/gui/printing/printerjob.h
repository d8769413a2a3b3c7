#pragma once
// A printout on a QPrinter: the painter is begun with the orientation and the
// document title the printout sets, and the page size is the printer's
// paintable area in device pixels.

#include "printing/paintercanvas.h"
#include "printing/printsurface.h"

#include <QPainter>
#include <memory>
#include <optional>

class QPrinter;

namespace tolvane {

class PainterPrintJob : public PrintJob {
public:
    // Nothing when the printer refuses to start the document.
    static std::unique_ptr<PainterPrintJob> start(QPrinter& printer, PageOrientation orientation,
                                                  const QString& documentTitle);
    // The same on a printer that the job owns (a PDF file, say).
    static std::unique_ptr<PainterPrintJob> start(std::unique_ptr<QPrinter> printer, PageOrientation orientation,
                                                  const QString& documentTitle);
    ~PainterPrintJob() override;

    Canvas& canvas() override { return *canvas_; }
    PageMetrics page() const override { return page_; }
    void end() override;

private:
    explicit PainterPrintJob(QPrinter& printer) : printer_(printer) {}

    QPrinter& printer_;
    std::unique_ptr<QPrinter> owned_;
    QPainter painter_;
    std::optional<PainterCanvas> canvas_;
    PageMetrics page_;
};

} // namespace tolvane
