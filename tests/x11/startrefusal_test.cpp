// A start that is refused (the data folder is a file, cannot be made, or its
// lock file is damaged) is told in a message box when there is a screen:
// started from a launcher, nobody reads the terminal. The box waits for the
// user, Return closes it, and the program then ends with status 1; the same
// text goes to the terminal.

#include "shell/userinterface.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace tolvane;

namespace {

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The viewable top-level window of a process, or empty.
QString shownWindowOf(qint64 pid)
{
    const QStringList ids = output(QStringLiteral("xdotool"),
                                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                    QString::number(pid)})
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return ids.isEmpty() ? QString() : ids.last();
}

struct Refusal {
    const char* name;
    // Makes the case in a scratch folder; gives the --data-dir to start with.
    std::function<QString(const QDir&)> arrange;
    std::function<QString(const QString& folder)> text;
};

const Refusal Refusals[] = {
    {"a file where the folder should be",
     [](const QDir& scratch) {
         QFile file(scratch.filePath(QStringLiteral("plain")));
         file.open(QIODevice::WriteOnly);
         return file.fileName();
     },
     [](const QString& folder) { return folder + QStringLiteral(" is not a folder."); }},
    {"a folder that cannot be made",
     [](const QDir& scratch) {
         QFile file(scratch.filePath(QStringLiteral("plain")));
         file.open(QIODevice::WriteOnly);
         return scratch.filePath(QStringLiteral("plain/data"));
     },
     [](const QString& folder) { return QStringLiteral("The folder ") + folder + QStringLiteral(" cannot be created."); }},
    {"a lock file that is a folder",
     [](const QDir& scratch) {
         scratch.mkpath(QStringLiteral("data/.tolvane.lock"));
         return scratch.filePath(QStringLiteral("data"));
     },
     [](const QString& folder) {
         return QStringLiteral("The lock file ") + folder +
                QStringLiteral("/.tolvane.lock is damaged. If no Tolvane is running with this folder, remove it.");
     }},
};

} // namespace

TEST(StartRefusalOnX11, IsShownInAMessageBoxThatReturnCloses)
{
    for (const Refusal& refusal : Refusals) {
        SCOPED_TRACE(refusal.name);
        QTemporaryDir scratch;
        const QString folder = refusal.arrange(QDir(scratch.path()));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.filePath(QStringLiteral("config")));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TOLVANE_PROGRAM), {QStringLiteral("--data-dir"), folder});
        ASSERT_TRUE(program.waitForStarted(5000));

        QString box;
        (void)QTest::qWaitFor([&] {
            return !(box = shownWindowOf(program.processId())).isEmpty() || program.state() == QProcess::NotRunning;
        }, 15000);
        ASSERT_FALSE(box.isEmpty()) << "no window shown; the program "
                                    << (program.state() == QProcess::NotRunning ? "ended" : "runs");
        EXPECT_EQ(output(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), box}),
                  Message::typed(QString(), Icon::Warning, only(Button::Ok), 0).caption);
        EXPECT_EQ(program.state(), QProcess::Running) << "the box must wait for the user";

        output(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), box});
        output(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
        EXPECT_TRUE(program.waitForFinished(10000)) << "Return did not close the box";
        EXPECT_EQ(program.exitCode(), 1);
        // The program's own lines (Qt may warn, a sanitizer report its suppressions).
        const QStringList own = QString::fromUtf8(program.readAllStandardError())
                                    .split(QLatin1Char('\n'))
                                    .filter(QRegularExpression(QStringLiteral("^tolvane: ")));
        EXPECT_EQ(own, QStringList{QStringLiteral("tolvane: ") + refusal.text(folder)});
        if (program.state() != QProcess::NotRunning)
            program.kill(), program.waitForFinished(5000);
    }
}
