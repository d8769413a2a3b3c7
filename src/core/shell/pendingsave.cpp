#include "shell/pendingsave.h"

#include <QDir>

namespace tolvane {

namespace closemsg {
QString notSaved(const QString& description, const QString& path, SaveResult result)
{
    const QString reason = result == SaveResult::CannotCreate
                               ? QStringLiteral("the file could not be created. Is the folder read-only?")
                               : QStringLiteral("the file could not be written completely. Is the disk full?");
    return QStringLiteral("%1 could not be saved to \"%2\": %3\n\nIf the program closes now, the changes are "
                          "lost. Retry to try again, Save to save it to another file, or Discard to close "
                          "without the changes.")
        .arg(description, QDir::toNativeSeparators(path), reason);
}
} // namespace closemsg

bool keepBeforeClose(UserInterface& ui, const QString& workDir, const PendingSave& data)
{
    const QString path = QDir(workDir).filePath(data.fileName);
    QString failedPath = path;
    SaveResult result = saveFileAtomically(path, data.bytes());
    while (result != SaveResult::Saved) {
        const Button answer =
            ui.showMessage(Message::typed(closemsg::notSaved(data.description, failedPath, result), Icon::Warning,
                                          Button::Retry | Button::Save | only(Button::Discard), GeneralHelpContext));
        if (answer == Button::Retry) {
            failedPath = path;
            result = saveFileAtomically(path, data.bytes());
        } else if (answer == Button::Save) {
            const std::optional<QString> chosen = ui.saveFile(data.elsewhere);
            if (!chosen)
                continue;
            failedPath = QDir(workDir).filePath(*chosen);
            result = saveFileAtomically(failedPath, data.bytes());
            if (result == SaveResult::Saved)
                return true;
        } else {
            return false;
        }
    }
    if (data.written)
        data.written();
    return true;
}

} // namespace tolvane
