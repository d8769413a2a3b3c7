#pragma once
// The printer of the run: one QPrinter for the whole run, so what the user
// chooses in printer set-up (printer, paper) stays for later printouts. A
// printer starts on its queue's own default paper. When no printer is
// installed, printouts go to PDF files on the paper chosen here.

#include "printing/printsurface.h"

#include <QPageSize>
#include <functional>
#include <memory>

class QLocale;
class QPrinter;
class QPrintDialog;
class QWidget;

namespace tolvane {

// Puts `printer` on its queue's default paper, or, without a queue, on the
// paper of `locale`.
void useDefaultPaper(QPrinter& printer, const QLocale& locale);

class RunPrinter {
public:
    // The one instance, made on first use and removed when the application ends.
    static RunPrinter& instance();

    // Whether the system has a printer queue.
    bool installed() const;
    std::unique_ptr<PrintJob> begin(PageOrientation orientation, const QString& documentTitle);
    std::unique_ptr<PrintJob> beginPdf(const QString& fileName, PageOrientation orientation,
                                       const QString& documentTitle);

    // Printer set-up: shows the platform's dialog (titled "Print Setup") on
    // the run's printer. `opened` sees the dialog before it runs, for tests.
    void setup(QWidget* parent);
    static inline std::function<void(QPrintDialog&)> opened;

    QPrinter& printer() { return *printer_; }

private:
    RunPrinter();
    // After set-up: a printer chosen there starts on its own default paper
    // unless the user chose another, and a "print to file" choice is undone,
    // since each printout asks for its own file.
    void settle(const QString& printerBefore, const QPageSize& paperBefore);

    std::unique_ptr<QPrinter> printer_;
};

} // namespace tolvane
