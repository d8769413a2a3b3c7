// The tutor's thirteen steps, its page switches and preview demonstration,
// the information window that follows it, the help items and the first start.

#include "food/foodtableio.h"
#include "app/app.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

struct Frame {
    QString text;
    int step;
    int top;
    int left;
    int page;
    bool open;
};

class TutorTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    std::unique_ptr<App> app;

    void SetUp() override
    {
        writeAll(dir.filePath(FoodTableFileName), tableBytes(numberedItems(3)));
        app = std::make_unique<App>(ui, settings, dir.path());
        ASSERT_TRUE(app->program.formCreate().ok);
        app->program.formActivate();  // a first start: the tutor ran once
        ui.tutorsShown = 0;
        ui.informationShown = 0;
        ui.windows.clear();
        ui.servingsFocused = 0;
    }

    Frame frame(const Tutor& tutor) const
    {
        return {tutor.text(), tutor.step(), tutor.top(), tutor.left(), app->program.currentPage(), tutor.isOpen()};
    }

    // Opens the tutor from its menu item and presses "&Next" `presses` times,
    // recording what the window shows after the opening and each press.
    std::vector<Frame> walk(int presses)
    {
        std::vector<Frame> frames;
        ui.tutorScripts.push_back([this, presses, &frames](Tutor& tutor) {
            frames.push_back(frame(tutor));
            for (int i = 0; i < presses; ++i) {
                tutor.pressNext();
                frames.push_back(frame(tutor));
            }
        });
        app->program.execute(Command::Tutor);
        return frames;
    }
};

} // namespace

TEST_F(TutorTest, ThirteenStepsShowTheTextsAtTheirPlacesThenTheInformationWindow)
{
    EXPECT_TRUE(app->program.isEnabled(Command::Tutor));
    const std::vector<Frame> frames = walk(13);
    ASSERT_EQ(frames.size(), 14u);
    // The main window is at top 10, left 25; the tutor sits relative to it.
    const int top = 10;
    const int left = 25;
    const std::vector<std::pair<int, int>> places = {
        {100, 250}, {100, 250}, {250, 250}, {300, 220}, {280, 300}, {75, 25},   {100, 300},
        {30, 375},  {100, 30},  {240, 200}, {300, 0},   {250, 350}, {250, 350},
    };
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(frames[i].text, Tutor::texts().at(i));
        EXPECT_EQ(frames[i].step, i + 2);
        EXPECT_EQ(frames[i].top, top + places[i].first);
        EXPECT_EQ(frames[i].left, left + places[i].second);
        EXPECT_TRUE(frames[i].open);
    }
    EXPECT_EQ(frames[8].page, WeightPageIndex);
    EXPECT_EQ(frames[9].page, RdaPageIndex);
    EXPECT_EQ(frames[10].page, MenuPlannerPageIndex);
    EXPECT_EQ(frames[7].page, MenuPlannerPageIndex);

    const Frame& last = frames[13];
    EXPECT_FALSE(last.open);
    EXPECT_TRUE(last.text.isEmpty());
    EXPECT_EQ(last.step, 2);
    EXPECT_EQ(last.top, top + 100);
    EXPECT_EQ(last.left, left + 250);
    EXPECT_EQ(ui.windows, QStringList({QStringLiteral("tutor"), QStringLiteral("information")}));
    EXPECT_EQ(ui.servingsFocused, 1);
}

TEST_F(TutorTest, TextsAreTheProgramsOwnWordForWord)
{
    ASSERT_EQ(Tutor::texts().size(), 13);
    EXPECT_EQ(Tutor::texts().at(1),
              QStringLiteral("Items are moved from the food list to the menu or recipe planner by draging and dropping. "
                             "Select a food item, enter the number of servings and then drag to the menu day and meal."));
    EXPECT_EQ(Tutor::texts().at(0), QStringLiteral("The food item list to the left, contains all of the foods that are "
                                                   "in your database.  You can have up to 2000 items."));
    EXPECT_EQ(Tutor::texts().at(12), QStringLiteral("These are just the basic features of the program.  See the Help file "
                                                    "for a complete description of the capabilities."));
    EXPECT_EQ(Tutor::caption(), QStringLiteral("Tutor"));
}

TEST_F(TutorTest, StepElevenShowsTheTitleDialogThenThePreviewWithoutWaitingAndStepTwelveClosesIt)
{
    std::vector<int> previewsAfter;
    std::vector<bool> tutorPreviewAfter;
    std::vector<bool> focusAfter;
    ui.tutorScripts.push_back([&](Tutor& tutor) {
        for (int i = 0; i < 12; ++i) {
            tutor.pressNext();
            previewsAfter.push_back(static_cast<int>(ui.previews.size()));
            tutorPreviewAfter.push_back(app->printing.tutorPreview());
            focusAfter.push_back(tutor.takeFocusRequest());
        }
    });
    app->program.execute(Command::Tutor);

    // Press 10 runs step 11.
    EXPECT_EQ(previewsAfter[8], 0);
    EXPECT_EQ(previewsAfter[9], 1);
    ASSERT_EQ(ui.titlePrompts.size(), 1u);
    EXPECT_TRUE(ui.titlePrompts[0].prompt.isEmpty());  // the tutor's own prompt stays
    EXPECT_EQ(ui.titlePrompts[0].caption, QStringLiteral("Menu Title"));
    ASSERT_EQ(ui.previews.size(), 1u);
    EXPECT_FALSE(ui.previews[0]->request.modal);
    EXPECT_TRUE(tutorPreviewAfter[9]);
    EXPECT_EQ(ui.previewsClosed, 1);  // step 12
    EXPECT_FALSE(tutorPreviewAfter[10]);
    // The tutor takes the focus back after steps 9 to 13 only.
    EXPECT_EQ(focusAfter, std::vector<bool>({false, false, false, false, false, false, false, true, true, true, true,
                                             true}));
}

TEST_F(TutorTest, CancelOrACancelledTitleLeavesThePlannerShownAndNoPreviewFlag)
{
    ui.titleAnswers.push_back(std::nullopt);
    ui.tutorScripts.push_back([](Tutor& tutor) {
        for (int i = 0; i < 10; ++i)
            tutor.pressNext();  // step 11 with the title dialog cancelled
    });
    app->program.execute(Command::Tutor);
    EXPECT_TRUE(ui.previews.empty());
    EXPECT_FALSE(app->printing.tutorPreview());
    EXPECT_EQ(app->program.currentPage(), MenuPlannerPageIndex);
    EXPECT_EQ(ui.informationShown, 1);

    ui.tutorScripts.push_back([&](Tutor& tutor) {
        for (int i = 0; i < 9; ++i)
            tutor.pressNext();  // step 10: the RDA page
        EXPECT_EQ(app->program.currentPage(), RdaPageIndex);
        tutor.pressCancel();
        EXPECT_FALSE(tutor.isOpen());
    });
    app->program.execute(Command::Tutor);
    EXPECT_EQ(app->program.currentPage(), MenuPlannerPageIndex);
    EXPECT_TRUE(app->program.isMenuEnabled(TopMenu::FoodItem));
    EXPECT_EQ(ui.servingsFocused, 2);
    // Opened again, it starts over.
    const std::vector<Frame> frames = walk(0);
    EXPECT_EQ(frames.at(0).text, Tutor::texts().at(0));
    EXPECT_EQ(frames.at(0).step, 2);
}

TEST_F(TutorTest, TheTutorFollowsTheMainWindowWhenItMoves)
{
    app->program.formMove(200, 300);
    const std::vector<Frame> frames = walk(2);
    EXPECT_EQ(frames[0].top, 300);
    EXPECT_EQ(frames[0].left, 550);
    EXPECT_EQ(frames[2].top, 450);   // step 3 moves it down only
    EXPECT_EQ(frames[2].left, 550);
}

TEST_F(TutorTest, InformationLabelsOpenTheirTopicsAndStayReadForTheRun)
{
    EXPECT_EQ(Information::caption(), QStringLiteral("INFORMATION YOU NEED TO KNOW"));
    ui.informationScripts.push_back([](Information& information) {
        EXPECT_FALSE(information.visited(0));
        for (int i = 0; i < Information::LabelCount; ++i)
            information.clickLabel(i);
    });
    app->program.execute(Command::Tutor);
    EXPECT_EQ(ui.helpTopics, std::vector<int>({22, 32, 33, 11}));

    ui.informationScripts.push_back([](Information& information) {
        for (int i = 0; i < Information::LabelCount; ++i)
            EXPECT_TRUE(information.visited(i)) << i;
    });
    app->program.execute(Command::Tutor);
    EXPECT_EQ(ui.informationShown, 2);
}

TEST_F(TutorTest, HelpItemsOpenTheirTopicsAndNoneIsDisabled)
{
    const std::vector<std::pair<Command, int>> items = {
        {Command::HelpGeneral, 1},  {Command::HelpDietingHints, 21},   {Command::HelpLowCalorie, 4},
        {Command::HelpDiabetic, 5}, {Command::HelpLowSodium, 6},       {Command::HelpLowCholesterol, 7},
        {Command::HelpRdaGuidelines, 3},
    };
    std::vector<int> expected;
    for (const auto& [command, context] : items) {
        EXPECT_TRUE(app->program.isEnabled(command));
        app->program.execute(command);
        expected.push_back(context);
    }
    EXPECT_EQ(ui.helpTopics, expected);
    for (const auto& menu : mainMenu())
        if (menu.menu == TopMenu::Help)
            for (const auto& entry : menu.entries)
                if (!entry.separator) {
                    EXPECT_TRUE(app->program.isEnabled(entry.command)) << entry.caption.toStdString();
                }
}

namespace {
// Keeps what waits for the main window on the screen, and tells in which
// order the tutor's step and the title prompt reached the screen.
class ScreenUi : public ScriptedUi {
public:
    std::vector<std::function<void()>> waiting;
    QStringList shown;
    void whenMainWindowShown(std::function<void()> action) override { waiting.push_back(std::move(action)); }
    void showTutorStep(Tutor& tutor) override
    {
        shown.append(QStringLiteral("step %1: ").arg(tutor.step()) + tutor.text() +
                     QStringLiteral(" at %1,%2 page %3").arg(tutor.left()).arg(tutor.top()).arg(page()));
    }
    std::optional<QString> askTitle(const TitlePrompt& prompt) override
    {
        shown.append(QStringLiteral("title prompt"));
        return ScriptedUi::askTitle(prompt);
    }
    std::function<int()> page;
};
} // namespace

TEST(FirstStart, TheTutorWaitsForTheMainWindowOnTheScreen)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), tableBytes(numberedItems(2)));
    ScreenUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    App app(ui, settings, dir.path());
    ASSERT_TRUE(app.program.formCreate().ok);
    ASSERT_EQ(ui.waiting.size(), 1u);  // the start's own: the weight file, the backup
    app.program.formActivate();
    EXPECT_TRUE(ui.windows.isEmpty());  // not while the window is being shown
    ASSERT_EQ(ui.waiting.size(), 2u);
    app.program.formActivate();
    EXPECT_EQ(ui.waiting.size(), 2u);  // once
    for (const auto& action : ui.waiting)
        action();
    EXPECT_EQ(ui.windows, QStringList({QStringLiteral("tutor"), QStringLiteral("information")}));
}

TEST(FirstStart, StepElevenIsOnTheScreenBeforeTheTitlePromptOpens)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), tableBytes(numberedItems(2)));
    ScreenUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    App app(ui, settings, dir.path());
    ui.page = [&app] { return app.program.currentPage(); };
    ASSERT_TRUE(app.program.formCreate().ok);
    ui.tutorScripts.push_back([](Tutor& tutor) {
        for (int i = 0; i < 10; ++i)
            tutor.pressNext();
    });
    app.program.execute(Command::Tutor);
    const int top = app.program.windowTop();
    const int left = app.program.windowLeft();
    EXPECT_EQ(ui.shown, QStringList({QStringLiteral("step 11: ") + Tutor::texts().at(10) +
                                         QStringLiteral(" at %1,%2 page %3").arg(left).arg(top + 300).arg(MenuPlannerPageIndex),
                                     QStringLiteral("title prompt")}));
}

TEST(FirstStart, TheProgramItselfOpensTheTutorOnceOnlyWhenNoSettingsExisted)
{
    QTemporaryDir dir;
    writeAll(dir.filePath(FoodTableFileName), tableBytes(numberedItems(2)));
    const QString conf = dir.filePath(QStringLiteral("Tolvane.conf"));
    {
        ScriptedUi ui;
        SettingsStore settings{conf};
        App app(ui, settings, dir.path());
        ASSERT_TRUE(app.program.formCreate().ok);
        app.program.formActivate();
        app.program.formActivate();
        EXPECT_EQ(ui.windows, QStringList({QStringLiteral("tutor"), QStringLiteral("information")}));
    }
    ScriptedUi ui;
    SettingsStore settings{conf};
    App app(ui, settings, dir.path());
    ASSERT_TRUE(app.program.formCreate().ok);
    app.program.formActivate();
    EXPECT_TRUE(ui.windows.isEmpty());
}
