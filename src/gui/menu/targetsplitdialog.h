#pragma once
// The Target Split dialog: the carbohydrate, protein and fat shares of the
// calories, with OK, Cancel, "&Default" and "&Help". It only shows a
// TargetSplitForm and forwards the buttons to it; what is accepted, which
// message is shown and where the focus goes are the form's rules.

#include "menu/targetsplitform.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace tolvane {

class UserInterface;

class TargetSplitDialog : public QDialog {
    Q_OBJECT
public:
    // `ui` shows the form's messages and help.
    TargetSplitDialog(TargetSplitForm& form, UserInterface& ui, QWidget* parent = nullptr);

    QLineEdit* field(TargetSplitForm::Field field) const { return fields_[static_cast<std::size_t>(field)]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* defaultButton() const { return default_; }
    QPushButton* helpButton() const { return help_; }

    // Cancel, Escape and the title bar's close.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();
    void defaultClicked();
    void copyTexts();
    void showTexts();

    TargetSplitForm& form_;
    UserInterface& ui_;
    std::array<QLineEdit*, TargetSplitForm::FieldCount> fields_{};
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* default_;
    QPushButton* help_;
};

} // namespace tolvane
