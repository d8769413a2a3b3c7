// Loading "activity.db" at start-up and writing it back at close.

#include "activityfixture.h"

#include <QFile>

namespace tolvane::test {
namespace {

const Message Warning17(const QString& text)
{
    return Message::typed(text, Icon::Warning, only(Button::Ok), GeneralHelpContext);
}

TEST_F(ActivityTest, MissingFileWarnsAndIsNotCreatedAtCloseWithoutChange)
{
    start();
    ASSERT_EQ(activityMessages().size(), 1u);
    EXPECT_EQ(activityMessages()[0], Warning17(QStringLiteral("Can not open file activity file.")));
    EXPECT_EQ(activityMessages()[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(activity.count(), 0);
    app.program.formCloseQuery();
    EXPECT_FALSE(QFile::exists(activityPath()));
}

TEST_F(ActivityTest, UnsortedFileLoadsInNameOrderWithEachValueOnItsRow)
{
    writeActivities({activityRecord(QStringLiteral("walking"), 300), activityRecord(QStringLiteral("Cycling"), 25),
                     activityRecord(QStringLiteral("Aerobics"), 450), activityRecord(QStringLiteral("Cycling"), 26)});
    start();
    EXPECT_TRUE(activityMessages().empty());
    EXPECT_EQ(activity.names(), (QStringList{QStringLiteral("Aerobics"), QStringLiteral("Cycling"),
                                             QStringLiteral("Cycling"), QStringLiteral("walking")}));
    EXPECT_EQ(activity.record(0).caloriesPerHour(), 450.0L);
    // Equal names keep their file order.
    EXPECT_EQ(activity.record(1).caloriesPerHour(), 25.0L);
    EXPECT_EQ(activity.record(2).caloriesPerHour(), 26.0L);
    EXPECT_EQ(activity.record(3).caloriesPerHour(), 300.0L);
    EXPECT_FALSE(app.program.activityChanged());
}

TEST_F(ActivityTest, TruncatedFileLoadsWholeRecordsWarnsAndIsRewrittenWholeAtClose)
{
    const std::vector<ActivityRecord> records{activityRecord(QStringLiteral("Cycling"), 25),
                                              activityRecord(QStringLiteral("Walking"), 300)};
    writeAll(activityPath(), activityImage(records) + QByteArray(10, '\x07'));
    start();
    ASSERT_EQ(activityMessages().size(), 1u);
    EXPECT_EQ(activityMessages()[0], Warning17(QStringLiteral("There is an error in the activity file.")));
    EXPECT_EQ(activity.count(), 2);
    EXPECT_TRUE(app.program.activityChanged());
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()), activityImage(records));
    EXPECT_FALSE(QFile::exists(activityPath() + QStringLiteral(".damaged")));
}

TEST_F(ActivityTest, RecordsThatCannotBeReadKeepTheWholeFileAside)
{
    // More activities than the table holds: the first 100 are loaded.
    std::vector<ActivityRecord> many;
    for (int i = 0; i < 101; ++i)
        many.push_back(activityRecord(QStringLiteral("Activity %1").arg(i, 3, 10, QLatin1Char('0')), i));
    const QByteArray original = activityImage(many);
    writeAll(activityPath(), original);
    start();
    EXPECT_EQ(activity.count(), 100);
    EXPECT_EQ(activity.names().last(), QStringLiteral("Activity 099"));
    ASSERT_EQ(activityMessages().size(), 1u);
    EXPECT_EQ(activityMessages()[0],
              Warning17(QStringLiteral("There is an error in the activity file. It holds more than 100 activities; "
                                       "the first 100 were loaded. The whole file is kept as activity.db.damaged.")));
    EXPECT_EQ(readAll(activityPath() + QStringLiteral(".damaged")), original);
    // Nothing changed yet, so the file stays as it is at close.
    EXPECT_FALSE(app.program.activityChanged());
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()), original);
}

TEST_F(ActivityTest, RecordWithAnOverlongNameStopsTheLoad)
{
    QByteArray bytes = activityImage({activityRecord(QStringLiteral("Rowing"), 600),
                                      activityRecord(QStringLiteral("Skiing"), 500)});
    bytes[ActivityRecord::Size] = '\x40';
    writeAll(activityPath(), bytes);
    activity.loadActivityTable();
    EXPECT_EQ(activity.names(), QStringList{QStringLiteral("Rowing")});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("There is an error in the activity file. Record 2 is not an activity; the 1 before it "
                             "were loaded. The whole file is kept as activity.db.damaged."));
    EXPECT_EQ(readAll(activityPath() + QStringLiteral(".damaged")), bytes);
}

TEST_F(ActivityTest, TableIsWrittenAtCloseOnlyWhenChanged)
{
    writeActivities({activityRecord(QStringLiteral("Walking"), 300)});
    start();
    // Something else replaces the file while the program runs: no change of
    // the table, so the close leaves it alone.
    writeAll(activityPath(), QByteArrayLiteral("other"));
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()), QByteArrayLiteral("other"));

    addThroughDialog(QStringLiteral("Cycling"), QStringLiteral("25"));
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()), activityImage({activityRecord(QStringLiteral("Cycling"), 25),
                                                      activityRecord(QStringLiteral("Walking"), 300)}));
}

TEST_F(ActivityTest, UnusedBytesOfLoadedRecordsSurviveTheRewrite)
{
    QByteArray bytes = activityImage({activityRecord(QStringLiteral("Golf"), 250),
                                      activityRecord(QStringLiteral("Swimming"), 500)});
    bytes[10] = '\x33';
    bytes[ActivityRecord::Size + 30] = '\x44';
    writeAll(activityPath(), bytes);
    start();
    activity.listClick(0);
    ui.answers.push_back(Button::Yes);
    app.program.execute(Command::DeleteActivity);
    addThroughDialog(QStringLiteral("Golf"), QStringLiteral("250"));
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()),
              activityImage({activityRecord(QStringLiteral("Golf"), 250)}) + bytes.mid(ActivityRecord::Size));
}

TEST_F(ActivityTest, FailedWriteAtCloseIsReportedAndLeavesTheOldFile)
{
    start();
    addThroughDialog(QStringLiteral("Walking"), QStringLiteral("300"));
    // A folder where the file should be: it cannot be created.
    ASSERT_TRUE(QDir(dir.path()).mkdir(ActivityFileName));
    ui.messages.clear();
    app.program.formCloseQuery();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], Warning17(QStringLiteral("Cannot create activity table.")));
    EXPECT_TRUE(QFileInfo(activityPath()).isDir());
}

} // namespace
} // namespace tolvane::test
