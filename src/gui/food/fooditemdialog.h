#pragma once
// The Add/Modify Food Item dialog: seven fields and OK, Cancel and Help. It
// only shows a FoodItemForm and forwards the buttons to it; what is accepted,
// which message is shown and where the focus goes are the form's rules.

#include "food/fooditemform.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace tolvane {

class UserInterface;

class FoodItemDialog : public QDialog {
    Q_OBJECT
public:
    // `ui` shows the form's messages and help.
    FoodItemDialog(FoodItemForm& form, UserInterface& ui, QWidget* parent = nullptr);

    QLineEdit* field(FoodItemForm::Field field) const { return fields_[static_cast<std::size_t>(field)]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return help_; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void okClicked();
    void copyTexts();

    FoodItemForm& form_;
    UserInterface& ui_;
    std::array<QLineEdit*, FoodItemForm::FieldCount> fields_{};
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* help_;
    bool okRefused_ = false;
};

} // namespace tolvane
