// The kill test's driver: starts the program in the folder given, then saves
// the food item table, the current menu and the activity table through the
// program's own save functions, over and over, until it is killed. With
// "--start-only" it starts the program and ends; with "--backup" it backs the
// data up into the folder's "out.zip" over and over; with "--restore" it makes
// two backups of different data and restores them in turn, with the activity
// table behind a symbolic link. It takes the folder
// as the program does: a folder another run holds is left alone (the driver
// prints why and ends with status 1).

#include "app/app.h"
#include "backup/backupschedule.h"
#include "shell/datafolder.h"
#include "scriptedui.h"
#include "versions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

using namespace tolvane;
using namespace tolvane::test;

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const DataFolder prepared = prepareDataFolder(folder, StarterFolder, Seeding::Never);
    if (!prepared.ok) {
        std::printf("%s\n", qUtf8Printable(prepared.error));
        return 1;
    }
    ScriptedUi ui;
    SettingsStore settings(folder + QStringLiteral("/config/Tolvane.conf"));
    App app(ui, settings, folder);
    app.program.setDataFolderLock(prepared.lock);
    if (!app.program.formCreate().ok)
        return 1;
    const QByteArray mode = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    if (mode == "--start-only")
        return 0;
    app.program.formActivate();
    app.backups.documentsFolder = folder;
    if (mode == "--backup" || mode == "--restore") {
        // Answers every question Yes, and names the file of every dialog.
        const auto run = [&](Command command, const QString& name) {
            ui.saveAnswers = {folder + u'/' + name};
            ui.openAnswers = {folder + u'/' + name};
            ui.answers = {Button::Yes};
            app.program.execute(command);
            ui.messages.clear();
        };
        if (mode == "--restore") {
            // The activity table behind a link, as a user may keep it: a restore writes through it.
            const QString linked = folder + QStringLiteral("/activity.db");
            if (!QFileInfo(linked).isSymLink()) {
                QDir(folder).mkdir(QStringLiteral("kept"));
                QFile::rename(linked, folder + QStringLiteral("/kept/activity.db"));
                QFile::link(QStringLiteral("kept/activity.db"), linked);
            }
            for (int v = 0; v < 2; ++v) {
                kill::writeVersion(folder, v);
                run(Command::BackUpData, kill::archiveName(v));
            }
        }
        std::puts("saving");
        std::fflush(stdout);
        for (int v = 0;; ++v) {
            if (mode == "--backup") {
                kill::writeVersion(folder, v % 2);
                run(Command::BackUpData, QStringLiteral("out.zip"));
            } else {
                run(Command::RestoreFromBackup, kill::archiveName(v % 2));
            }
        }
    }
    std::puts("saving");
    std::fflush(stdout);

    for (int v = 0;; ++v) {
        app.foods.foodTable().assign(kill::foodVersion(v));
        app.foods.saveFoodTable();
        app.menu.dayPageChange(v % 7);
        // One to five rows of "Walking", each change written.
        if (app.activity.count() >= kill::MaxActivityRows) {
            while (app.activity.count() > 1) {
                app.activity.listClick(0);
                ui.answers = {Button::Yes};
                app.activity.deleteActivity();
                app.activity.saveActivityTable();
            }
        }
        ui.activityAnswers.push_back({ActivityAttempt{QStringLiteral("Walking"), QStringLiteral("300"), true}});
        app.activity.addActivity();
        app.activity.saveActivityTable();
        ui.messages.clear();
    }
}
