#pragma once
// A user who answers from a script: every message box is recorded, and each
// answer is taken from a queue (OK, or the first button, when the queue is
// empty). File dialogs answer from their own queue (cancelled when empty).

#include "shell/userinterface.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace tolvane::test {

class ScriptedUi : public UserInterface {
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

    Button showMessage(const Message& message) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void setBusy(bool busy) override;
    void showAbout() override { ++aboutShown; }
    void closeMainWindow() override { ++closeRequests; }
    void endProgram(int exitStatus) override { endedWith = exitStatus; }

    QStringList texts() const;
};

} // namespace tolvane::test
