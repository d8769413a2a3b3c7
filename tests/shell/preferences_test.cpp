// The choices kept between runs: the folders of the file dialogs, the zoom,
// and their checks on what the settings file holds.

#include "shell/preferences.h"
#include "shell/program.h"
#include "shell/zoom.h"
#include "appfixture.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace tolvane::test {
namespace {

class PreferencesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString conf = dir.filePath(QStringLiteral("Tolvane.conf"));
    QString documents = dir.filePath(QStringLiteral("Documents"));
    SettingsStore store{conf};
    Preferences preferences{store, documents};

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(documents)); }

    void storeRaw(const QString& key, const QVariant& value)
    {
        QSettings raw(conf, QSettings::NativeFormat);
        raw.setValue(key, value);
    }
};

TEST_F(PreferencesTest, EachKindOfFileStartsInDocumentsThenInItsOwnLastFolder)
{
    const QString menus = dir.filePath(QStringLiteral("menus"));
    const QString recipes = dir.filePath(QStringLiteral("recipes"));
    ASSERT_TRUE(QDir().mkpath(menus) && QDir().mkpath(recipes));
    for (FileKind kind : {FileKind::Menu, FileKind::Recipe, FileKind::WeightLog, FileKind::Csv, FileKind::Pdf})
        EXPECT_EQ(preferences.startFolder(kind), documents);

    preferences.rememberFile(FileKind::Menu, menus + QStringLiteral("/week.mnu"));
    preferences.rememberFile(FileKind::Recipe, recipes + QStringLiteral("/soup.rcp"));
    // A restart reads them back from the file.
    SettingsStore again(conf);
    const Preferences next(again, documents);
    EXPECT_EQ(next.startFolder(FileKind::Menu), menus);
    EXPECT_EQ(next.startFolder(FileKind::Recipe), recipes);
    EXPECT_EQ(next.startFolder(FileKind::Pdf), documents);

    // A folder that is gone, a relative one and an overlong text fall back.
    ASSERT_TRUE(QDir(recipes).removeRecursively());
    EXPECT_EQ(next.startFolder(FileKind::Recipe), documents);
    storeRaw(QStringLiteral("Folders/Menus"), QStringLiteral("menus"));
    EXPECT_EQ(next.startFolder(FileKind::Menu), documents);
    storeRaw(QStringLiteral("Folders/Menus"), QString(5000, u'/'));
    EXPECT_EQ(next.startFolder(FileKind::Menu), documents);
}

TEST_F(PreferencesTest, ZoomKeepsOnlyItsStepsAndMultipliesTheDesktopScale)
{
    EXPECT_EQ(preferences.zoom(), 100);
    preferences.setZoom(200);
    SettingsStore again(conf);
    EXPECT_EQ(Preferences(again, documents).zoom(), 200);

    for (const QVariant& bad : {QVariant(7000), QVariant(99), QVariant(0), QVariant(-200), QVariant(130),
                                QVariant(QStringLiteral("big"))}) {
        storeRaw(ZoomKey, bad);
        EXPECT_EQ(preferences.zoom(), 100) << bad.toString().toStdString();
    }
    preferences.setZoom(7000);
    EXPECT_EQ(preferences.zoom(), 100);

    const struct {
        int zoom;
        QByteArray desktop;
        double scale;
    } cases[] = {{100, "", 1.0},   {200, "", 2.0},     {150, "2", 3.0},     {300, "1.25", 3.75},
                 {125, "abc", 1.25}, {200, "-1", 2.0}, {200, "0", 2.0},     {7000, "1", 1.0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(interfaceScale(c.zoom, c.desktop), c.scale) << c.zoom << " " << c.desktop.toStdString();
}

// The first start's zoom: the largest step at which the window fits three
// quarters of the screen in both directions; it counts as chosen once kept.
TEST_F(PreferencesTest, TheFirstStartsZoomFitsThreeQuartersOfTheScreen)
{
    const QSize window(632, 445);
    const struct {
        QSize available;
        int zoom;
    } cases[] = {{{1280, 1024}, 150}, {{1280, 994}, 150}, {{2560, 1440}, 200}, {{2600, 1600}, 250},
                 {{3840, 2160}, 300}, {{1024, 768}, 100},  {{800, 600}, 100},   {{948 * 4 / 3, 2000}, 150}};
    for (const auto& c : cases)
        EXPECT_EQ(fittingZoom(window, c.available), c.zoom) << c.available.width() << "x" << c.available.height();

    EXPECT_FALSE(preferences.zoomStored());
    storeRaw(ZoomKey, QStringLiteral("big"));
    EXPECT_TRUE(preferences.zoomStored());
    EXPECT_EQ(zoommsg::chosenToFit(150),
              QStringLiteral("Tolvane chose a zoom of 150% to fit your screen; \"Main\" > \"Zoom...\" changes it."));
}

TEST_F(PreferencesTest, NumbersAndTextsOutOfRangeReadAsTheirDefaults)
{
    preferences.write({{QStringLiteral("A"), 2}, {QStringLiteral("B"), QStringLiteral("72.5")}});
    EXPECT_EQ(preferences.number(QStringLiteral("A"), 1, 0, 2), 2);
    EXPECT_EQ(preferences.number(QStringLiteral("A"), 1, 0, 1), 1);
    EXPECT_EQ(preferences.number(QStringLiteral("missing"), 1, 0, 2), 1);
    EXPECT_EQ(preferences.text(QStringLiteral("B"), 40), QStringLiteral("72.5"));
    EXPECT_EQ(preferences.text(QStringLiteral("B"), 3), QString());
    storeRaw(QStringLiteral("A"), QStringLiteral("two"));
    EXPECT_EQ(preferences.number(QStringLiteral("A"), 1, 0, 2), 1);
}

TEST(PreferencesUnwritable, AStoreThatCannotOpenGivesDefaultsAndKeepsNothing)
{
    QTemporaryDir dir;
    // A settings "file" that is a folder cannot be opened for writing.
    const QString conf = dir.filePath(QStringLiteral("Tolvane.conf"));
    ASSERT_TRUE(QDir().mkpath(conf));
    SettingsStore store(conf);
    Preferences preferences(store, dir.path());
    preferences.setZoom(200);
    EXPECT_EQ(preferences.zoom(), 100);
    EXPECT_EQ(preferences.startFolder(FileKind::Menu), dir.path());
}

// The program's own dialogs, through the commands.
class UserFoldersTest : public AppTest {};

TEST_F(UserFoldersTest, DialogsForTheUsersFilesStartInDocumentsThenWhereTheLastOneWent)
{
    const QString documents = Preferences::userDocumentsFolder();
    const QString elsewhere = path(QStringLiteral("mine"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    const struct {
        Command command;
        bool open;
    } commands[] = {{Command::LoadMenu, true}, {Command::SaveMenuAs, false}, {Command::LoadRecipe, true},
                    {Command::ImportFoodItemsCsv, true}, {Command::ExportFoodItemsCsv, false}};
    for (const auto& c : commands) {
        auto& requests = c.open ? ui.openRequests : ui.saveRequests;
        const std::size_t before = requests.size();
        program.execute(c.command);  // cancelled
        ASSERT_EQ(requests.size(), before + 1) << static_cast<int>(c.command);
        EXPECT_EQ(requests.back().initialDirectory, documents);
        EXPECT_NE(requests.back().initialDirectory, dir.path());
    }

    // A menu saved elsewhere: the menu dialogs go there next, the recipe
    // dialog still to the documents.
    ui.saveAnswers.push_back(elsewhere + QStringLiteral("/week.mnu"));
    ui.answers.push_back(Button::Yes);  // create the file
    program.execute(Command::SaveMenuAs);
    ASSERT_TRUE(QFile::exists(elsewhere + QStringLiteral("/week.mnu")));
    program.execute(Command::LoadMenu);
    EXPECT_EQ(ui.openRequests.back().initialDirectory, elsewhere);
    program.execute(Command::LoadRecipe);
    EXPECT_EQ(ui.openRequests.back().initialDirectory, documents);
}

TEST_F(UserFoldersTest, AnExportSaysWhereTheFileWent)
{
    const QString file = path(QStringLiteral("foods.csv"));
    ui.saveAnswers.push_back(file);
    program.execute(Command::ExportFoodItemsCsv);
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(ui.messages, std::vector<Message>{Message::typed(
                               QStringLiteral("The file was written to:\n") + QDir::toNativeSeparators(file),
                               Icon::Information, only(Button::Ok), GeneralHelpContext)});
    // The next export starts there.
    program.execute(Command::ExportMenuCsv);
    EXPECT_EQ(ui.saveRequests.back().initialDirectory, dir.path());
}

TEST_F(UserFoldersTest, ZoomIsChosenFromItsStepsAndAppliesAtTheNextStart)
{
    ASSERT_TRUE(program.isEnabled(Command::Zoom));
    ui.choiceAnswers.push_back(4);  // 200%
    program.execute(Command::Zoom);
    ASSERT_EQ(ui.choiceRequests.size(), 1u);
    EXPECT_EQ(ui.choiceRequests[0].items, (QStringList{QStringLiteral("100%"), QStringLiteral("125%"),
                                                       QStringLiteral("150%"), QStringLiteral("175%"),
                                                       QStringLiteral("200%"), QStringLiteral("250%"),
                                                       QStringLiteral("300%")}));
    EXPECT_EQ(ui.choiceRequests[0].current, 0);
    EXPECT_EQ(texts(), QStringList{QStringLiteral("The zoom of 200% applies at the next start of Tolvane.")});
    EXPECT_EQ(program.preferences().zoom(), 200);

    // Opened again it shows 200%; the same step or Cancel changes nothing.
    ui.messages.clear();
    ui.choiceAnswers.push_back(4);
    program.execute(Command::Zoom);
    program.execute(Command::Zoom);
    EXPECT_EQ(ui.choiceRequests.back().current, 4);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(program.preferences().zoom(), 200);
}

} // namespace
} // namespace tolvane::test
