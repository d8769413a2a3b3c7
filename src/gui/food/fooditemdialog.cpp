#include "food/fooditemdialog.h"

#include "shell/userinterface.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tolvane {

namespace {
struct Place {
    FoodItemForm::Field field;
    int labelX, editX, y, editWidth;
};
// Name across the top; the six values in two columns below, in tab order.
constexpr Place Places[] = {
    {FoodItemForm::Name, 12, 84, 12, 230},    {FoodItemForm::Calories, 12, 84, 48, 70},
    {FoodItemForm::Carbo, 12, 84, 76, 70},    {FoodItemForm::Protein, 12, 84, 104, 70},
    {FoodItemForm::Fat, 174, 244, 48, 70},    {FoodItemForm::Sodium, 174, 244, 76, 70},
    {FoodItemForm::Chol, 174, 244, 104, 70},
};
} // namespace

FoodItemDialog::FoodItemDialog(FoodItemForm& form, UserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui), ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)), help_(new QPushButton(QStringLiteral("&Help"), this))
{
    setWindowTitle(form_.caption());
    setAccessibleName(form_.caption());
    setProperty("helpContext", form_.helpContext());
    setFixedSize(330, 180);

    for (const Place& place : Places) {
        const QString caption = FoodItemForm::label(place.field);
        auto* label = new QLabel(caption, this);
        label->setGeometry(place.labelX, place.y + 3, place.editX - place.labelX - 4, 16);
        auto* edit = new QLineEdit(this);
        edit->setGeometry(place.editX, place.y, place.editWidth, 22);
        edit->setAccessibleName(caption);
        label->setBuddy(edit);
        const QString& text = form_.text(place.field);
        // The limit is for typing: a longer value given by the caller is shown whole.
        edit->setMaxLength(std::max(FoodItemForm::maxLength(place.field), static_cast<int>(text.size())));
        edit->setText(text);
        if (place.field != FoodItemForm::Name)
            edit->setAlignment(Qt::AlignRight);
        fields_[static_cast<std::size_t>(place.field)] = edit;
    }

    ok_->setGeometry(75, 142, 75, 25);
    cancel_->setGeometry(158, 142, 75, 25);
    help_->setGeometry(241, 142, 75, 25);
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
    help_->setAutoDefault(false);
    ok_->setAccessibleName(QStringLiteral("OK"));
    cancel_->setAccessibleName(QStringLiteral("Cancel"));
    help_->setAccessibleName(QStringLiteral("Help"));

    QWidget* previous = nullptr;
    for (int f = 0; f < FoodItemForm::FieldCount; ++f) {
        QWidget* next = fields_[static_cast<std::size_t>(f)];
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, ok_);
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, help_);

    connect(ok_, &QPushButton::clicked, this, &FoodItemDialog::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &FoodItemDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this] { form_.pressHelp(ui_); });
}

void FoodItemDialog::copyTexts()
{
    for (int f = 0; f < FoodItemForm::FieldCount; ++f)
        form_.texts[static_cast<std::size_t>(f)] = fields_[static_cast<std::size_t>(f)]->text();
}

void FoodItemDialog::okClicked()
{
    copyTexts();
    if (form_.pressOk(ui_)) {
        okRefused_ = false;
        accept();
        return;
    }
    okRefused_ = true;
    field(form_.focusField())->setFocus(Qt::OtherFocusReason);
}

void FoodItemDialog::reject()
{
    // Escape and "Cancel".
    copyTexts();
    form_.pressCancel();
    okRefused_ = false;
    QDialog::reject();
}

void FoodItemDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    field(form_.focusField())->setFocus(Qt::ActiveWindowFocusReason);
}

void FoodItemDialog::closeEvent(QCloseEvent* event)
{
    // The title bar's close works as Cancel, except while a bad field of the
    // last OK waits to be corrected: then only OK or Cancel close the dialog.
    if (okRefused_ && !form_.editAccepted()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace tolvane
