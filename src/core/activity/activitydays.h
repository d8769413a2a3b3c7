#pragma once
// The week's lists of activities, one per day, and their file
// "activityweek.db" in the working directory: loaded at start-up (a missing
// file is an empty week) and written atomically at every change, as the
// current menu is.

#include "activity/activityweekfile.h"

#include <QString>

namespace tolvane {

class Program;

class ActivityDays {
public:
    explicit ActivityDays(Program& program);
    ActivityDays(const ActivityDays&) = delete;
    ActivityDays& operator=(const ActivityDays&) = delete;

    const ActivityWeek& week() const { return week_; }
    const DayActivities& day(int day) const { return week_.at(static_cast<std::size_t>(day)); }

    // Change a day's list; each change is written at once.
    void add(int day, const DayActivity& activity);
    void remove(int day, int entry);

    void load();
    // A failure is told once; the lists then stay "not yet written",
    // retried at every change and offered at close, until a write succeeds.
    bool save();
    bool unsaved() const { return unsaved_; }

private:
    // Keeps a change of the lists since `before` for undo.
    void record(const QString& change, const QByteArray& before);
    Program& program_;
    ActivityWeek week_{};
    bool unsaved_ = false;
};

} // namespace tolvane
