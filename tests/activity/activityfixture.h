#pragma once
// The whole program in a temporary working directory with a scripted user,
// a food table with one 1800-calorie item, and helpers for activity files.

#include "activity/activityplanner.h"
#include "activity/activitytexts.h"
#include "app/app.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane::test {

inline ActivityRecord activityRecord(const QString& name, long double caloriesPerHour)
{
    ActivityRecord record;
    EXPECT_EQ(record.setName(name), EncodeResult::Ok);
    EXPECT_TRUE(record.setCaloriesPerHour(caloriesPerHour));
    return record;
}

class ActivityTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("config/Tolvane.conf"))};
    App app{ui, settings, dir.path()};
    ActivityPlanner& activity = app.activity;

    QString activityPath() const { return dir.filePath(ActivityFileName); }
    void writeActivities(const std::vector<ActivityRecord>& records)
    {
        writeAll(activityPath(), activityImage(records));
    }

    // Start-up as the main window does it, then the first activation.
    void start()
    {
        writeAll(dir.filePath(QStringLiteral("fooditem.dbt")),
                 tableBytes({makeItem(QStringLiteral("Feast"), {1800, 200, 60, 50, 900, 100})}));
        ASSERT_TRUE(app.program.formCreate().ok);
        app.program.formActivate();
    }

    // Puts the 1800-calorie item into the shown meal.
    void eatFeast(const QString& servings = QStringLiteral("1"))
    {
        app.foods.setServingsText(servings);
        app.menu.dropOnMealList({DragSource::FoodList, 0});
        app.menu.endDrag(DragSource::FoodList);
    }

    // The messages that came from the activity planner (not the other files).
    std::vector<Message> activityMessages() const
    {
        std::vector<Message> found;
        for (const Message& m : ui.messages)
            if (m.text.contains(QStringLiteral("activit"), Qt::CaseInsensitive))
                found.push_back(m);
        return found;
    }

    // The user types an activity into the Add Activity dialog and presses "&Add".
    void addThroughDialog(const QString& name, const QString& calories)
    {
        ui.activityAnswers.push_back({ActivityAttempt{name, calories, true}});
        app.program.execute(Command::AddActivity);
    }
};

} // namespace tolvane::test
