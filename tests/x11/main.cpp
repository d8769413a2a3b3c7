// Tests on a real X server: run by run-on-xvfb.sh, which starts one.

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    qputenv("CUPS_SERVER", "/nonexistent/tolvane-tests-use-no-printer.sock");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        std::fprintf(stderr, "These tests need an X server (QT_QPA_PLATFORM=xcb), not %s.\n",
                     qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    return RUN_ALL_TESTS();
}
