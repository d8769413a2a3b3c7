#include "shell/severalchoicedialog.h"

#include "shell/userinterface.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tolvane {

SeveralChoiceDialog::SeveralChoiceDialog(const ChoiceRequest& request, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(request.title);
    setProperty("helpContext", request.helpContext);
    auto* label = new QLabel(request.label, this);
    label->setBuddy(list_);
    list_->setAccessibleName(request.label);
    for (int i = 0; i < request.items.size(); ++i) {
        auto* item = new QListWidgetItem(request.items.at(i), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(i == request.current ? Qt::Checked : Qt::Unchecked);
    }
    list_->setCurrentRow(request.current >= 0 && request.current < request.items.size() ? request.current : 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

std::vector<int> SeveralChoiceDialog::ticked() const
{
    std::vector<int> rows;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            rows.push_back(i);
    return rows;
}

} // namespace tolvane
