#include "shell/printout.h"

#include "shell/filechoice.h"
#include "shell/preferences.h"
#include "shell/userinterface.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tolvane {

namespace {

void showError(UserInterface& ui, const QString& text)
{
    ui.showMessage(Message::typed(text, Icon::Error, only(Button::Ok), GeneralHelpContext));
}

// Asks for a PDF file for this printout; nothing when the user declines.
std::optional<QString> askPdfFile(UserInterface& ui, Preferences& preferences, const QString& title)
{
    const QString folder = preferences.startFolder(FileKind::Pdf);
    const Message offer = Message::typed(printmsg::NoPrinter, Icon::Confirmation, Button::Yes | Button::No,
                                         GeneralHelpContext);
    if (ui.showMessage(offer) != Button::Yes)
        return std::nullopt;
    const std::optional<QString> chosen =
        ui.saveFile({QStringLiteral("Save Printout"), QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"),
                     folder, suggestedPdfName(folder, title)});
    if (chosen)
        preferences.rememberFile(FileKind::Pdf, *chosen);
    return chosen;
}

} // namespace

QString suggestedPdfName(const QString& dir, const QString& title)
{
    // Path separators and the characters other systems refuse in names.
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    QString base = title;
    base.replace(unsafe, QStringLiteral("-"));
    base = base.trimmed();
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')))
        base.prepend(QStringLiteral("Printout"));
    const QDir folder(dir);
    QString name = base + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(folder.filePath(name)); ++n)
        name = QStringLiteral("%1 (%2).pdf").arg(base, QString::number(n));
    return name;
}

void runPrintout(UserInterface& ui, Preferences& preferences, PageOrientation orientation, const QString& title,
                 const DrawPage& draw)
{
    std::unique_ptr<PrintJob> job;
    QString pdfFile;
    if (ui.printerInstalled()) {
        job = ui.beginPrintJob(orientation, title);
        if (!job) {
            showError(ui, printmsg::PrinterRefused);
            return;
        }
    } else {
        const std::optional<QString> file = askPdfFile(ui, preferences, title);
        if (!file)
            return;
        pdfFile = *file;
        job = ui.beginPdfJob(pdfFile, orientation, title);
        if (!job) {
            showError(ui, printmsg::CannotCreate.arg(QDir::toNativeSeparators(pdfFile)));
            return;
        }
    }
    draw(job->canvas(), job->page());
    if (!job->end())
        showError(ui, pdfFile.isEmpty() ? printmsg::PrinterFailed
                                        : printmsg::CannotWrite.arg(QDir::toNativeSeparators(pdfFile)));
    else if (!pdfFile.isEmpty())
        tellFileWritten(ui, pdfFile);
}

} // namespace tolvane
