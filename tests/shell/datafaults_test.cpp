// Faults of the data folder: a seeding cut short, a relative XDG_DATA_HOME,
// data files that are there but cannot be read, damaged copies kept, and
// what the clean-ups of temporary files may remove.

#include "appfixture.h"
#include "restrictedrun.h"
#include "shell/datafolder.h"

#include <QDateTime>
#include <sys/stat.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

void setMode(const QString& path, mode_t mode) { ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0); }

TEST(DataFolderFaults, ASeedingCutShortIsCompletedAtTheNextStartAndReplacesNothing)
{
    QTemporaryDir starter;
    writeAll(starter.filePath(QStringLiteral("fooditem.dbt")), "food");                      // fits
    writeAll(starter.filePath(QStringLiteral("activity.db")), QByteArray(40, 'a'));          // does not
    writeAll(starter.filePath(QStringLiteral("currmenu.db")), QByteArray(40, 'm'));
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Tolvane"));
    const ChildRun run = runRestricted(Restriction::FullDisk, dir.path(), [&] {
        return QStringList{prepareDataFolder(folder, starter.path()).error};
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.messages,
              QStringList{QStringLiteral("The file %1/activity.db cannot be written.").arg(folder)});
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(SeedingMarkName)));

    // The user changed the one file that was written before the next start,
    // and put a link where a missing one goes, to a file not there (yet).
    writeAll(QDir(folder).filePath(QStringLiteral("fooditem.dbt")), "mine");
    const QString outside = dir.filePath(QStringLiteral("elsewhere.db"));
    ASSERT_TRUE(QFile::link(outside, QDir(folder).filePath(QStringLiteral("currmenu.db"))));
    const DataFolder again = prepareDataFolder(folder, starter.path());
    EXPECT_TRUE(again.ok);
    EXPECT_FALSE(again.created);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
              (QStringList{DataFolderLockName, QStringLiteral("activity.db"), QStringLiteral("currmenu.db"),
                           QStringLiteral("fooditem.dbt")}));
    EXPECT_FALSE(QFileInfo::exists(outside));  // nothing written through the link
    EXPECT_EQ(readAll(QDir(folder).filePath(QStringLiteral("fooditem.dbt"))), "mine");
    EXPECT_EQ(readAll(QDir(folder).filePath(QStringLiteral("activity.db"))), QByteArray(40, 'a'));
}

TEST(DataFolderFaults, ARelativeXdgDataHomeIsIgnored)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const QString fallback = QDir::homePath() + QStringLiteral("/.local/share/Tolvane");
    for (const auto& [value, expected] : {std::pair{QByteArray("relative/share"), fallback},
                                          std::pair{QByteArray("./share"), fallback},
                                          std::pair{QByteArray(""), fallback},
                                          std::pair{QByteArray("/srv/share"), QStringLiteral("/srv/share/Tolvane")}}) {
        qputenv("XDG_DATA_HOME", value);
        EXPECT_EQ(userDataFolder(), expected) << value.constData();
    }
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}

// Data files that are there but cannot be read are said to be so, and none is
// written over, whatever the user does (run as a user whom permissions bind).
TEST(DataFolderFaults, UnreadableDataFilesAreNeverTakenForMissingNorWrittenOver)
{
    QTemporaryDir dir;
    const QString food = dir.filePath(FoodTableFileName);
    const QString menu = dir.filePath(CurrentMenuFileName);
    const QString activity = dir.filePath(ActivityFileName);
    writeAll(food, tableBytes(numberedItems(3)));
    writeAll(menu, writeMenuImage(MenuImage{}));
    ActivityRecord walking;
    ASSERT_EQ(walking.setName(QStringLiteral("Walking")), EncodeResult::Ok);
    ASSERT_TRUE(walking.setCaloriesPerHour(300));
    writeAll(activity, activityImage({walking}));
    const std::map<QString, QByteArray> before = {
        {food, readAll(food)}, {menu, readAll(menu)}, {activity, readAll(activity)}};
    for (const auto& [path, bytes] : before)
        setMode(path, 0200);  // the owner may write, not read

    const ChildRun run = runRestricted(Restriction::NotRoot, dir.path(), [&] {
        ScriptedUi ui;
        SettingsStore settings(dir.filePath(QStringLiteral("Tolvane.conf")));
        App app(ui, settings, dir.path());
        EXPECT_TRUE(app.program.formCreate().ok);
        app.program.formActivate();
        const QStringList start = ui.texts();
        // A food item added, another day shown, an activity added, then closed letting go.
        FoodItemAttempt attempt;
        attempt.edits.emplace_back(FoodItemForm::Name, QStringLiteral("Zucchini"));
        for (int n = 0; n < NutrientCount; ++n)
            attempt.edits.emplace_back(FoodItemForm::fieldOf(static_cast<Nutrient>(n)), QStringLiteral("1"));
        ui.foodItemAnswers.push_back({attempt});
        app.program.execute(Command::AddFoodItem);
        app.menu.dayPageChange(3);
        ui.activityAnswers.push_back({ActivityAttempt{QStringLiteral("Rowing"), QStringLiteral("600"), true}});
        app.program.execute(Command::AddActivity);
        ui.answers = {Button::Discard, Button::Discard, Button::Discard, Button::Discard};
        app.program.formCloseQuery();
        return start;
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.messages, (QStringList{foodmsg::CannotRead, menumsg::CannotReadCurrent, activitymsg::CannotRead}));
    for (const auto& [path, bytes] : before) {
        setMode(path, 0600);
        EXPECT_EQ(readAll(path), bytes) << path.toStdString();
    }

    // A folder in place of a file is there and cannot be read, for root too.
    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkdir(FoodTableFileName));
    ASSERT_TRUE(QDir(other.path()).mkdir(CurrentMenuFileName));
    ScriptedUi ui;
    SettingsStore settings(other.filePath(QStringLiteral("Tolvane.conf")));
    App app(ui, settings, other.path());
    ASSERT_TRUE(app.program.formCreate().ok);
    app.program.formActivate();
    EXPECT_EQ(ui.texts(), (QStringList{foodmsg::CannotRead, menumsg::CannotReadCurrent, activitymsg::CannotOpen}));
}

} // namespace
