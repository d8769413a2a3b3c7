#pragma once
// The Activity Planner: the table of activities with the calories each burns
// per hour, the calories burned over a duration and the day's calorie balance
// against the menu. The table comes from "activity.db" at start-up and goes
// back there at close when it changed. The Activity Planner page shows this
// state and forwards its events here.

#include "activity/activitydays.h"
#include "activity/activityform.h"
#include "activity/activityfile.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tolvane {

class MenuPlanner;
class ActivityDialogs;
class FoodList;
class Program;

// One line of the day's list as the page shows it.
struct DayActivityLine {
    QString name;
    QString minutes;   // with the locale's decimal separator
    QString calories;  // rounded
    bool operator==(const DayActivityLine&) const = default;
};

class ActivityPlanner {
public:
    ActivityPlanner(Program& program, ActivityDialogs& dialogs, const FoodList& foods, const MenuPlanner& menu);
    ActivityPlanner(const ActivityPlanner&) = delete;
    ActivityPlanner& operator=(const ActivityPlanner&) = delete;

    // --- The table: row i of the activity list is slot i, in name order.
    int count() const { return static_cast<int>(table_.size()); }
    const ActivityRecord& record(int row) const { return table_.at(static_cast<std::size_t>(row)); }
    QStringList names() const;
    int selectedRow() const { return selectedRow_; }

    // --- What the page shows.
    const QString& durationText() const { return durationText_; }
    int durationPosition() const { return durationPosition_; }
    // Calories burned by the selected activity over the duration; empty when
    // the duration does not read or nothing is selected. The activity
    // calories field shows the same text.
    QString caloriesBurnedText() const;
    // The activity calories field: the calories burned, or, while the day's
    // list has activities, their sum.
    QString activityCaloriesText() const;
    // Menu calories minus the activity calories; empty when those are.
    QString calorieBalanceText() const;
    // The day label: "Day Showing" until the menu planner shows a day.
    QString dayLabel() const;
    // The shown day's menu calories, rounded.
    QString menuCaloriesText() const;

    // --- The activities of the shown day (the Menu Planner's day).
    int shownDay() const;
    const DayActivities& dayActivities() const { return days_.day(shownDay()); }
    std::vector<DayActivityLine> dayLines() const;
    // The selected line of the day's list, -1 when none.
    int dayRow() const;
    void dayListClick(int row);
    // "Add to &Day": the selected activity with the duration; "R&emove": the
    // selected line. Each change is saved at once.
    void addToDay();
    void removeFromDay();
    const ActivityDays& days() const { return days_; }
    void loadDays() { days_.load(); }
    bool saveDays() { return days_.save(); }

    // --- Events of the page.
    void listClick(int row);
    void durationChange(const QString& text);
    // The spin control beside the duration field (0 to 120).
    void stepDuration(int delta);

    // --- "&Activity" menu.
    void addActivity();
    void deleteActivity();
    // The Add Activity dialog's fields, kept from one use to the next.
    ActivityForm& addForm() { return addForm_; }

    // --- Files.
    void loadActivityTable();
    // Writes the table in list order; the user is told when that fails. At
    // close a failed write is offered again (see PendingSave).
    bool saveActivityTable();

private:
    // The calories the selected activity burns over the duration, unrounded.
    std::optional<long double> burned() const;
    // The day's activities' calories, unrounded; none while the list is empty.
    std::optional<long double> dayBurned() const;
    std::optional<long double> activityCalories() const;
    void tell(const QString& text);
    // Inserts after the names that sort equal; returns the row.
    int insert(const ActivityRecord& record);
    void keepAside(const QString& path, int loaded, bool tooMany);

    Program& program_;
    ActivityDialogs& dialogs_;
    const FoodList& foods_;
    const MenuPlanner& menu_;
    std::vector<ActivityRecord> table_;
    int selectedRow_ = -1;
    QString durationText_ = QStringLiteral("60");
    int durationPosition_ = 60;
    ActivityForm addForm_;
    ActivityDays days_;
    int dayRow_ = -1;
    int dayRowDay_ = -1;  // the day that dayRow_ is a line of
    bool daysLoaded_ = false;
};

} // namespace tolvane
