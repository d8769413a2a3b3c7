// Tolvane: a diet planner. Starts in the current directory, which holds the
// data files.

#include "shell/mainwindow.h"
#include "shell/program.h"
#include "shell/qtuserinterface.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvane"));

    tolvane::QtUserInterface ui;
    tolvane::SettingsStore settings;
    tolvane::Program program(ui, settings, QDir::currentPath());
    tolvane::MainWindow window(program);
    ui.setParent(&window);

    const tolvane::StartResult started = program.formCreate();
    if (!started.ok)
        return started.exitStatus;
    window.applyStartPosition();
    window.show();
    return QApplication::exec();
}
