#include "activity/addactivitydialog.h"

#include "activity/activitytexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvane {

namespace {
QLineEdit* placeField(QDialog* dialog, const QString& caption, int y, int width)
{
    auto* label = new QLabel(caption, dialog);
    label->setGeometry(12, y + 3, 116, 16);
    auto* edit = new QLineEdit(dialog);
    edit->setGeometry(130, y, width, 22);
    edit->setAccessibleName(caption);
    label->setBuddy(edit);
    return edit;
}

QString plain(QString caption) { return caption.remove(QLatin1Char('&')); }
} // namespace

AddActivityDialog::AddActivityDialog(ActivityForm& form, UserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui), name_(placeField(this, activitylabel::DialogName, 12, 200)),
      calories_(placeField(this, activitylabel::DialogCalories, 44, 80)),
      add_(new QPushButton(activitylabel::AddButton, this)), cancel_(new QPushButton(activitylabel::CancelButton, this))
{
    setWindowTitle(activitylabel::DialogCaption);
    setAccessibleName(activitylabel::DialogCaption);
    setProperty("helpContext", ActivityPlannerHelpContext);
    setFixedSize(344, 120);

    name_->setMaxLength(ActivityForm::NameMaxLength);
    name_->setText(form_.nameText);
    calories_->setText(form_.caloriesText);
    calories_->setAlignment(Qt::AlignRight);

    add_->setGeometry(94, 82, 75, 25);
    cancel_->setGeometry(177, 82, 75, 25);
    add_->setDefault(true);
    add_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
    add_->setAccessibleName(plain(activitylabel::AddButton));
    cancel_->setAccessibleName(plain(activitylabel::CancelButton));
    setTabOrder(name_, calories_);
    setTabOrder(calories_, add_);
    setTabOrder(add_, cancel_);

    connect(add_, &QPushButton::clicked, this, &AddActivityDialog::addClicked);
    connect(cancel_, &QPushButton::clicked, this, &AddActivityDialog::reject);
    name_->setFocus(Qt::OtherFocusReason);
}

void AddActivityDialog::copyTexts()
{
    form_.nameText = name_->text();
    form_.caloriesText = calories_->text();
}

void AddActivityDialog::addClicked()
{
    copyTexts();
    if (form_.pressAdd(ui_)) {
        accept();
        return;
    }
    field(form_.focusField())->setFocus(Qt::OtherFocusReason);
}

void AddActivityDialog::reject()
{
    copyTexts();
    form_.pressCancel();
    QDialog::reject();
}

} // namespace tolvane
