#include "printing/titledialog.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvane {

TitleDialog::TitleDialog(QWidget* parent) : QDialog(parent)
{
    setFixedSize(258, 103);
    label_ = new QLabel(this);
    label_->move(27, 5);
    label_->resize(204, 17);
    edit_ = new QLineEdit(this);
    edit_->setGeometry(27, 24, 204, 24);
    edit_->setFont(QFont(QStringLiteral("Arial")));
    edit_->setMaxLength(TitleMaxLength);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(26, 56, 89, 33);
    ok->setDefault(true);
    ok->setAccessibleName(QStringLiteral("OK"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(142, 56, 89, 33);
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TitleDialog::setUp(const TitlePrompt& prompt)
{
    setWindowTitle(prompt.caption);
    if (!prompt.prompt.isEmpty())
        label_->setText(prompt.prompt);
    edit_->setText(prompt.initialTitle);
    edit_->setAccessibleName(label_->text());
}

QString TitleDialog::title() const { return edit_->text(); }

void TitleDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    edit_->setFocus();
}

} // namespace tolvane
