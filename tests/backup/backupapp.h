#pragma once
// The whole program with a clock of its own, and a home folder (the scratch
// directory) with a documents folder in it, and a week, a recipe and a weight log loaded from the
// user's files, so that a backup has something of every kind to take.

#include "../shell/appfixture.h"
#include "backupfixture.h"
#include "backup/backupschedule.h"
#include "backup/backuptexts.h"

namespace tolvane::test {

class BackupTest : public AppTest {
protected:
    QDateTime clock = QDateTime(QDate(2026, 12, 8), QTime(9, 30));
    QString documents;

    void SetUp() override
    {
        documents = dir.filePath(QStringLiteral("Documents"));
        QDir().mkpath(documents);
        app.backups.documentsFolder = documents;
        app.backups.homeFolder = dir.path();
        app.backups.now = [this] { return clock; };
        AppTest::SetUp();
    }

    QString doc(const QString& name) const { return QDir(documents).filePath(name); }
    QString backups() const { return app.backups.backupsFolder(); }

    // The user loads a week, a recipe and a weight log from the documents folder
    // (and has added an item from USDA).
    void loadUserFiles()
    {
        writeAll(doc(QStringLiteral("week.mnu")), sampleMenu(QStringLiteral("Pear"), 60));
        writeAll(doc(QStringLiteral("bread.rcp")), sampleRecipe());
        writeAll(doc(QStringLiteral("log.wgt")), sampleWeights());
        writeAll(path(UsdaLinksFileName), sampleLinks());  // an item added from USDA before
        ui.answers = {Button::No};  // no save of the week shown before
        ui.openAnswers = {doc(QStringLiteral("week.mnu"))};
        program.execute(Command::LoadMenu);
        ui.openAnswers = {doc(QStringLiteral("bread.rcp"))};
        program.execute(Command::LoadRecipe);
        ui.openAnswers = {doc(QStringLiteral("log.wgt"))};
        program.execute(Command::LoadWeightFile);
        ui.messages.clear();
    }

    // The first activity for `minutes` on the Menu Planner's day.
    void addToDay(const QString& minutes)
    {
        app.activity.listClick(0);
        app.activity.durationChange(minutes);
        program.execute(Command::AddToDay);
    }

    // "Back Up Data..." to `path`.
    void backUp(const QString& path)
    {
        ui.saveAnswers = {path};
        program.execute(Command::BackUpData);
    }

    // "Restore from Backup..." of `path`, answering the question with `answer`.
    void restore(const QString& path, Button answer = Button::Yes)
    {
        ui.openAnswers = {path};
        ui.answers = {answer};
        program.execute(Command::RestoreFromBackup);
    }

    // The files of a folder (hidden ones too) with their bytes.
    static std::map<QString, QByteArray> filesOf(const QString& folder)
    {
        std::map<QString, QByteArray> all;
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            all[name] = readAll(QDir(folder).filePath(name));
        return all;
    }
};

} // namespace tolvane::test
