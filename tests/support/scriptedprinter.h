#pragma once
// What the scripted user did with the printer and the preview window: each
// print job and each preview is kept with everything drawn on it.

#include "printing/printsurface.h"
#include "recordingcanvas.h"

#include <memory>

namespace tolvane::test {

struct PrintRecord {
    PageOrientation orientation = PageOrientation::Portrait;
    QString documentTitle;
    PageMetrics page;
    RecordingCanvas canvas;
    QString pdfFile;  // empty on the printer
    bool ended = false;
    bool endSucceeds = true;
};

struct PreviewRecord {
    PreviewRequest request;  // its print and printSetup act like the window's menu
    RecordingCanvas canvas;  // what request.draw drew on the page image
};

// A job that draws on its record.
class RecordingPrintJob : public PrintJob {
public:
    explicit RecordingPrintJob(std::shared_ptr<PrintRecord> record) : record_(std::move(record)) {}
    Canvas& canvas() override { return record_->canvas; }
    PageMetrics page() const override { return record_->page; }
    bool end() override
    {
        record_->ended = true;
        return record_->endSucceeds;
    }

private:
    std::shared_ptr<PrintRecord> record_;
};

} // namespace tolvane::test
