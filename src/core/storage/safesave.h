#pragma once
// Replaces a file as a whole: the bytes go to a temporary file beside it, which
// is synced and renamed over the old one only when every byte was written. A
// crash, a kill or a full disk leaves the previous file as it was.

#include <QByteArray>
#include <QString>

namespace tolvane {

enum class SaveResult {
    Saved,
    CannotCreate,   // the temporary file could not be created (read-only folder, ...)
    WriteFailed,    // a write was cut short or the final rename failed; old file kept
};

SaveResult saveFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace tolvane
