#pragma once
// How the activity planner reaches the user beyond messages: the Add Activity
// dialog. The windows implement it with Qt; tests with a scripted fake.

namespace tolvane {

class ActivityForm;

class ActivityDialogs {
public:
    virtual ~ActivityDialogs() = default;
    // The Add Activity dialog, modal, with the fields of its previous use. The
    // user's typing goes into the form and "&Add" into `pressAdd`; the dialog
    // stays open while the form refuses. True when it closed with "&Add".
    virtual bool addActivity(ActivityForm& form) = 0;
};

} // namespace tolvane
