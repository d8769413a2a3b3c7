// "&Units..." in the main window: the default units of the locale the suite
// runs in, and the Calculators and Weight pages naming the chosen units.

#include "app/app.h"
#include "app/mainwindow.h"
#include "weight/calculatorspage.h"
#include "weight/weightpage.h"
#include "windowtest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

namespace tolvane::test {
namespace {

using F = Calculators::Field;

class UnitsPagesTest : public WindowTest {
protected:
    CalculatorsPage* calcPage = nullptr;
    WeightPage* weightPage = nullptr;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple"), {52, 14, 0, 0, 1, 0})}));
        window->show();
        app->program.formActivate();
        calcPage = static_cast<CalculatorsPage*>(window->page(CalculatorsPageIndex));
        weightPage = static_cast<WeightPage*>(window->page(WeightPageIndex));
    }

    // Picks item `choice` of the "&Units..." dialog through the "&Main" menu.
    void chooseUnits(int choice)
    {
        QAction* units = nullptr;
        for (QAction* action : window->topMenu(TopMenu::Main)->actions())
            if (action->text() == QStringLiteral("&Units..."))
                units = action;
        ASSERT_NE(units, nullptr);
        ui.choiceAnswers.push_back(choice);
        units->trigger();
    }

    QStringList visibleLabels() const
    {
        QStringList texts;
        for (const QLabel* label : calcPage->findChildren<QLabel*>())
            if (label->isVisibleTo(calcPage))
                texts.append(label->text());
        return texts;
    }

    QString heading(int column) const
    {
        return weightPage->grid()->model()->headerData(column, Qt::Horizontal).toString();
    }
};

TEST_F(UnitsPagesTest, TheLocalesDefaultAndTheChosenUnitsAreNamedOnThePages)
{
    // The suites run under en_US (US units) and de_DE and ja_JP (metric).
    const bool metricLocale = QLocale::system().measurementSystem() == QLocale::MetricSystem;
    EXPECT_EQ(app->weight.calculators().units(), metricLocale ? Units::Metric : Units::Us);

    ASSERT_NO_FATAL_FAILURE(chooseUnits(0));
    EXPECT_TRUE(visibleLabels().contains(QStringLiteral("(in inches)")));
    EXPECT_FALSE(visibleLabels().contains(QStringLiteral("kg")));
    EXPECT_EQ(calcPage->field(F::CurrentWeight)->accessibleName(), QStringLiteral("Current Weight"));
    EXPECT_EQ(heading(1), QStringLiteral("Plan"));

    ASSERT_NO_FATAL_FAILURE(chooseUnits(1));
    EXPECT_EQ(app->weight.calculators().units(), Units::Metric);
    const QStringList metric = visibleLabels();
    EXPECT_TRUE(metric.contains(QStringLiteral("(in cm)")));
    EXPECT_FALSE(metric.contains(QStringLiteral("(in inches)")));
    EXPECT_EQ(metric.count(QStringLiteral("kg")), 2);
    EXPECT_EQ(calcPage->field(F::CurrentWeight)->accessibleName(), QStringLiteral("Current Weight (kg)"));
    EXPECT_EQ(calcPage->field(F::GoalWeight)->accessibleName(), QStringLiteral("Goal Weight (kg)"));
    EXPECT_EQ(calcPage->field(F::Height)->accessibleName(), QStringLiteral("Height (cm)"));
    EXPECT_EQ(heading(1), QStringLiteral("Plan (kg)"));
    EXPECT_EQ(heading(2), QStringLiteral("Actual (kg)"));
    ASSERT_EQ(ui.choiceRequests.size(), 2u);
    EXPECT_EQ(ui.choiceRequests[0].current, metricLocale ? 1 : 0);
    EXPECT_EQ(ui.choiceRequests[1].current, 0);
    // The unit stands between its field and the next label of the box.
    for (const QLabel* label : calcPage->findChildren<QLabel*>()) {
        if (label->text() != QStringLiteral("kg"))
            continue;
        const QLineEdit* field = calcPage->field(label->parentWidget() == calcPage->field(F::GoalWeight)->parentWidget()
                                                     ? F::GoalWeight
                                                     : F::CurrentWeight);
        EXPECT_GT(label->x(), field->geometry().right());
        EXPECT_LE(label->geometry().right(), field == calcPage->field(F::GoalWeight) ? 144 : 168);
    }
}

} // namespace
} // namespace tolvane::test
