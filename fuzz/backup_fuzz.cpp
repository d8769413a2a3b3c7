// A backup archive opened with "Restore from Backup..." (the question that
// lists its files is answered No); an archive the reader takes is written
// again and must read back the same.

#include "fuzzapp.h"

#include "backup/backuparchive.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    const QByteArray bytes = fuzz::input(data, size);
    const QString chosen = QStringLiteral("chosen.zip");
    f.write(chosen, bytes);
    f.app.backups.documentsFolder = f.dir.path();
    f.ui.answers = {Button::No};
    f.choose(chosen);
    f.app.program.execute(Command::RestoreFromBackup);

    const BackupRead first = readBackupArchive(bytes);
    if (first.problem == ArchiveProblem::None) {
        const BackupRead second = readBackupArchive(writeBackupArchive(first.contents));
        if (second.problem != ArchiveProblem::None || second.contents != first.contents)
            fuzz::roundTripFailed("backup");
    }
    f.forget();
    return 0;
}
