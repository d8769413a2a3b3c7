#include "activity/activityplannerpage.h"

#include "activity/activityplanner.h"
#include "activity/activitytexts.h"
#include "menu/panellabels.h"
#include "menu/servingsedit.h"
#include "activity/activityplanner.h"
#include "shell/rowselection.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace tolvane {

namespace {
constexpr int FieldWidth = 70;
constexpr int FieldHeight = 22;

// A caption with a field beside it, the field named after the caption.
QLineEdit* placeField(QWidget* parent, const QString& caption, int x, int y, int fieldX, bool readOnly)
{
    placeLabel(parent, caption, x, y + 3, arialFont(13));
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(fieldX, y, FieldWidth, FieldHeight);
    edit->setAlignment(Qt::AlignRight);
    edit->setReadOnly(readOnly);
    edit->setAccessibleName(caption);
    return edit;
}
} // namespace

ActivityPlannerPage::ActivityPlannerPage(ActivityPlanner& activity, QWidget* parent)
    : PageWidget(parent), activity_(activity), list_(new QListWidget(this))
{
    placeLabel(this, activitylabel::List, 12, 4, arialFont(13));
    list_->setGeometry(12, 22, 240, 320);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAccessibleName(activitylabel::List);
    // A click, the keys or a screen reader: every selection is a click on the list.
    followSelectedRow(list_, [this](int row) {
        if (!showing_)
            forward([&] { activity_.listClick(row); });
    });

    duration_ = placeField(this, activitylabel::Duration, 276, 22, 410, false);
    // Any change of the text counts, typed or put in by an input tool.
    connect(duration_, &QLineEdit::textChanged, this,
            [this](const QString& text) { forward([&] { activity_.durationChange(text); }); });
    upDown_ = new UpDownButtons(QStringLiteral("Duration"), this);
    upDown_->associate(duration_);
    upDown_->setGeometry(410 + FieldWidth, 22, 16, FieldHeight);
    connect(upDown_, &UpDownButtons::stepped, this,
            [this](int delta) { forward([&] { activity_.stepDuration(delta); }); });
    burned_ = placeField(this, activitylabel::CaloriesBurned, 276, 56, 410, true);

    group_ = new QGroupBox(activitylabel::BalanceGroup, this);
    group_->setGeometry(268, 104, 330, 168);
    group_->setAccessibleName(activitylabel::BalanceGroup);
    day_ = placeLabel(group_, activitylabel::DayShowing, 16, 26, arialFont(13, true));
    day_->resize(160, day_->height());
    nameValueLabel(day_, QStringLiteral("Day"));
    menuCalories_ = placeField(group_, activitylabel::MenuCalories, 16, 56, 142, true);
    activityCalories_ = placeField(group_, activitylabel::ActivityCalories, 16, 88, 142, true);
    balance_ = placeField(group_, activitylabel::Balance, 16, 120, 142, true);

    refresh();
}

void ActivityPlannerPage::refresh()
{
    showing_ = true;
    const QStringList names = activity_.names();
    bool same = list_->count() == names.size();
    for (int row = 0; same && row < names.size(); ++row)
        same = list_->item(row)->text() == names[row];
    if (!same) {
        list_->clear();
        list_->addItems(names);
    }
    showSelectedRow(list_, activity_.selectedRow());

    showFieldText(duration_, activity_.durationText());
    const QString burned = activity_.caloriesBurnedText();
    showFieldText(burned_, burned);
    showFieldText(activityCalories_, burned);
    showFieldText(balance_, activity_.calorieBalanceText());
    showFieldText(menuCalories_, activity_.menuCaloriesText());
    setLabelText(day_, activity_.dayLabel());
    showing_ = false;
}

} // namespace tolvane
