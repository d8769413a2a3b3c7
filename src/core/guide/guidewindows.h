#pragma once
// The windows of the guide: the tutor and the information window. The main
// window's side implements them with Qt; tests with a scripted fake.

namespace tolvane {

class Information;
class Tutor;

class GuideWindows {
public:
    virtual ~GuideWindows() = default;
    // The Tutor window, modal: "&Next" goes to `pressNext`, "&Cancel" to
    // `pressCancel`, any close to `close`; it follows the tutor's text and place
    // after each and closes when the tutor is no longer open.
    virtual void showTutor(Tutor& tutor) = 0;
    // The information window, modal, until its "E&xit".
    virtual void showInformation(Information& information) = 0;
    // Shows the tutor's text and place now, in the middle of a step that goes
    // on to open another window (the preview's title prompt).
    virtual void showTutorStep(Tutor& /*tutor*/) {}
};

} // namespace tolvane
