#pragma once
// Sending a drawn printout somewhere: to the printer, or, when none is
// installed, to a PDF file the user names for this printout alone.

#include "printing/printsurface.h"

#include <QString>
#include <functional>

namespace tolvane {

class Preferences;
class UserInterface;

namespace printmsg {
inline const QString NoPrinter =
    QStringLiteral("No printer is installed. Save the printout as a PDF file instead?");
inline const QString PrinterRefused = QStringLiteral("The printer could not start the printout.");
inline const QString PrinterFailed = QStringLiteral("The printer could not finish the printout.");
inline const QString CannotCreate = QStringLiteral("Cannot create file %1");
inline const QString CannotWrite = QStringLiteral("Cannot write file %1. Is the disk full? Nothing was saved.");
} // namespace printmsg

using DrawPage = std::function<void(Canvas&, const PageMetrics&)>;

// Starts a job, lets `draw` fill it and ends it. Without a printer the user may
// save this printout as a PDF file (the dialog opens in the folder of the last
// PDF file, the documents folder the first time) and is told where it went.
// Every failure is told; nothing happens when the user declines.
void runPrintout(UserInterface& ui, Preferences& preferences, PageOrientation orientation, const QString& title,
                 const DrawPage& draw);

// The PDF file name offered for a printout: its title made safe for a file
// name ("Weekly Menu.pdf"), numbered when `dir` already holds that name, so
// accepting the offer never replaces an earlier printout.
QString suggestedPdfName(const QString& dir, const QString& title);

} // namespace tolvane
