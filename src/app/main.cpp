// Tolvane: a diet planner. Keeps its data files in the user's data folder
// unless the command line names another one.

#include "app/app.h"
#include "shell/datafolder.h"
#include "shell/preferences.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/secondstart.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

namespace {

// The options Qt's application takes for itself (-platform xcb, -style ...):
// accepted here and left to it.
void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "geometry", "title", "icon", "display", "name", "style",
                             "stylesheet", "session", "visual", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The data folder the command line asks for, the user's own by default.
// --help, --version and a bad option are answered here, before any window
// system is needed, and end the program.
QString requestedDataFolder(const QCoreApplication& application)
{
    const QString userFolder = tolvane::userDataFolder();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("A diet planner: food items, a weekly menu, recipes, a weight log "
                                                    "and activities. Without an option the data files are kept in "
                                                    "the user's data folder (%1), created with the starter food and "
                                                    "activity tables on the first start; --data-dir . keeps them in "
                                                    "the current directory.")
                                         .arg(userFolder));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the data files in <folder>, created with the starter files "
                                                    "when missing."),
                                     QStringLiteral("folder"));
    const QCommandLineOption userData(QStringLiteral("user-data"),
                                      QStringLiteral("Keep the data files in the user's data folder (%1), created "
                                                     "with the starter food and activity tables.")
                                          .arg(userFolder));
    parser.addOption(dataDir);
    parser.addOption(userData);
    addQtOptions(parser);
    parser.process(application);
    if (parser.isSet(dataDir) && parser.isSet(userData)) {
        std::fputs("tolvane: --data-dir and --user-data cannot be used together.\n", stderr);
        std::exit(2);
    }
    return parser.isSet(dataDir) ? parser.value(dataDir) : userFolder;
}

void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tolvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.04"));
}

// The zoom of "&Zoom..." scales the whole interface as one picture: Qt reads
// QT_SCALE_FACTOR once, as the application starts, so it is set here from the
// stored zoom times the factor the desktop may have set already.
void applyStoredZoom()
{
    tolvane::SettingsStore store;
    const int zoom = tolvane::Preferences(store, QString()).zoom();
    if (zoom != tolvane::DefaultZoom)
        qputenv("QT_SCALE_FACTOR",
                QByteArray::number(tolvane::interfaceScale(zoom, qgetenv("QT_SCALE_FACTOR")), 'g', 6));
}

} // namespace

int main(int argc, char* argv[])
{
    // The command line is read by a core application: a terminal without a
    // display gets --help and --version too.
    const QString folder = [&argc, argv] {
        const QCoreApplication commandLine(argc, argv);
        nameProgram();
        return requestedDataFolder(commandLine);
    }();
    applyStoredZoom();
    QApplication application(argc, argv);
    nameProgram();
    // Matches the window to its launcher and icon on a Linux desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvane.Tolvane"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tolvane")));

    const tolvane::DataFolder prepared =
        tolvane::prepareDataFolder(folder, tolvane::StarterFolder, tolvane::Seeding::WhenNew);
    if (!prepared.ok || !QDir::setCurrent(folder)) {
        const QString error =
            prepared.error.isEmpty() ? QStringLiteral("Cannot change to the folder %1.").arg(folder) : prepared.error;
        std::fprintf(stderr, "tolvane: %s\n", qUtf8Printable(error));
        // Started from a launcher, the user sees no terminal.
        if (prepared.alreadyOpen && !tolvane::askRunningProgramToShow(folder)) {
            tolvane::QtUserInterface ui;
            ui.showMessage(tolvane::Message::typed(error, tolvane::Icon::Information, tolvane::only(tolvane::Button::Ok),
                                                   tolvane::MainHelpContext));
        }
        return 1;
    }

    tolvane::QtUserInterface ui;
    tolvane::SettingsStore settings;
    tolvane::App app(ui, settings, QDir::currentPath());
    app.program.setDataFolderLock(prepared.lock);
    tolvane::MainWindow window(app);
    ui.setParent(&window);
    const tolvane::SecondStartListener listener(QDir::currentPath(), &window);

    const tolvane::StartResult started = app.program.formCreate();
    if (!started.ok)
        return started.exitStatus;
    window.applyStartPosition();
    window.show();
    return QApplication::exec();
}
