#include "storage/safesave.h"

#include <QSaveFile>

namespace tolvane {

SaveResult saveFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult::CannotCreate;
    // Qt 6.4 reports a large write that the file system cut short only through
    // its count, and would still commit: check the count and cancel then.
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit();
        return SaveResult::WriteFailed;
    }
    return file.commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}

} // namespace tolvane
