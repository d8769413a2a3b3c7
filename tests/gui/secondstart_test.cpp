// The socket a running program listens on for second starts: one per data
// folder, whatever path names it; a socket left by a killed run is replaced;
// a folder nobody listens for gets no answer (the second start then shows
// its message box).

#include "app/secondstart.h"
#include "testfiles.h"

#include <QDir>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <future>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

TEST(SecondStart, OneSocketPerFolderAStaleOneReplacedAndNoAnswerWithoutAListener)
{
    QTemporaryDir dir;
    QTemporaryDir other;
    EXPECT_EQ(runningProgramSocket(dir.path()), runningProgramSocket(dir.path() + QStringLiteral("/../") +
                                                                     QDir(dir.path()).dirName()));
    EXPECT_NE(runningProgramSocket(dir.path()), runningProgramSocket(other.path()));
    EXPECT_FALSE(askRunningProgramToShow(dir.path(), 500));

    writeAll(runningProgramSocket(dir.path()), "left by a killed run");
    QWidget window;
    window.show();
    const SecondStartListener listener(dir.path(), &window);
    EXPECT_TRUE(listener.listening());
    std::future<bool> asked = std::async(std::launch::async, [&dir] { return askRunningProgramToShow(dir.path()); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&asked] { return asked.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5000));
    EXPECT_TRUE(asked.get());
    EXPECT_FALSE(askRunningProgramToShow(other.path(), 500));
    // A program that takes the request and never answers (hung) is no answer:
    // the second start shows its message box.
    QLocalServer silent;
    ASSERT_TRUE(silent.listen(runningProgramSocket(other.path())));
    EXPECT_FALSE(askRunningProgramToShow(other.path(), 500));
}
