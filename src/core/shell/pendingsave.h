#pragma once
// Data the program writes by itself into its working directory (at every
// change, or at close) whose last write failed. Closing must not lose it
// silently: it is tried once more, and if that fails too the user is told
// which data it is and chooses to try again, to save it to another file, or to
// close without it.

#include "shell/userinterface.h"
#include "storage/safesave.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace tolvane {

struct PendingSave {
    QString description;         // "The food item table"
    QString fileName;            // its file in the working directory
    FileDialogRequest elsewhere; // the dialog for saving it to another file
    std::function<bool()> unsaved;          // true while the last write failed
    std::function<QByteArray()> bytes;      // the file's bytes now
    std::function<void()> written;          // the data reached its own file
};

namespace closemsg {
// The box of a write that failed at close, with Retry, Save and Discard.
QString notSaved(const QString& description, const QString& path, SaveResult result);
} // namespace closemsg

// Tries once more to write the data to its file; then, while that fails, asks
// the user. Returns true when the data was written to its file or elsewhere.
bool keepBeforeClose(UserInterface& ui, const QString& workDir, const PendingSave& data);

} // namespace tolvane
