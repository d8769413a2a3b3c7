#include "shell/filechoice.h"

#include "shell/program.h"

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

QString fileWrittenText(const QString& filePath)
{
    return QStringLiteral("The file was written to:\n%1").arg(QDir::toNativeSeparators(QFileInfo(filePath).absoluteFilePath()));
}

void tellFileWritten(UserInterface& ui, const QString& filePath)
{
    ui.showMessage(Message::typed(fileWrittenText(filePath), Icon::Information, only(Button::Ok), GeneralHelpContext));
}

namespace {
std::optional<QString> remembered(Program& program, FileKind kind, const std::optional<QString>& chosen)
{
    if (!chosen)
        return std::nullopt;
    const QString path = QDir(program.workDir()).absoluteFilePath(*chosen);
    program.preferences().rememberFile(kind, path);
    return path;
}
} // namespace

std::optional<QString> chooseUserFileToOpen(Program& program, FileKind kind, FileDialogRequest request)
{
    if (request.initialDirectory.isEmpty())
        request.initialDirectory = program.preferences().startFolder(kind);
    return remembered(program, kind, chooseFileToOpen(program.ui(), request));
}

std::optional<QString> chooseUserFileToSave(Program& program, FileKind kind, FileDialogRequest request)
{
    if (request.initialDirectory.isEmpty())
        request.initialDirectory = program.preferences().startFolder(kind);
    return remembered(program, kind, chooseFileToSave(program.ui(), request, program.workDir()));
}

} // namespace tolvane
