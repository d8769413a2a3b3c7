#include "activity/activityplannerpage.h"

#include "activity/activityplanner.h"
#include "activity/activitytexts.h"
#include "menu/panellabels.h"
#include "menu/servingsedit.h"
#include "shell/rowselection.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
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
    list_->setGeometry(12, 22, 240, 196);
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

    // The day's activities: the calories above become their sum.
    addToDay_ = new QPushButton(activitylabel::AddToDayButton, this);
    addToDay_->setGeometry(504, 21, 94, 24);
    addToDay_->setAccessibleName(QStringLiteral("Add to Day"));
    connect(addToDay_, &QPushButton::clicked, this, [this] { forward([&] { activity_.addToDay(); }); });
    setTabOrder(duration_, addToDay_);  // Tab from the minutes goes to the button that takes them
    list_->installEventFilter(this);

    placeLabel(this, activitylabel::DayList, 12, 224, arialFont(13));
    dayList_ = new QTreeWidget(this);
    dayList_->setGeometry(12, 242, 240, 100);
    dayList_->setColumnCount(3);
    dayList_->setHeaderLabels(
        {activitylabel::DayListActivity, activitylabel::DayListMinutes, activitylabel::DayListCalories});
    dayList_->setRootIsDecorated(false);
    dayList_->setUniformRowHeights(true);
    dayList_->setSelectionMode(QAbstractItemView::SingleSelection);
    dayList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dayList_->header()->setMinimumSectionSize(30);
    dayList_->header()->setStretchLastSection(false);
    // The name gives way when the scroll bar comes, so the numbers stay seen.
    dayList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    dayList_->setColumnWidth(1, 58);
    dayList_->setColumnWidth(2, 62);
    dayList_->setAccessibleName(activitylabel::DayList);
    followSelectedRow(dayList_, [this](int row) {
        if (!showing_)
            forward([&] { activity_.dayListClick(row); });
    });
    dayList_->installEventFilter(this);
    remove_ = new QPushButton(activitylabel::RemoveButton, this);
    remove_->setGeometry(268, 318, 94, 24);
    remove_->setAccessibleName(QStringLiteral("Remove from Day"));
    connect(remove_, &QPushButton::clicked, this, [this] { forward([&] { activity_.removeFromDay(); }); });

    refresh();
}

bool ActivityPlannerPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
        if (watched == list_ && plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            forward([&] { activity_.addToDay(); });
            return true;
        }
        if (watched == dayList_ && plain && key->key() == Qt::Key_Delete) {
            forward([&] { activity_.removeFromDay(); });
            return true;
        }
    }
    return PageWidget::eventFilter(watched, event);
}

void ActivityPlannerPage::showDayList()
{
    const std::vector<DayActivityLine> lines = activity_.dayLines();
    bool same = dayList_->topLevelItemCount() == static_cast<int>(lines.size());
    for (int row = 0; same && row < dayList_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = dayList_->topLevelItem(row);
        const DayActivityLine& line = lines[static_cast<std::size_t>(row)];
        same = item->text(0) == line.name && item->text(1) == line.minutes && item->text(2) == line.calories;
    }
    if (!same) {
        QuietSelection quiet(dayList_);
        dayList_->clear();
        QList<QTreeWidgetItem*> items;
        for (const DayActivityLine& line : lines) {
            auto* item = new QTreeWidgetItem({line.name, line.minutes, line.calories});
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
            items.append(item);
        }
        dayList_->addTopLevelItems(items);
    }
    showSelectedRow(dayList_, activity_.dayRow());
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
    showFieldText(activityCalories_, activity_.activityCaloriesText());
    showFieldText(balance_, activity_.calorieBalanceText());
    showFieldText(menuCalories_, activity_.menuCaloriesText());
    setLabelText(day_, activity_.dayLabel());
    showDayList();
    showing_ = false;
}

} // namespace tolvane
