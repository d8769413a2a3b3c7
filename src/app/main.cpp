// Tolvane: a diet planner. Starts in the current directory, which holds the
// data files.

#include "shell/app.h"
#include "shell/mainwindow.h"
#include "shell/qtuserinterface.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvane"));

    tolvane::QtUserInterface ui;
    tolvane::SettingsStore settings;
    tolvane::App app(ui, settings, QDir::currentPath());
    tolvane::MainWindow window(app);
    ui.setParent(&window);

    const tolvane::StartResult started = app.program.formCreate();
    if (!started.ok)
        return started.exitStatus;
    window.applyStartPosition();
    window.show();
    return QApplication::exec();
}
