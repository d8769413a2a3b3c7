// Loading "activity.db" at start-up and writing it back at close.

#include "activityfixture.h"
#include "shell/pendingsave.h"

#include <QFile>
#include <array>

namespace tolvane::test {
namespace {

Message warning17(const QString& text) { return Message::typed(text, Icon::Warning, only(Button::Ok), 17); }

TEST_F(ActivityTest, MissingFileWarnsAndIsNotCreatedAtCloseWithoutChange)
{
    start();
    EXPECT_EQ(activityMessages(), std::vector<Message>{warning17(QStringLiteral("Can not open file activity file."))});
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
    // Equal names keep their file order.
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(activity.record(row).caloriesPerHour(), (std::array{450.0L, 25.0L, 26.0L, 300.0L}[row]));
}

TEST_F(ActivityTest, TruncatedFileLoadsWholeRecordsWarnsAndIsRewrittenWholeAtClose)
{
    const QByteArray records = activityImage({activityRecord(QStringLiteral("Cycling"), 25),
                                              activityRecord(QStringLiteral("Walking"), 300)});
    writeAll(activityPath(), records + QByteArray(10, '\x07'));
    start();
    EXPECT_EQ(activityMessages(),
              std::vector<Message>{warning17(QStringLiteral("There is an error in the activity file."))});
    EXPECT_EQ(activity.count(), 2);
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()), records);

    // Cut short after a full table: still a cut record, not a 101st activity.
    std::vector<ActivityRecord> hundred;
    for (int i = 0; i < MaxActivities; ++i)
        hundred.push_back(activityRecord(QStringLiteral("Activity %1").arg(i, 3, 10, QLatin1Char('0')), i));
    writeAll(activityPath(), activityImage(hundred) + QByteArray(10, '\x07'));
    ui.messages.clear();
    activity.loadActivityTable();
    EXPECT_EQ(ui.messages, std::vector<Message>{warning17(QStringLiteral("There is an error in the activity file."))});
    EXPECT_EQ(activity.count(), MaxActivities);
    EXPECT_TRUE(app.program.activityChanged());
    EXPECT_FALSE(QFile::exists(activityPath() + QStringLiteral(".damaged")));
}

TEST_F(ActivityTest, RecordsThatCannotBeReadKeepTheWholeFileAside)
{
    std::vector<ActivityRecord> many;
    for (int i = 0; i < 101; ++i)
        many.push_back(activityRecord(QStringLiteral("Activity %1").arg(i, 3, 10, QLatin1Char('0')), i));
    const QByteArray original = activityImage(many);
    writeAll(activityPath(), original);
    start();
    EXPECT_EQ(activity.count(), 100);
    EXPECT_EQ(activityMessages(),
              std::vector<Message>{warning17(QStringLiteral(
                  "There is an error in the activity file. It holds more than 100 activities; "
                  "the first 100 were loaded. The whole file is kept as activity.db.damaged."))});
    EXPECT_EQ(readAll(activityPath() + QStringLiteral(".damaged")), original);
    app.program.formCloseQuery();  // nothing changed: the file stays
    EXPECT_EQ(readAll(activityPath()), original);

    QByteArray bad = activityImage({activityRecord(QStringLiteral("Rowing"), 600), many[0]});
    bad[ActivityRecord::Size] = '\x40';
    writeAll(activityPath(), bad);
    ui.messages.clear();
    activity.loadActivityTable();
    EXPECT_EQ(activity.names(), QStringList{QStringLiteral("Rowing")});
    EXPECT_EQ(ui.messages, std::vector<Message>{warning17(QStringLiteral(
                               "There is an error in the activity file. Record 2 is not an activity; the 1 before "
                               "it were loaded. The whole file is kept as activity.db.damaged.2."))});
    // The earlier copy is never replaced.
    EXPECT_EQ(readAll(activityPath() + QStringLiteral(".damaged")), original);
    EXPECT_EQ(readAll(activityPath() + QStringLiteral(".damaged.2")), bad);
}

TEST_F(ActivityTest, TableIsWrittenAtCloseOnlyWhenChanged)
{
    writeActivities({activityRecord(QStringLiteral("Walking"), 300)});
    start();
    writeAll(activityPath(), QByteArrayLiteral("other"));
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()), QByteArrayLiteral("other"));

    addThroughDialog(QStringLiteral("Cycling"), QStringLiteral("25"));
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()), activityImage({activityRecord(QStringLiteral("Cycling"), 25),
                                                      activityRecord(QStringLiteral("Walking"), 300)}));
}

TEST_F(ActivityTest, FailedCreateAtCloseIsReportedAndOfferedAgain)
{
    start();
    addThroughDialog(QStringLiteral("Walking"), QStringLiteral("300"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(ActivityFileName));  // a folder where the file should be
    ui.messages.clear();
    ui.answers = {Button::Ok, Button::Retry, Button::Discard};
    app.program.formCloseQuery();
    const Message offer = Message::typed(
        closemsg::notSaved(QStringLiteral("The activity table"), activityPath(), SaveResult::CannotCreate),
        Icon::Warning, Button::Retry | Button::Save | only(Button::Discard), 17);
    const Message failed = warning17(QStringLiteral("Cannot create activity table."));
    EXPECT_EQ(ui.messages, (std::vector<Message>{failed, offer, offer}));
    // The table still counts as changed, so a later close writes it.
    ASSERT_TRUE(QDir(dir.path()).rmdir(ActivityFileName));
    app.program.formCloseQuery();
    EXPECT_EQ(readAll(activityPath()), activityImage({activityRecord(QStringLiteral("Walking"), 300)}));
}

} // namespace
} // namespace tolvane::test
