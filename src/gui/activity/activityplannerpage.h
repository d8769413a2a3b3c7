#pragma once
// The Activity Planner page: the activity list, the duration with its spin
// control, the calories burned, and the "Calorie Balance" group that sets them
// against the shown day's menu calories, and the list of the day's activities
// with the buttons that add to it and remove from it.

#include "shell/pagewidget.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace tolvane {

class ActivityPlanner;
class UpDownButtons;

class ActivityPlannerPage : public PageWidget {
    Q_OBJECT
public:
    explicit ActivityPlannerPage(ActivityPlanner& activity, QWidget* parent = nullptr);
    void refresh() override;

    QListWidget* activityList() const { return list_; }
    QLineEdit* durationField() const { return duration_; }
    UpDownButtons* durationUpDown() const { return upDown_; }
    QLineEdit* caloriesBurnedField() const { return burned_; }
    QGroupBox* balanceGroup() const { return group_; }
    QLabel* dayLabel() const { return day_; }
    QLineEdit* menuCaloriesField() const { return menuCalories_; }
    QLineEdit* activityCaloriesField() const { return activityCalories_; }
    QLineEdit* calorieBalanceField() const { return balance_; }
    QTreeWidget* dayList() const { return dayList_; }
    QPushButton* addToDayButton() const { return addToDay_; }
    QPushButton* removeButton() const { return remove_; }

protected:
    // Enter in the activity list adds to the day; Delete in the day's list removes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDayList();

    template <typename Event>
    void forward(Event&& event)
    {
        event();
        emit stateChanged();
    }

    ActivityPlanner& activity_;
    QListWidget* list_;
    QLineEdit* duration_;
    UpDownButtons* upDown_;
    QLineEdit* burned_;
    QGroupBox* group_;
    QLabel* day_;
    QLineEdit* menuCalories_;
    QLineEdit* activityCalories_;
    QLineEdit* balance_;
    QTreeWidget* dayList_;
    QPushButton* addToDay_;
    QPushButton* remove_;
    bool showing_ = false;
};

} // namespace tolvane
