#pragma once
// Choosing a file the way every command of the program does: a name typed
// without a suffix gets the dialog's default one ("week" finds "week.mnu"),
// and a save to a name that does not exist yet creates it only when the user
// agrees; "No" goes back to the dialog.

#include "shell/preferences.h"
#include "shell/userinterface.h"

#include <QString>
#include <optional>

namespace tolvane {

// The question a save asks before it creates a file that is not there yet.
QString createFileQuestion(const QString& fileName);

// `name` with "." + `suffix` when its last part has no suffix of its own.
QString withDefaultSuffix(const QString& name, const QString& suffix);

// The file chosen in the open dialog, or nothing when it was cancelled.
std::optional<QString> chooseFileToOpen(UserInterface& ui, const FileDialogRequest& request);

// The file chosen in the save dialog, or nothing when it was cancelled. A
// relative name is looked for in `directory` (the current one when empty).
std::optional<QString> chooseFileToSave(UserInterface& ui, const FileDialogRequest& request,
                                        const QString& directory = QString());

class Program;

// What the user is told after a printout or an export was written, so the
// file can be found: its full path.
QString fileWrittenText(const QString& filePath);
// That text in an information box.
void tellFileWritten(UserInterface& ui, const QString& filePath);

// The same for one of the user's own files of `kind`: the dialog opens in the
// folder last used for that kind (the documents folder the first time), and
// the folder of the file chosen is remembered. The path comes back absolute
// (a relative one is taken in the working directory).
std::optional<QString> chooseUserFileToOpen(Program& program, FileKind kind, FileDialogRequest request);
std::optional<QString> chooseUserFileToSave(Program& program, FileKind kind, FileDialogRequest request);

} // namespace tolvane
