#pragma once
// The Add Activity dialog without its window: its two field texts, which it
// keeps from one use to the next, and what "&Add" accepts. The window (and the
// tests' scripted user) puts the typed texts into the fields and presses the
// buttons through `pressAdd` and `pressCancel`.

#include "activity/activityfile.h"

#include <QString>

namespace tolvane {

class UserInterface;

class ActivityForm {
public:
    enum Field { Name, Calories };

    // The most characters the "Activity:" field takes.
    static constexpr int NameMaxLength = ActivityRecord::NameCapacity;

    QString nameText;
    QString caloriesText;

    // "&Add": reads "Calories per hour:" in the strict reading. When it does
    // not read, or the entry cannot be stored, the user is told, the focus goes
    // to the field at fault and the dialog stays open (false). Otherwise
    // `record()` holds the new activity and the dialog closes.
    bool pressAdd(UserInterface& ui);
    // "&Cancel": the dialog closes without a change.
    void pressCancel() {}

    const ActivityRecord& record() const { return record_; }
    Field focusField() const { return focus_; }

private:
    bool refuse(UserInterface& ui, Field field, const QString& message);

    ActivityRecord record_;
    Field focus_ = Name;
};

} // namespace tolvane
