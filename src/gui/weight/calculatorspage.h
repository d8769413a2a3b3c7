#pragma once
// The Calculators page: caloric maintenance, the weight loss goal and the body
// mass index, each in its box, and the "&Create Plan" button. Typing and
// clicks go to the calculators, which fill the four result fields.

#include "shell/pagewidget.h"
#include "weight/calculators.h"

#include <array>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class Weight;

class CalculatorsPage : public PageWidget {
    Q_OBJECT
public:
    explicit CalculatorsPage(Weight& weight, QWidget* parent = nullptr);
    void refresh() override;

    QLineEdit* field(Calculators::Field field) const { return fields_.at(static_cast<std::size_t>(field)); }
    QButtonGroup* gender() const { return gender_; }
    QButtonGroup* activityLevel() const { return activity_; }
    QPushButton* createPlanButton() const { return createPlan_; }

private:
    QLineEdit* addInput(QWidget* box, Calculators::Field field, const QString& name, const QRect& geometry);
    QLineEdit* addResult(QWidget* box, Calculators::Field field, const QString& name, const QRect& geometry);
    QButtonGroup* addRadioGroup(QWidget* box, const QString& caption, const QStringList& items,
                                const QRect& geometry);

    Weight& weight_;
    std::array<QLineEdit*, Calculators::FieldCount> fields_{};
    QButtonGroup* gender_ = nullptr;
    QButtonGroup* activity_ = nullptr;
    QPushButton* createPlan_ = nullptr;
    QLabel* heightNote_ = nullptr;
    std::array<QLabel*, 2> weightUnits_{};
    // "Diet Plan Calories:" and the rest of its row, and where US units place them.
    std::vector<QWidget*> goalRow_;
    std::vector<int> goalRowX_;
};

} // namespace tolvane
