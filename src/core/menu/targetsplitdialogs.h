#pragma once
// How the target split reaches the user beyond messages: the Target Split
// dialog. The windows implement it with Qt; tests with a scripted fake.

namespace tolvane {

class TargetSplitForm;

class TargetSplitDialogs {
public:
    virtual ~TargetSplitDialogs() = default;
    // The Target Split dialog, modal, showing the form's texts. The user's
    // typing goes into the form and the buttons into its `press` functions;
    // the dialog stays open while OK is refused. True when it closed with OK
    // (the form's split is then the one chosen).
    virtual bool editTargetSplit(TargetSplitForm& form) = 0;
};

} // namespace tolvane
