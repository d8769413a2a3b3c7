// The Activity Planner page and the Add Activity dialog on the offscreen
// platform: named controls, and typing and clicking through to the results.

#include "activity/activityplannerpage.h"
#include "activity/activitytexts.h"
#include "activity/addactivitydialog.h"
#include "food/foodtableio.h"
#include "menu/servingsedit.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// A key as the user presses it, so the field reports an edit.
void press(QWidget* target, int key, const QString& text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
}

TEST(ActivityPlannerPage, NamedControlsShowTheBalanceAsTheUserWorksThem)
{
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    writeAll(dir.filePath(FoodTableFileName), tableBytes({makeItem(QStringLiteral("Feast"), {1800, 1, 1, 1, 1, 1})}));
    ActivityRecord walking;
    walking.setName(QStringLiteral("Walking"));
    walking.setCaloriesPerHour(300);
    writeAll(dir.filePath(ActivityFileName), activityImage({walking}));
    App app(ui, settings, dir.path());
    MainWindow window(app);
    ASSERT_TRUE(app.program.formCreate().ok);
    window.show();
    app.program.formActivate();
    app.menu.dropOnMealList({DragSource::FoodList, 0});
    window.pageControl()->setCurrentIndex(ActivityPlannerPageIndex);
    window.refresh();
    auto* page = dynamic_cast<ActivityPlannerPage*>(window.page(ActivityPlannerPageIndex));
    ASSERT_NE(page, nullptr);

    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(w) && w->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        }
    }
    EXPECT_EQ(page->dayLabel()->text(), QStringLiteral("Sunday"));
    EXPECT_EQ(page->menuCaloriesField()->text(), QStringLiteral("1800"));
    EXPECT_TRUE(page->caloriesBurnedField()->text().isEmpty());

    page->activityList()->setCurrentRow(0);
    page->durationField()->selectAll();
    press(page->durationField(), Qt::Key_4, QStringLiteral("4"));
    press(page->durationField(), Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(page->caloriesBurnedField()->text(), QStringLiteral("225"));
    EXPECT_EQ(page->activityCaloriesField()->text(), QStringLiteral("225"));
    EXPECT_EQ(page->calorieBalanceField()->text(), QStringLiteral("1575"));

    page->durationUpDown()->upButton()->click();
    EXPECT_EQ(page->durationField()->text(), QStringLiteral("46"));
    EXPECT_EQ(page->caloriesBurnedField()->text(), QStringLiteral("230"));

    page->durationField()->selectAll();
    press(page->durationField(), Qt::Key_Backspace);
    EXPECT_TRUE(page->caloriesBurnedField()->text().isEmpty());
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
        dialog.show();
        dialog.caloriesField()->setText(QStringLiteral("many"));
        dialog.addButton()->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("The calorie field is not numeric.")});
        dialog.cancelButton()->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    AddActivityDialog again(form, ui);
    EXPECT_EQ(again.caloriesField()->text(), QStringLiteral("many"));
    again.show();
    again.caloriesField()->setText(QStringLiteral("250"));
    again.addButton()->click();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(form.record().caloriesPerHour(), 250.0L);
}

} // namespace
