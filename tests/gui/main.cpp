// Widget tests run without a display, on Qt's offscreen platform.

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    // Tests print on no real printer: only on the private queue that
    // tools/cups-print-test.sh names, else on none at all.
    if (qEnvironmentVariableIsEmpty("TOLVANE_CUPS_QUEUE"))
        qputenv("CUPS_SERVER", "/nonexistent/tolvane-tests-use-no-printer.sock");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
