// A restore through the main window's menu shows the restored foods, week
// and day in the window without a restart.

#include "food/foodlistview.h"
#include "menu/daynotebook.h"
#include "menu/menuplannerpage.h"
#include "menu/menustore.h"
#include "menu/tablistbox.h"
#include "windowtest.h"

#include <QAction>
#include <QDir>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QStringList rows(QAbstractItemModel* model)
{
    QStringList all;
    for (int r = 0; r < model->rowCount(); ++r)
        all.append(model->index(r, 0).data().toString());
    return all;
}

class BackupWindow : public WindowTest {};

TEST_F(BackupWindow, ARestoreShowsTheRestoredFoodsWeekAndDay)
{
    MenuImage week{3, 0, 0, Week{}};
    week.week[weekIndex(3, 0)].append(makeItem(QStringLiteral("Apple")), 1.5);
    writeAll(dir.filePath(CurrentMenuFileName), writeMenuImage(week));
    ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple")), makeItem(QStringLiteral("Milk"))}));
    app->backups.documentsFolder = dir.path();
    window->show();
    auto* planner = dynamic_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
    ASSERT_NE(planner, nullptr);
    const QString archive = dir.filePath(QStringLiteral("b.zip"));
    ui.saveAnswers = {archive};
    window->action(Command::BackUpData)->trigger();
    ASSERT_TRUE(QFile::exists(archive));

    // Another week on another day, and a food more.
    app->menu.dayPageChange(5);
    ui.answers = {Button::Yes};
    window->action(Command::ClearMenu)->trigger();
    app->foods.insertFoodItem(makeItem(QStringLiteral("Bread")), QString());
    window->refresh();
    ASSERT_EQ(rows(planner->foodList()->model()).size(), 3);
    ASSERT_EQ(planner->dayNotebook()->currentIndex(), 5);
    ASSERT_TRUE(window->action(Command::Undo)->isEnabled());

    ui.openAnswers = {archive};
    ui.answers = {Button::Yes};
    window->action(Command::RestoreFromBackup)->trigger();
    EXPECT_EQ(rows(planner->foodList()->model()), QStringList({QStringLiteral("Apple"), QStringLiteral("Milk")}));
    EXPECT_EQ(planner->dayNotebook()->currentIndex(), 3);
    EXPECT_EQ(rows(planner->mealList()->model()), QStringList{mealLine(QStringLiteral("Apple"), 1.5)});
    // The changes before the restore no longer fit its data: none is left to undo.
    EXPECT_FALSE(window->action(Command::Undo)->isEnabled());
}

} // namespace
