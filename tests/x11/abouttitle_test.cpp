// The About box leaves the window manager room for its whole title: openbox
// draws it in its own font (sans 8 bold) beside the window icon and three
// buttons, each as wide as the title bar is high. The zoom only widens the
// box on the screen, the title's font staying the desktop's: 100% is the
// narrowest case.

#include "shell/aboutdialog.h"

#include <QFont>
#include <QFontMetrics>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using namespace tolvane;

TEST(AboutOnX11, TheFrameHasRoomForTheWholeTitle)
{
    AboutDialog about(QStringLiteral("/home/user/.local/share/Tolvane"));
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about, 10000));
    int titleBar = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QProcess xprop;
            xprop.start(QStringLiteral("xprop"),
                        {QStringLiteral("-id"), QString::number(about.winId()), QStringLiteral("_NET_FRAME_EXTENTS")});
            xprop.waitForFinished(5000);
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
                                                  .match(QString::fromUtf8(xprop.readAllStandardOutput()));
            titleBar = m.hasMatch() ? m.captured(3).toInt() : 0;
            // The frame is measured once the window manager has placed the box.
            return (titleBar > 0 || qgetenv("TOLVANE_X11_WM") != "openbox") &&
                   about.frameGeometry().width() >= about.minimumSizeHint().width();
        },
        30000));  // openbox can take seconds on a loaded machine
    if (titleBar == 0)
        titleBar = 20;  // openbox's, where no window manager runs
    QFont font(QStringLiteral("Sans"));
    font.setPointSize(8);
    font.setBold(true);
    const int title = QFontMetrics(font).horizontalAdvance(about.windowTitle());
    EXPECT_GE(about.frameGeometry().width(), title + 6 * titleBar) << "title " << title << ", bar " << titleBar;
}
