// A second start on a data folder that a running program holds brings that
// program's main window to the front, raised over other windows and active,
// and ends: on a real X server, with a window manager and without.

#include "food/foodtableio.h"
#include "shell/folderlock.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "app/secondstart.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QString rootProperty(const QString& name)
{
    QProcess process;
    process.start(QStringLiteral("xprop"), {QStringLiteral("-root"), name});
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The program's top-level X windows, the topmost last, as the window manager
// stacks them (its client list), or as the server does without one.
QStringList stacking()
{
    QStringList ids;
    if (qgetenv("TOLVANE_X11_WM") == "openbox") {
        for (const QRegularExpressionMatch& m :
             QRegularExpression(QStringLiteral("0x([0-9a-f]+)")).globalMatch(rootProperty(QStringLiteral("_NET_CLIENT_LIST_STACKING"))))
            ids.append(QString::number(m.captured(1).toULongLong(nullptr, 16)));
        return ids;
    }
    QProcess process;  // xwininfo lists the root's children topmost first
    process.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")});
    process.waitForFinished(5000);
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("^\\s+0x([0-9a-f]+)"), QRegularExpression::MultilineOption)
             .globalMatch(QString::fromUtf8(process.readAllStandardOutput())))
        ids.prepend(QString::number(m.captured(1).toULongLong(nullptr, 16)));
    return ids;
}

// The X window the window manager says is active (none without one).
QString activeWindow()
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("0x([0-9a-f]+)")).match(rootProperty(QStringLiteral("_NET_ACTIVE_WINDOW")));
    return m.hasMatch() ? QString::number(m.captured(1).toULongLong(nullptr, 16)) : QString();
}

bool inFront(const QWidget* window, const QWidget* other)
{
    const QStringList order = stacking();
    const qsizetype ours = order.indexOf(QString::number(window->winId()));
    return ours >= 0 && ours > order.indexOf(QString::number(other->winId()));
}

} // namespace

TEST(SecondStartOnX11, TheFirstWindowIsRaisedAndActiveAndTheSecondEnds)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), tableBytes({makeItem(QStringLiteral("Apple"))}));
    const DataFolderLock lock(dir.path());
    ASSERT_TRUE(lock.held());
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    App app(ui, settings, dir.path());
    MainWindow window(app);
    const SecondStartListener listener(dir.path(), &window);
    ASSERT_TRUE(listener.listening());
    ASSERT_TRUE(app.program.formCreate().ok);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 10000));

    // Another window over it, active.
    QWidget cover;
    cover.setWindowTitle(QStringLiteral("Another program"));
    cover.setGeometry(window.geometry().adjusted(-20, -20, 20, 20));
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover, 10000));
    cover.raise();
    cover.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cover.isActiveWindow() && inFront(&cover, &window); }, 10000));

    QProcess second;
    QEventLoop loop;
    QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    second.start(QStringLiteral(TOLVANE_PROGRAM), {QStringLiteral("--data-dir"), dir.path()});
    loop.exec();  // the first answers from this loop
    ASSERT_EQ(second.state(), QProcess::NotRunning) << "the second start waits (for its message box?)";
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError()).contains(QStringLiteral("already open")));

    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow() && inFront(&window, &cover); }, 10000));
    EXPECT_TRUE(window.isActiveWindow());
    EXPECT_TRUE(inFront(&window, &cover));
    if (qgetenv("TOLVANE_X11_WM") == "openbox") {
        EXPECT_EQ(activeWindow(), QString::number(window.winId()));
    }
}
