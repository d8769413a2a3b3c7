#include "weight/calculatorspage.h"

#include "menu/panellabels.h"
#include "weight/weight.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

namespace tolvane {

namespace {
using F = Calculators::Field;

QGroupBox* addBox(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* box = new QGroupBox(caption, parent);
    box->setGeometry(geometry);
    box->setAccessibleName(caption);
    return box;
}

// The colour Windows gives inactive window borders, the ground of the result fields.
const QColor InactiveBorder(212, 208, 200);

// Tab into a radio group lands on its checked button, as the user expects,
// not on whichever button Qt last gave the tab stop.
class CheckedButtonFocus : public QObject {
public:
    explicit CheckedButtonFocus(QButtonGroup* group) : QObject(group), group_(group)
    {
        for (QAbstractButton* button : group->buttons())
            button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            QAbstractButton* checked = group_->checkedButton();
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && checked && checked != watched) {
                checked->setFocus(reason);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QButtonGroup* group_;
};
} // namespace

CalculatorsPage::CalculatorsPage(Weight& weight, QWidget* parent) : PageWidget(parent), weight_(weight)
{
    QGroupBox* maintenance = addBox(this, QStringLiteral("1. Caloric Maintenance"), {8, 8, 593, 113});
    placeLabel(maintenance, QStringLiteral("Current Weight:"), 8, 24, font());
    addInput(maintenance, F::CurrentWeight, QStringLiteral("Current Weight"), {104, 24, 41, 24});
    placeLabel(maintenance, QStringLiteral("Age:"), 8, 56, font());
    addInput(maintenance, F::Age, QStringLiteral("Age"), {56, 56, 41, 24});
    placeLabel(maintenance, QStringLiteral("Height:"), 168, 24, font());
    heightNote_ = placeLabel(maintenance, QStringLiteral("(in inches)"), 168, 48, font());
    // Metric weights name their unit just right of the field; US weights show none.
    weightUnits_[0] = placeLabel(maintenance, QStringLiteral("kg"), 148, 28, font());
    addInput(maintenance, F::Height, QStringLiteral("Height"), {216, 24, 41, 24});
    placeLabel(maintenance, QStringLiteral("Caloric Requirement:"), 144, 80, font());
    addResult(maintenance, F::CalorieReq, QStringLiteral("Caloric Requirement"), {280, 80, 49, 24});
    gender_ = addRadioGroup(maintenance, QStringLiteral("Gender"), {QStringLiteral("Female"), QStringLiteral("Male")},
                            {280, 16, 129, 49});
    activity_ = addRadioGroup(maintenance, QStringLiteral("Activity Level"),
                              {QStringLiteral("Low/Sedentary"), QStringLiteral("Moderate"), QStringLiteral("Heavy")},
                              {424, 16, 161, 73});
    // A click, an arrow key or a screen reader's toggle action checks the
    // button; the program's own choice shown by refresh() is passed over.
    connect(gender_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked || id == static_cast<int>(weight_.calculators().gender()))
            return;
        weight_.calculators().setGender(static_cast<Gender>(id));
        emit stateChanged();
    });
    connect(activity_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked || id == static_cast<int>(weight_.calculators().activityLevel()))
            return;
        weight_.calculators().setActivityLevel(static_cast<ActivityLevel>(id));
        emit stateChanged();
    });

    QGroupBox* goal = addBox(this, QStringLiteral("2. Weight Loss Goal"), {8, 136, 593, 65});
    placeLabel(goal, QStringLiteral("Goal Weight:"), 8, 24, font());
    addInput(goal, F::GoalWeight, QStringLiteral("Goal Weight"), {88, 24, 41, 24});
    weightUnits_[1] = placeLabel(goal, QStringLiteral("kg"), 131, 28, font());
    placeLabel(goal, QStringLiteral("Diet Plan Calories:"), 144, 24, font());
    addInput(goal, F::PlanCalories, QStringLiteral("Diet Plan Calories"), {264, 24, 41, 24});
    placeLabel(goal, QStringLiteral("Weeks to Goal:"), 320, 24, font());
    addResult(goal, F::WeeksToGoal, QStringLiteral("Weeks to Goal"), {416, 24, 41, 24});

    QGroupBox* bmi = addBox(this, QStringLiteral("3. Body Mass Index"), {8, 216, 273, 65});
    placeLabel(bmi, QStringLiteral("BMI Now:"), 16, 24, font());
    addResult(bmi, F::BmiNow, QStringLiteral("BMI Now"), {80, 24, 41, 24});
    placeLabel(bmi, QStringLiteral("BMI at Goal:"), 136, 24, font());
    addResult(bmi, F::BmiGoal, QStringLiteral("BMI at Goal"), {216, 24, 41, 24});

    createPlan_ = new QPushButton(QStringLiteral("&Create Plan"), this);
    createPlan_->setGeometry(384, 240, 81, 25);
    createPlan_->setAccessibleName(QStringLiteral("Create Plan"));
    connect(createPlan_, &QPushButton::clicked, this, [this] {
        weight_.createPlanFromCalculators();
        emit stateChanged();
    });

    refresh();
    // Tab stops at the checked button of a radio group, whichever the user
    // checks: every button takes its place in the order, box 1, 2, 3.
    std::vector<QWidget*> order = {field(F::CurrentWeight), field(F::Age), field(F::Height)};
    for (QButtonGroup* group : {gender_, activity_})
        for (QAbstractButton* button : group->buttons())
            order.push_back(button);
    order.insert(order.end(), {field(F::GoalWeight), field(F::PlanCalories), createPlan_});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QLineEdit* CalculatorsPage::addInput(QWidget* box, Calculators::Field field, const QString& name, const QRect& geometry)
{
    auto* edit = new QLineEdit(box);
    edit->setGeometry(geometry);
    edit->setAccessibleName(name);
    fields_.at(static_cast<std::size_t>(field)) = edit;
    // Any change of the text counts, typed or put in by an input tool.
    connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
        weight_.calculators().setText(field, text);
        emit stateChanged();
    });
    return edit;
}

QLineEdit* CalculatorsPage::addResult(QWidget* box, Calculators::Field field, const QString& name, const QRect& geometry)
{
    auto* edit = new QLineEdit(box);
    edit->setGeometry(geometry);
    edit->setAccessibleName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFont(arialFont(13, true));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, InactiveBorder);
    palette.setColor(QPalette::Text, Qt::blue);
    edit->setPalette(palette);
    fields_.at(static_cast<std::size_t>(field)) = edit;
    return edit;
}

QButtonGroup* CalculatorsPage::addRadioGroup(QWidget* box, const QString& caption, const QStringList& items,
                                             const QRect& geometry)
{
    QGroupBox* frame = addBox(box, caption, geometry);
    auto* group = new QButtonGroup(frame);
    const int step = (geometry.height() - 18) / static_cast<int>(items.size());
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], frame);
        button->setGeometry(8, 16 + i * step, geometry.width() - 16, step);
        button->setAccessibleName(items[i]);
        group->addButton(button, i);
    }
    new CheckedButtonFocus(group);
    return group;
}

void CalculatorsPage::refresh()
{
    const Calculators& calc = weight_.calculators();
    const bool metric = calc.units() == Units::Metric;
    heightNote_->setText(metric ? QStringLiteral("(in cm)") : QStringLiteral("(in inches)"));
    heightNote_->adjustSize();
    for (QLabel* unit : weightUnits_)
        unit->setVisible(metric);
    const auto named = [metric](const char16_t* name, const QString& unit) {
        const QString text = QString::fromUtf16(name);
        return metric ? QStringLiteral("%1 (%2)").arg(text, unit) : text;
    };
    field(F::CurrentWeight)->setAccessibleName(named(u"Current Weight", weightUnit(calc.units())));
    field(F::GoalWeight)->setAccessibleName(named(u"Goal Weight", weightUnit(calc.units())));
    field(F::Height)->setAccessibleName(named(u"Height", heightUnit(calc.units())));
    for (int f = 0; f < Calculators::FieldCount; ++f) {
        showFieldText(fields_.at(static_cast<std::size_t>(f)), calc.text(static_cast<F>(f)));
    }
    if (QAbstractButton* button = gender_->button(static_cast<int>(calc.gender())); button && !button->isChecked())
        button->setChecked(true);
    if (QAbstractButton* button = activity_->button(static_cast<int>(calc.activityLevel()));
        button && !button->isChecked())
        button->setChecked(true);
}

} // namespace tolvane
