// The Activity Planner page and the Add Activity dialog on the offscreen
// platform: names of the controls, typing and clicking through to the results.

#include "activity/activityplannerpage.h"
#include "activity/activitytexts.h"
#include "activity/addactivitydialog.h"
#include "food/foodtableio.h"
#include "menu/servingsedit.h"
#include "shell/app.h"
#include "shell/mainwindow.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

ActivityRecord record(const QString& name, long double calories)
{
    ActivityRecord r;
    r.setName(name);
    r.setCaloriesPerHour(calories);
    return r;
}

// Keys as the user presses them, so the field reports an edit.
void press(QWidget* target, int key, const QString& text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

void type(QWidget* target, const QString& text)
{
    for (QChar c : text)
        press(target, c.unicode(), QString(c));
}

class ActivityPageTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    std::unique_ptr<App> app;
    std::unique_ptr<MainWindow> window;
    ActivityPlannerPage* page = nullptr;

    void SetUp() override
    {
        writeAll(dir.filePath(FoodTableFileName),
                 tableBytes({makeItem(QStringLiteral("Feast"), {1800, 200, 60, 50, 900, 100})}));
        writeAll(dir.filePath(ActivityFileName),
                 activityImage({record(QStringLiteral("Cycling"), 25), record(QStringLiteral("Walking"), 300)}));
        app = std::make_unique<App>(ui, settings, dir.path());
        window = std::make_unique<MainWindow>(*app);
        ASSERT_TRUE(app->program.formCreate().ok);
        window->show();
        app->program.formActivate();
        app->menu.dropOnMealList({DragSource::FoodList, 0});
        app->menu.endDrag(DragSource::FoodList);
        window->pageControl()->setCurrentIndex(ActivityPlannerPageIndex);
        window->refresh();
        page = dynamic_cast<ActivityPlannerPage*>(window->page(ActivityPlannerPageIndex));
        ASSERT_NE(page, nullptr);
    }
};

TEST_F(ActivityPageTest, EveryControlIsNamedAndShowsTheStartState)
{
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(w) && w->isVisibleTo(page) && w->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        }
    }
    EXPECT_EQ(page->activityList()->accessibleName(), QStringLiteral("Activity"));
    EXPECT_EQ(page->balanceGroup()->title(), QStringLiteral("Calorie Balance"));
    EXPECT_EQ(page->durationField()->text(), QStringLiteral("60"));
    EXPECT_EQ(page->dayLabel()->text(), QStringLiteral("Sunday"));
    EXPECT_EQ(page->menuCaloriesField()->text(), QStringLiteral("1800"));
    EXPECT_TRUE(page->caloriesBurnedField()->isReadOnly());
    EXPECT_TRUE(page->calorieBalanceField()->text().isEmpty());
    ASSERT_EQ(page->activityList()->count(), 2);
    EXPECT_EQ(page->activityList()->item(1)->text(), QStringLiteral("Walking"));
}

TEST_F(ActivityPageTest, ClickingTypingAndSpinningShowTheBalance)
{
    page->activityList()->setCurrentRow(1);
    EXPECT_EQ(page->caloriesBurnedField()->text(), QStringLiteral("300"));
    EXPECT_EQ(page->activityCaloriesField()->text(), QStringLiteral("300"));
    EXPECT_EQ(page->calorieBalanceField()->text(), QStringLiteral("1500"));

    page->durationField()->selectAll();
    type(page->durationField(), QStringLiteral("45"));
    EXPECT_EQ(page->caloriesBurnedField()->text(), QStringLiteral("225"));
    EXPECT_EQ(page->calorieBalanceField()->text(), QStringLiteral("1575"));

    page->durationUpDown()->upButton()->click();
    EXPECT_EQ(page->durationField()->text(), QStringLiteral("46"));
    EXPECT_EQ(page->caloriesBurnedField()->text(), QStringLiteral("230"));

    page->durationField()->selectAll();
    press(page->durationField(), Qt::Key_Backspace);
    EXPECT_TRUE(page->caloriesBurnedField()->text().isEmpty());
    EXPECT_TRUE(page->activityCaloriesField()->text().isEmpty());
    EXPECT_TRUE(page->calorieBalanceField()->text().isEmpty());
}

TEST(AddActivityDialog, RefusedAddKeepsItOpenAndCancelKeepsTheTexts)
{
    ScriptedUi ui;
    ActivityForm form;
    form.nameText = QStringLiteral("Golf");
    {
        AddActivityDialog dialog(form, ui);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Activity"));
        EXPECT_EQ(dialog.nameField()->text(), QStringLiteral("Golf"));
        EXPECT_EQ(dialog.nameField()->maxLength(), 30);
        EXPECT_TRUE(dialog.addButton()->isDefault());
        EXPECT_EQ(dialog.addButton()->accessibleName(), QStringLiteral("Add"));
        dialog.show();
        dialog.caloriesField()->setText(QStringLiteral("many"));
        dialog.addButton()->click();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("The calorie field is not numeric."));
        dialog.cancelButton()->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(form.caloriesText, QStringLiteral("many"));

    AddActivityDialog again(form, ui);
    EXPECT_EQ(again.caloriesField()->text(), QStringLiteral("many"));
    again.show();
    again.caloriesField()->setText(QStringLiteral("250"));
    again.addButton()->click();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(form.record().name(), QStringLiteral("Golf"));
    EXPECT_EQ(form.record().caloriesPerHour(), 250.0L);
}

} // namespace
