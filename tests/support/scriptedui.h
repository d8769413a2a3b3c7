#pragma once
// A user who answers from a script: every message box is recorded, and each
// answer is taken from a queue (the default button, else OK or the first
// button, when the queue is empty). File dialogs answer from their own queue (cancelled when empty).

#include "activity/activityform.h"
#include "food/fooditemform.h"
#include "guide/tutor.h"
#include "menu/targetsplitform.h"
#include "scriptedprinter.h"
#include "app/appuserinterface.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace tolvane::test {

// One press of a button of the Add/Modify Food Item dialog after typing
// `edits` into its fields; `ok` false presses Cancel.
struct FoodItemAttempt {
    std::vector<std::pair<FoodItemForm::Field, QString>> edits;
    bool ok = true;
};

// One press of a button of the Add Activity dialog after typing into its
// fields (a field left out keeps its text); `add` false presses "&Cancel".
struct ActivityAttempt {
    std::optional<QString> name;
    std::optional<QString> calories;
    bool add = true;
};

// One press of a button of the Target Split dialog after typing into its
// fields (carbohydrate, protein, fat; a field left out keeps its text).
struct TargetSplitAttempt {
    enum class Press { Ok, Cancel, Default };
    std::array<std::optional<QString>, TargetSplitForm::FieldCount> texts;
    Press press = Press::Ok;
};

// A progress window as it was shown: caption, maximum, every value set.
struct ProgressRecord {
    QString caption;
    int maximum = 0;
    std::vector<int> values;
    bool ended = false;
};

// The question a save asks before it creates the file `fileName`.
Message createQuestion(const QString& fileName);

class ScriptedUi : public AppUserInterface {
public:
    std::vector<Message> messages;
    std::deque<Button> answers;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    int busyNow = 0;
    int busyCalls = 0;
    int aboutShown = 0;
    int closeRequests = 0;
    std::optional<int> endedWith;
    // Add/Modify Food Item: each dialog shown takes one script of attempts
    // (Cancel when the queue is empty or the script ends with the dialog open).
    std::deque<std::vector<FoodItemAttempt>> foodItemAnswers;
    std::vector<FoodItemForm> foodItemShown;               // each form as it opened
    std::vector<FoodItemForm::Field> foodItemFocusAfterRefusal;
    std::vector<int> helpTopics;
    std::vector<ProgressRecord> progress;
    // The import's progress dialogs (caption and label joined by " / "); the
    // user presses Cancel once the bar reaches `cancelImportAt`.
    std::vector<ProgressRecord> importProgress;
    std::optional<int> cancelImportAt;
    // Add Activity: each dialog shown takes one script of attempts ("&Cancel"
    // when the queue is empty or the script ends with the dialog open).
    std::deque<std::vector<ActivityAttempt>> activityAnswers;
    std::vector<ActivityForm> activityShown;               // each form as it opened
    std::vector<ActivityForm::Field> activityFocusAfterRefusal;
    // Target Split: each dialog shown takes one script of presses (Cancel
    // when the queue is empty or the script ends with the dialog open).
    std::deque<std::vector<TargetSplitAttempt>> targetSplitAnswers;
    std::vector<TargetSplitForm> targetSplitShown;  // each form as it opened
    std::vector<TargetSplitForm::Field> targetSplitFocusAfterRefusal;
    // Menu Title dialog: each answer from the queue (nullopt = Cancel); OK
    // with the initial title when the queue is empty.
    std::deque<std::optional<QString>> titleAnswers;
    std::vector<TitlePrompt> titlePrompts;
    // The printer: its page, whether one is there, every job started (PDF
    // files too). `jobsStart` false refuses the next jobs; `jobsEnd` false
    // makes their end fail.
    PageMetrics printerPage{5100, 6600};
    bool printerAvailable = true;
    bool jobsStart = true;
    bool jobsEnd = true;
    std::vector<std::shared_ptr<PrintRecord>> prints;
    std::vector<std::shared_ptr<PreviewRecord>> previews;
    int printSetups = 0;
    int previewsClosed = 0;
    // Tutor and information window: each one shown runs the next script of
    // the queue while it is open (the tutor is cancelled, the information
    // window left, when the queue is empty or the script leaves it open).
    std::deque<std::function<void(Tutor&)>> tutorScripts;
    std::deque<std::function<void(Information&)>> informationScripts;
    int tutorsShown = 0;
    int informationShown = 0;
    int servingsFocused = 0;
    // The tutor and information windows, in the order shown.
    QStringList windows;
    // Choice dialogs: each answer from the queue (nullopt = Cancel; Cancel
    // when the queue is empty).
    std::deque<std::optional<int>> choiceAnswers;
    std::vector<ChoiceRequest> choiceRequests;
    std::deque<std::optional<std::vector<int>>> severalAnswers;  // the same for lists to tick

    Button showMessage(const Message& message) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void setBusy(bool busy) override;
    void showAbout() override { ++aboutShown; }
    void closeMainWindow() override { ++closeRequests; }
    void endProgram(int exitStatus) override { endedWith = exitStatus; }
    bool editFoodItem(FoodItemForm& form) override;
    void showHelpTopic(int helpContext) override { helpTopics.push_back(helpContext); }
    void beginProgress(const QString& caption, int maximum) override;
    void setProgress(int value) override;
    void endProgress() override;
    void beginImportProgress(const QString& caption, const QString& label, int maximum) override;
    bool advanceImportProgress(int value) override;
    void endImportProgress() override;
    bool addActivity(ActivityForm& form) override;
    bool editTargetSplit(TargetSplitForm& form) override;
    std::optional<QString> askTitle(const TitlePrompt& prompt) override;
    bool printerInstalled() override { return printerAvailable; }
    std::unique_ptr<PrintJob> beginPrintJob(PageOrientation orientation, const QString& documentTitle) override;
    std::unique_ptr<PrintJob> beginPdfJob(const QString& fileName, PageOrientation orientation,
                                          const QString& documentTitle) override;
    void showPrintPreview(const PreviewRequest& request) override;
    void printSetup() override { ++printSetups; }
    void closePrintPreview() override { ++previewsClosed; }
    void showTutor(Tutor& tutor) override;
    void showInformation(Information& information) override;
    void focusServings() override { ++servingsFocused; }
    // The "Add from USDA" window shown, not modal: the test works it after.
    void showAddFromUsda(AddFromUsda&) override { windows.append(QStringLiteral("usda")); }
    void showNutrients(NutrientView&) override { windows.append(QStringLiteral("nutrients")); }
    std::optional<int> chooseItem(const ChoiceRequest& request) override;
    std::optional<std::vector<int>> chooseSeveral(const ChoiceRequest& request) override;

    QStringList texts() const;
};

} // namespace tolvane::test
