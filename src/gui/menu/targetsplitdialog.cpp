#include "menu/targetsplitdialog.h"

#include "shell/userinterface.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvane {

namespace {
QPushButton* placeButton(QDialog* dialog, const QString& caption, int x)
{
    auto* button = new QPushButton(caption, dialog);
    button->setGeometry(x, 132, 75, 25);
    button->setAutoDefault(false);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}
} // namespace

TargetSplitDialog::TargetSplitDialog(TargetSplitForm& form, UserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui), ok_(placeButton(this, QStringLiteral("OK"), 93)),
      cancel_(placeButton(this, QStringLiteral("Cancel"), 174)),
      default_(placeButton(this, splitmsg::DefaultButton, 12)),
      help_(placeButton(this, QStringLiteral("&Help"), 255))
{
    setWindowTitle(splitmsg::Caption);
    setAccessibleName(splitmsg::Caption);
    setProperty("helpContext", TargetSplitHelpContext);
    setFixedSize(342, 170);

    auto* intro = new QLabel(splitmsg::Intro, this);
    intro->setGeometry(12, 8, 318, 32);
    intro->setWordWrap(true);
    for (int f = 0; f < TargetSplitForm::FieldCount; ++f) {
        const auto field = static_cast<TargetSplitForm::Field>(f);
        const int y = 44 + 28 * f;
        auto* label = new QLabel(TargetSplitForm::label(field), this);
        label->setGeometry(12, y + 3, 120, 16);
        auto* edit = new QLineEdit(this);
        edit->setGeometry(136, y, 60, 22);
        edit->setAlignment(Qt::AlignRight);
        edit->setMaxLength(TargetSplitForm::MaxLength);
        edit->setAccessibleName(QString(TargetSplitForm::label(field)).remove(QLatin1Char('&')));
        label->setBuddy(edit);
        fields_[static_cast<std::size_t>(f)] = edit;
    }
    showTexts();

    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    setTabOrder(fields_[0], fields_[1]);
    setTabOrder(fields_[1], fields_[2]);
    setTabOrder(fields_[2], default_);
    setTabOrder(default_, ok_);
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, help_);

    connect(ok_, &QPushButton::clicked, this, &TargetSplitDialog::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &TargetSplitDialog::reject);
    connect(default_, &QPushButton::clicked, this, &TargetSplitDialog::defaultClicked);
    connect(help_, &QPushButton::clicked, this, [this] { form_.pressHelp(ui_); });
}

void TargetSplitDialog::copyTexts()
{
    for (std::size_t f = 0; f < fields_.size(); ++f)
        form_.texts[f] = fields_[f]->text();
}

void TargetSplitDialog::showTexts()
{
    for (std::size_t f = 0; f < fields_.size(); ++f)
        fields_[f]->setText(form_.texts[f]);
}

void TargetSplitDialog::okClicked()
{
    copyTexts();
    if (form_.pressOk(ui_)) {
        accept();
        return;
    }
    QLineEdit* wrong = field(form_.focusField());
    wrong->setFocus(Qt::OtherFocusReason);
    wrong->selectAll();
}

void TargetSplitDialog::defaultClicked()
{
    form_.pressDefault();
    showTexts();
    field(form_.focusField())->setFocus(Qt::OtherFocusReason);
}

void TargetSplitDialog::reject()
{
    copyTexts();
    form_.pressCancel();
    QDialog::reject();
}

void TargetSplitDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QLineEdit* first = field(form_.focusField());
    first->setFocus(Qt::ActiveWindowFocusReason);
    first->selectAll();
}

} // namespace tolvane
