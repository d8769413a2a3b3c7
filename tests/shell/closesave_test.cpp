// Data the program writes by itself that could not be written: the food item
// table and the current menu stay "not yet written", are tried again at
// close, and the user then chooses to try again, save elsewhere or let go.
// Leftover temporary files of the data files are removed at start-up.

#include "appfixture.h"
#include "restrictedrun.h"
#include "shell/pendingsave.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

using CloseSequence = AppTest;

Message closeBox(const QString& text)
{
    return Message::typed(text, Icon::Warning, Button::Retry | Button::Save | only(Button::Discard), 17);
}

TEST_F(CloseSequence, UnwrittenTableAndMenuAreOfferedAndCanBeSavedElsewhere)
{
    const QString elsewhere = path(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("elsewhere")));
    const auto before = files();
    const ChildRun run = runRestricted(
        Restriction::ReadOnlyFolder, dir.path(),
        [&] {
            addFoodItem(QStringLiteral("Zucchini"));
            app.menu.dayPageChange(3);
            EXPECT_TRUE(foods.foodTableUnsaved());
            EXPECT_TRUE(app.menu.currentMenuUnsaved());
            ui.messages.clear();
            // Food table: Retry (fails again), then Save in another folder. Menu: Discard.
            ui.answers = {Button::Retry, Button::Save, Button::Discard};
            ui.saveAnswers = {elsewhere + QStringLiteral("/kept.dbt")};
            program.formCloseQuery();
            for (const Message& m : ui.messages)
                EXPECT_EQ(m, closeBox(m.text));
            EXPECT_EQ(ui.saveRequests.size(), 1u);
            EXPECT_EQ(ui.saveRequests.at(0).defaultSuffix, QStringLiteral("dbt"));
            return texts();
        },
        {elsewhere});
    ASSERT_TRUE(run.exited);
    const QString food = QStringLiteral("The food item table");
    EXPECT_EQ(run.messages, (QStringList{closemsg::notSaved(food, path(FoodTableFileName), SaveResult::CannotCreate),
                                         closemsg::notSaved(food, path(FoodTableFileName), SaveResult::CannotCreate),
                                         closemsg::notSaved(QStringLiteral("The current menu"),
                                                            path(CurrentMenuFileName), SaveResult::CannotCreate)}));
    EXPECT_EQ(files(), before);
    const QByteArray kept = readAll(elsewhere + QStringLiteral("/kept.dbt"));
    EXPECT_EQ(kept.size(), 4 * FoodItem::Size);
    EXPECT_TRUE(kept.contains("Zucchini"));
}

TEST_F(CloseSequence, AFailedWriteIsTriedOnceMoreSilentlyAtClose)
{
    // A folder where a file should be: its creation fails until it is gone.
    QFile::remove(path(FoodTableFileName));
    QFile::remove(path(CurrentMenuFileName));
    ASSERT_TRUE(QDir(dir.path()).mkdir(FoodTableFileName));
    ASSERT_TRUE(QDir(dir.path()).mkdir(CurrentMenuFileName));
    addFoodItem(QStringLiteral("Zucchini"));
    app.menu.dayPageChange(2);
    EXPECT_EQ(texts(), (QStringList{foodmsg::CannotCreate, menumsg::CannotCreate}));
    ASSERT_TRUE(QDir(dir.path()).rmdir(FoodTableFileName));
    ASSERT_TRUE(QDir(dir.path()).rmdir(CurrentMenuFileName));

    ui.messages.clear();
    program.formCloseQuery();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readAll(path(FoodTableFileName)), foods.foodTable().toBytes());
    EXPECT_EQ(readAll(path(CurrentMenuFileName)), writeMenuImage(app.menu.image()));
    EXPECT_FALSE(foods.foodTableUnsaved());
    EXPECT_FALSE(app.menu.currentMenuUnsaved());
}

TEST_F(CloseSequence, WrittenDataAsksNothing)
{
    addFoodItem(QStringLiteral("Zucchini"));
    app.menu.dayPageChange(2);
    program.formCloseQuery();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.saveRequests.empty());
}

TEST_F(CloseSequence, MenuWarningIsShownOnceUntilAWriteSucceedsAgain)
{
    QFile::remove(path(CurrentMenuFileName));
    ASSERT_TRUE(QDir(dir.path()).mkdir(CurrentMenuFileName));
    app.menu.dayPageChange(1);
    app.menu.dayPageChange(2);
    app.menu.mealTabChange(1);
    EXPECT_EQ(texts(), QStringList{menumsg::CannotCreate});
    ASSERT_TRUE(QDir(dir.path()).rmdir(CurrentMenuFileName));
    app.menu.dayPageChange(3);
    EXPECT_FALSE(app.menu.currentMenuUnsaved());
    QFile::remove(path(CurrentMenuFileName));
    ASSERT_TRUE(QDir(dir.path()).mkdir(CurrentMenuFileName));
    app.menu.dayPageChange(4);
    EXPECT_EQ(texts(), (QStringList{menumsg::CannotCreate, menumsg::CannotCreate}));
}

TEST_F(CloseSequence, StartUpRemovesOnlyTheSaveLeftoversOfTheDataFiles)
{
    const QStringList leftovers = {QStringLiteral(".fooditem.dbt.tolvane-Ab12cd"),
                                   QStringLiteral(".currmenu.db.tolvane-xyz789"),
                                   QStringLiteral(".activity.db.tolvane-QQQQQQ")};
    // A user's copies, an older build's temporary name, near misses, another file's leftover.
    const QStringList kept = {QStringLiteral("fooditem.dbt.backup"),
                              QStringLiteral("fooditem.dbt.Ikpeib"),
                              QStringLiteral(".fooditem.dbt.tolvane-Ab12c"),
                              QStringLiteral(".fooditem.dbt.tolvane-Ab12c_"),
                              QStringLiteral(".week.mnu.tolvane-Ab12cd"),
                              QStringLiteral(".fooditem.dbt.tolvane-Ab12cde")};
    for (const QString& name : leftovers + kept)
        writeAll(path(name), "x");
    ScriptedUi secondUi;
    SettingsStore secondSettings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    App second{secondUi, secondSettings, dir.path()};
    // Without the folder's lock they may be another run's saves in progress.
    ASSERT_TRUE(second.program.formCreate().ok);
    for (const QString& name : leftovers + kept)
        EXPECT_TRUE(QFile::exists(path(name))) << name.toStdString();
    const auto lock = std::make_shared<DataFolderLock>(dir.path());
    ASSERT_TRUE(lock->held());
    second.program.setDataFolderLock(lock);
    ASSERT_TRUE(second.program.formCreate().ok);
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(path(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFile::exists(path(name))) << name.toStdString();
}

} // namespace

namespace {

TEST_F(CloseSequence, ASessionEndWritesEveryChangeAndTheNextStartOffersTheWeightRowsOnce)
{
    addActivity(QStringLiteral("Rowing"), QStringLiteral("500"));
    fillWeightRow();
    app.weight.log().editCell(ActualColumn, 1, QStringLiteral("tab\there"));
    ASSERT_TRUE(program.activityChanged());
    program.saveAtSessionEnd();
    EXPECT_FALSE(program.activityChanged());
    const ActivityFileRead activities = readActivityImage(readAll(path(ActivityFileName)));
    ASSERT_EQ(activities.records.size(), 2u);
    EXPECT_EQ(activities.records.at(0).name(), QStringLiteral("Rowing"));  // in name order
    const QString recovery = path(WeightRecoveryName);
    const QString date = app.weight.log().dateText(QDate(2026, 1, 5));
    EXPECT_EQ(readAll(recovery), (u'\n' + date + QStringLiteral("\t180\ttab here\n")).toUtf8());

    for (const Button answer : {Button::Yes, Button::No}) {
        writeAll(recovery, QStringLiteral("/home/u/2026.wgt\n%1\t180\t\n\t\t175\n").arg(date).toUtf8());
        ScriptedUi nextUi;
        SettingsStore nextSettings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
        App next{nextUi, nextSettings, dir.path()};
        nextUi.answers = {answer};
        ASSERT_TRUE(next.program.formCreate().ok);
        EXPECT_EQ(nextUi.messages, (std::vector<Message>{Message::typed(
                                       weightmsg::recoveryQuestion(recovery), Icon::Information,
                                       Button::Yes | Button::No, WeightHelpContext)}));
        EXPECT_FALSE(QFile::exists(recovery));
        const WeightLog& log = next.weight.log();
        if (answer == Button::Yes) {
            EXPECT_EQ(log.rowCount(), 3);
            EXPECT_EQ((QStringList{log.cell(DateColumn, 1), log.cell(PlanColumn, 1), log.cell(ActualColumn, 2)}),
                      (QStringList{date, QStringLiteral("180"), QStringLiteral("175")}));
            EXPECT_EQ(log.fileName(), QStringLiteral("/home/u/2026.wgt"));
            EXPECT_TRUE(log.unsaved() && next.program.weightChanged());
        } else {
            EXPECT_FALSE(log.unsaved());
            EXPECT_EQ(log.cell(PlanColumn, 1), QString());
        }
    }
    writeAll(recovery, "");  // holds no rows: nothing to offer
    ScriptedUi emptyUi;
    SettingsStore emptySettings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    App empty{emptyUi, emptySettings, dir.path()};
    ASSERT_TRUE(empty.program.formCreate().ok);
    EXPECT_TRUE(emptyUi.messages.empty());
    // Saved since, or asked about at an orderly close: no rows to offer.
    program.saveAtSessionEnd();
    ASSERT_TRUE(QFile::exists(recovery));
    ui.answers = {Button::No};
    EXPECT_TRUE(program.formCloseQuery());
    EXPECT_FALSE(QFile::exists(recovery));
}

} // namespace
