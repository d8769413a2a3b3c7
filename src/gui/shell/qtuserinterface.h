#pragma once
// The program's messages, file dialogs and busy cursor on Qt.

#include "shell/userinterface.h"

class QWidget;

namespace tolvane {

class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Button showMessage(const Message& message) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void setBusy(bool busy) override;
    void showAbout() override;
    void closeMainWindow() override;
    void endProgram(int exitStatus) override;

private:
    QWidget* parent_;
    int busyDepth_ = 0;
};

} // namespace tolvane
