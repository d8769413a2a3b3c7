#pragma once
// The Add Activity dialog: an activity name, its calories per hour, "&Add"
// and "&Cancel". It only shows an ActivityForm and forwards the buttons to it;
// what is accepted and which message is shown are the form's rules.

#include "activity/activityform.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tolvane {

class UserInterface;

class AddActivityDialog : public QDialog {
    Q_OBJECT
public:
    // `ui` shows the form's messages.
    AddActivityDialog(ActivityForm& form, UserInterface& ui, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QLineEdit* caloriesField() const { return calories_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* cancelButton() const { return cancel_; }

    // "&Cancel", Escape and the title bar's close: the typed texts are kept
    // for the next use.
    void reject() override;

private:
    void addClicked();
    void copyTexts();
    QLineEdit* field(ActivityForm::Field field) const { return field == ActivityForm::Name ? name_ : calories_; }

    ActivityForm& form_;
    UserInterface& ui_;
    QLineEdit* name_;
    QLineEdit* calories_;
    QPushButton* add_;
    QPushButton* cancel_;
};

} // namespace tolvane
