// The Activity Planner page's list of the day's activities on the offscreen
// platform: filled by keys, buttons and menu items, read through the
// accessibility interface, with the decimal separator of the locale.

#include "activity/activityplannerpage.h"
#include "activity/activitytexts.h"
#include "activity/activityweekfile.h"
#include "qstringprint.h"
#include "windowtest.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class DayActivitiesPage : public WindowTest {
protected:
    ActivityPlannerPage* page = nullptr;

    void SetUp() override
    {
        std::vector<ActivityRecord> activities(2);
        activities[0].setName(QStringLiteral("Cycling"));
        activities[0].setCaloriesPerHour(25);
        activities[1].setName(QStringLiteral("Walking"));
        activities[1].setCaloriesPerHour(300);
        writeAll(dir.filePath(ActivityFileName), activityImage(activities));
        openWindow({makeItem(QStringLiteral("Feast"), {1800, 1, 1, 1, 1, 1})});
        window->show();
        app->program.formActivate();
        app->menu.dropOnMealList({DragSource::FoodList, 0});
        window->pageControl()->setCurrentIndex(ActivityPlannerPageIndex);
        window->refresh();
        page = static_cast<ActivityPlannerPage*>(window->page(ActivityPlannerPageIndex));
        ui.messages.clear();  // the start's "No current menu found."
    }

    void typeDuration(const QString& text)
    {
        page->durationField()->selectAll();
        typeText(page->durationField(), text);
    }
    QString cell(int row, int column) const
    {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(page->dayList());
        QAccessibleInterface* at = list->tableInterface()->cellAt(row, column);
        return at ? at->text(QAccessible::Name) : QStringLiteral("(none)");
    }
    QString readValue(QWidget* field) const
    {
        return QAccessible::queryAccessibleInterface(field)->text(QAccessible::Value);
    }
    void expectTotals(const char* activityCalories, const char* balance) const
    {
        EXPECT_EQ(readValue(page->activityCaloriesField()), QString::fromLatin1(activityCalories));
        EXPECT_EQ(readValue(page->calorieBalanceField()), QString::fromLatin1(balance));
    }
};

TEST_F(DayActivitiesPage, KeysButtonsAndMenuFillTheListThatScreenReadersRead)
{
    const QString decimal = QLocale::system().decimalPoint();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(page->dayList())->text(QAccessible::Name),
              QStringLiteral("Activities of the Day"));
    EXPECT_EQ(page->addToDayButton()->text(), QStringLiteral("Add to &Day"));
    EXPECT_EQ(window->action(Command::AddToDay)->text(), QStringLiteral("Add to Da&y"));

    // Enter in the activity list adds the selected activity.
    QAccessible::queryAccessibleInterface(page->activityList())->tableInterface()->selectRow(1);
    typeDuration(QStringLiteral("45"));
    key(page->activityList(), Qt::Key_Return);
    ASSERT_EQ(page->dayList()->topLevelItemCount(), 1);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Walking"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("45"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("225"));
    expectTotals("225", "1575");

    // The button, with a part of a minute in the locale's way: 12.708 calories.
    page->activityList()->setCurrentRow(0);
    typeDuration(QStringLiteral("30") + decimal + QStringLiteral("5"));
    page->addToDayButton()->click();
    EXPECT_EQ(cell(1, 0), QStringLiteral("Cycling"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("30") + decimal + QStringLiteral("5"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("13"));
    expectTotals("238", "1562");
    EXPECT_EQ(readValue(page->caloriesBurnedField()), QStringLiteral("13"));  // still the selected activity

    // The menu item adds too; a screen reader selects a line and Delete removes it.
    window->action(Command::AddToDay)->trigger();
    EXPECT_EQ(page->dayList()->topLevelItemCount(), 3);
    QAccessible::queryAccessibleInterface(page->dayList())->tableInterface()->selectRow(0);
    EXPECT_EQ(app->activity.dayRow(), 0);
    key(page->dayList(), Qt::Key_Delete);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Cycling"));
    expectTotals("25", "1775");  // 12.708 twice
    EXPECT_EQ(ui.messages.size(), 0u);

    // The rest by the button and the menu item; the fields are as before any list.
    page->removeButton()->click();
    window->action(Command::RemoveFromDay)->trigger();
    EXPECT_EQ(page->dayList()->topLevelItemCount(), 0);
    expectTotals("13", "1787");
    EXPECT_EQ(ui.texts(), QStringList{});
    window->action(Command::RemoveFromDay)->trigger();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("No item selected.")});

    const QByteArray saved = readAll(dir.filePath(ActivityWeekFileName));
    EXPECT_EQ(saved, QByteArray(14, '\0'));
}

TEST_F(DayActivitiesPage, AFullDayKeepsItsMinutesAndCaloriesInSight)
{
    page->activityList()->setCurrentRow(1);
    for (int i = 0; i < 20; ++i)
        page->addToDayButton()->click();
    ASSERT_EQ(page->dayList()->topLevelItemCount(), 20);
    QTreeWidget* list = page->dayList();
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_LE(list->columnViewportPosition(2) + list->columnWidth(2), list->viewport()->width());
    EXPECT_GE(list->columnWidth(0), 60);  // the name keeps some room
}

} // namespace
