// Every save the user can trigger, in a folder that cannot be written and on a
// full disk: the user is told what happened (creation or writing), and every
// old file stays whole with no temporary file left beside it.

#include "appfixture.h"
#include "recipes/recipetexts.h"
#include "restrictedrun.h"
#include "shell/pendingsave.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

class SaveFailure : public AppTest {
protected:
    // Runs `body` under each restriction; it must show the messages given and
    // change no file.
    void expectRefused(const std::function<void()>& body, const QStringList& readOnly, const QStringList& fullDisk)
    {
        const auto before = files();
        for (const auto& [restriction, expected] : {std::pair{Restriction::ReadOnlyFolder, readOnly},
                                                    std::pair{Restriction::FullDisk, fullDisk}}) {
            const ChildRun run = runRestricted(restriction, dir.path(), [&] {
                body();
                return texts();
            });
            EXPECT_TRUE(run.exited);
            EXPECT_EQ(run.messages, expected) << (restriction == Restriction::FullDisk ? "full disk" : "read-only");
            EXPECT_EQ(files(), before);
        }
    }
};

TEST_F(SaveFailure, FoodTableAfterAnAdd)
{
    expectRefused([this] { addFoodItem(QStringLiteral("Zucchini")); }, {foodmsg::CannotCreate},
                  {foodmsg::CannotWrite});
}

TEST_F(SaveFailure, CurrentMenuWarnsOnceForManyTabClicks)
{
    expectRefused(
        [this] {
            app.menu.dayPageChange(1);
            app.menu.mealTabChange(2);
            app.menu.totalsTabChange(1);
        },
        {menumsg::CannotCreate}, {menumsg::CannotWriteCurrent});
}

TEST_F(SaveFailure, MenuFileSaveAs)
{
    writeAll(path(QStringLiteral("week.mnu")), "an older menu");
    expectRefused(
        [this] {
            ui.saveAnswers = {path(QStringLiteral("week.mnu"))};
            program.execute(Command::SaveMenuAs);
        },
        {menumsg::CannotCreate}, {menumsg::CannotWriteFile});
}

TEST_F(SaveFailure, RecipeFile)
{
    writeAll(path(QStringLiteral("soup.rcp")), "an older recipe");
    expectRefused(
        [this] {
            ui.saveAnswers = {path(QStringLiteral("soup.rcp"))};
            program.execute(Command::SaveRecipe);
        },
        {recipemsg::CannotCreate}, {recipemsg::WriteFailed});
}

TEST_F(SaveFailure, WeightFile)
{
    const QString file = path(QStringLiteral("log.wgt"));
    writeAll(file, QByteArray(40, '\x01'));
    fillWeightRow();
    expectRefused(
        [this, file] {
            ui.saveAnswers = {file};
            program.execute(Command::SaveWeightFile);
        },
        {weightmsg::cannotCreate(file)}, {weightmsg::cannotWrite(file)});
    EXPECT_EQ(weightmsg::cannotWrite(QStringLiteral("a.wgt")),
              QStringLiteral("Cannot write weight file a.wgt completely. Is the disk full? Any earlier file of that "
                             "name is unchanged."));
}

TEST_F(SaveFailure, ActivityTableAtCloseIsOfferedAgainThenDiscarded)
{
    const QString file = path(ActivityFileName);
    const QString table = QStringLiteral("The activity table");
    expectRefused(
        [this] {
            addActivity(QStringLiteral("Cycling"), QStringLiteral("25"));
            ui.answers = {Button::Discard};
            program.formCloseQuery();
        },
        {activitymsg::CannotCreate, closemsg::notSaved(table, file, SaveResult::CannotCreate)},
        {activitymsg::CannotWrite, closemsg::notSaved(table, file, SaveResult::WriteFailed)});
}

TEST(CloseMessage, SaysWhichDataWhereAndWhy)
{
    EXPECT_EQ(closemsg::notSaved(QStringLiteral("The current menu"), QStringLiteral("/home/a/currmenu.db"),
                                 SaveResult::WriteFailed),
              QStringLiteral("The current menu could not be saved to \"/home/a/currmenu.db\": the file could not be "
                             "written completely. Is the disk full?\n\nIf the program closes now, the changes are "
                             "lost. Retry to try again, Save to save it to another file, or Discard to close without "
                             "the changes."));
    EXPECT_TRUE(closemsg::notSaved(QString(), QString(), SaveResult::CannotCreate)
                    .contains(QStringLiteral("could not be created. Is the folder read-only?")));
}

} // namespace
