#include "shell/filechoice.h"

#include <QDir>
#include <QFileInfo>

namespace tolvane {

QString createFileQuestion(const QString& fileName)
{
    return fileName + QStringLiteral("\nThis file does not exist.\nDo you want to create it?");
}

QString withDefaultSuffix(const QString& name, const QString& suffix)
{
    const QFileInfo info(name);
    if (suffix.isEmpty() || name.isEmpty() || info.fileName().contains(QLatin1Char('.')) || info.isDir())
        return name;
    return name + QLatin1Char('.') + suffix;
}

std::optional<QString> chooseFileToOpen(UserInterface& ui, const FileDialogRequest& request)
{
    const std::optional<QString> chosen = ui.openFile(request);
    if (!chosen)
        return std::nullopt;
    return withDefaultSuffix(*chosen, request.defaultSuffix);
}

std::optional<QString> chooseFileToSave(UserInterface& ui, const FileDialogRequest& request,
                                        const QString& directory)
{
    const QString caption = request.title.isEmpty() ? QStringLiteral("Save As") : request.title;
    for (;;) {
        const std::optional<QString> chosen = ui.saveFile(request);
        if (!chosen)
            return std::nullopt;
        const QString name = withDefaultSuffix(*chosen, request.defaultSuffix);
        if (QFileInfo::exists(QDir(directory).filePath(name)))
            return name;
        const Message question = Message::plain(createFileQuestion(QFileInfo(name).fileName()), caption,
                                                Icon::Warning, Button::Yes | Button::No);
        if (ui.showMessage(question) == Button::Yes)
            return name;
    }
}

} // namespace tolvane
