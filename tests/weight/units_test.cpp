// US or metric units: the same person gives the same results in both, a plan
// is written in the chosen unit, the grid and the graph name it, and the
// choice and the calculators' inputs come back at the next start.

#include "weightfixture.h"

#include "recordingcanvas.h"
#include "scriptedprinter.h"

#include <QSettings>

namespace tolvane::test {
namespace {

using F = Calculators::Field;

QString q(const char* text) { return QString::fromLatin1(text); }
QStringList ql(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(q(text));
    return list;
}

struct Person {
    const char* name;
    Gender gender;
    ActivityLevel activity;
    // weight, height, age, goal, plan calories in US units, then weight, height, goal in metric
    std::array<const char*, 5> us;
    std::array<const char*, 3> metric;
};

// Pounds times 0.45359237, inches times 2.54.
const std::vector<Person> People = {
    {"female moderate", Gender::Female, ActivityLevel::Moderate, {"150", "65", "40", "140", "1500"},
     {"68.0388555", "165.1", "63.5029318"}},
    {"male moderate", Gender::Male, ActivityLevel::Moderate, {"200", "70", "45", "180", "2000"},
     {"90.718474", "177.8", "81.6466266"}},
    {"male heavy", Gender::Male, ActivityLevel::Heavy, {"250", "74", "30", "200", "2500"},
     {"113.3980925", "187.96", "90.718474"}},
};

class UnitsTest : public WeightTest {
protected:
    void enter(const Person& p, Units units)
    {
        weight.applyUnits(units);
        const bool metric = units == Units::Metric;
        calc.setGender(p.gender);
        calc.setActivityLevel(p.activity);
        type(F::CurrentWeight, metric ? p.metric[0] : p.us[0]);
        type(F::Height, metric ? p.metric[1] : p.us[1]);
        type(F::Age, p.us[2]);
        type(F::PlanCalories, p.us[4]);
        type(F::GoalWeight, metric ? p.metric[2] : p.us[3]);
    }
    QStringList results() const
    {
        return {calc.text(F::CalorieReq), calc.text(F::WeeksToGoal), calc.text(F::BmiNow), calc.text(F::BmiGoal)};
    }
};

TEST_F(UnitsTest, TheSamePersonGivesTheSameResultsInPoundsAndInKilograms)
{
    for (const Person& p : People) {
        SCOPED_TRACE(p.name);
        enter(p, Units::Us);
        const QStringList us = results();
        ASSERT_FALSE(us.contains(QString())) << us.join(u'|').toStdString();
        enter(p, Units::Metric);
        EXPECT_EQ(results(), us);
    }
    EXPECT_EQ(ui.texts(), QStringList());
    // The worked example, so neither unit merely agrees with a wrong other.
    enter(People[0], Units::Metric);
    EXPECT_EQ(results(), ql({"1963", "12", "25.0", "23.3"}));
}

TEST_F(UnitsTest, ChangingUnitsConvertsWhatWasTypedAndKeepsTheResults)
{
    enter(People[0], Units::Us);
    const QStringList us = results();
    weight.applyUnits(Units::Metric);
    EXPECT_EQ(calc.text(F::CurrentWeight), QStringLiteral("68.039"));
    EXPECT_EQ(calc.text(F::GoalWeight), QStringLiteral("63.503"));
    EXPECT_EQ(calc.text(F::Height), QStringLiteral("165.1"));
    EXPECT_EQ(calc.text(F::Age), QStringLiteral("40"));
    EXPECT_EQ(results(), us);
    weight.applyUnits(Units::Us);
    EXPECT_EQ(calc.text(F::CurrentWeight), QStringLiteral("150"));
    EXPECT_EQ(calc.text(F::GoalWeight), QStringLiteral("140"));
    EXPECT_EQ(calc.text(F::Height), QStringLiteral("65"));
    EXPECT_EQ(results(), us);
    EXPECT_EQ(ui.texts(), QStringList());
}

TEST_F(UnitsTest, APlanIsWrittenInTheChosenUnitUnderHeadingsNamingIt)
{
    enter(People[0], Units::Us);
    ASSERT_TRUE(weight.createPlan());
    EXPECT_EQ(row(0), ql({"Date", "Plan", "Actual"}));
    std::vector<QStringList> pounds;
    for (int r = 1; r < log.rowCount(); ++r)
        pounds.push_back(row(r));
    ASSERT_EQ(pounds.size(), 13u);

    enter(People[0], Units::Metric);
    ASSERT_TRUE(weight.createPlan());
    EXPECT_EQ(row(0), ql({"Date", "Plan (kg)", "Actual (kg)"}));
    ASSERT_EQ(log.rowCount(), 14);
    EXPECT_EQ(row(1), ql({"12/7/26", " 68.0", " 68.0"}));
    for (int r = 1; r < log.rowCount(); ++r) {
        const QStringList& lb = pounds[static_cast<std::size_t>(r - 1)];
        EXPECT_EQ(log.cell(DateColumn, r), lb[0]);
        // Both are rounded to a tenth: within 0.05 kg and 0.05 lb of one weight.
        EXPECT_NEAR(log.cell(PlanColumn, r).toDouble(), lb[1].toDouble() * 0.45359237, 0.05 + 0.05 * 0.4536) << r;
    }
    EXPECT_EQ(log.cell(PlanColumn, 13), QStringLiteral(" 63.3"));  // 139.62 lb
}

TEST_F(UnitsTest, UnitsMenuItemAsksAppliesAtOnceAndKeepsTheChoice)
{
    ASSERT_TRUE(program.isEnabled(Command::Units));
    EXPECT_EQ(menuCaption(Command::Units), QStringLiteral("&Units..."));
    ui.choiceAnswers.push_back(std::nullopt);  // cancelled
    program.execute(Command::Units);
    ASSERT_EQ(ui.choiceRequests.size(), 1u);
    EXPECT_EQ(ui.choiceRequests[0].items, ql({"US (lb, in)", "Metric (kg, cm)"}));
    EXPECT_EQ(ui.choiceRequests[0].current, 0);
    EXPECT_EQ(calc.units(), Units::Us);

    ui.choiceAnswers.push_back(1);
    program.execute(Command::Units);
    EXPECT_EQ(calc.units(), Units::Metric);
    EXPECT_EQ(log.units(), Units::Metric);
    EXPECT_EQ(log.cell(PlanColumn, 0), QStringLiteral("Plan (kg)"));
    ui.choiceAnswers.push_back(1);
    program.execute(Command::Units);
    EXPECT_EQ(ui.choiceRequests.back().current, 1);
    EXPECT_EQ(QSettings(path(q("Tolvane.conf")), QSettings::NativeFormat).value(UnitsKey).toInt(), 1);
    EXPECT_TRUE(ui.messages.empty());
}

// One more run on the same settings, in a locale of its own.
struct NextRun {
    ScriptedUi ui;
    SettingsStore settings;
    Program program;
    Weight weight;
    NextRun(const QString& conf, const QString& workDir, const QLocale& locale)
        : settings(conf), program(ui, settings, workDir), weight(program, locale)
    {
        EXPECT_TRUE(program.formCreate().ok);
    }
};

TEST_F(UnitsTest, TheDefaultFollowsTheLocaleAndAnUnknownStoredUnitFallsBackToIt)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    // Britain weighs in stones and pounds and measures in feet and inches:
    // whole pounds and inches, not the metric system.
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const struct {
        std::optional<int> stored;
        QLocale locale;
        Units expected;
    } cases[] = {
        {std::nullopt, UsLocale, Units::Us},       {std::nullopt, german, Units::Metric},
        {7, UsLocale, Units::Us},                  {-1, german, Units::Metric},
        {1, UsLocale, Units::Metric},              {0, german, Units::Us},
        {std::nullopt, british, Units::Us},        {std::nullopt, japanese, Units::Metric},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString() + " " + std::to_string(c.stored.value_or(-99)));
        QTemporaryDir scratch;
        const QString conf = scratch.filePath(q("Tolvane.conf"));
        if (c.stored)
            QSettings(conf, QSettings::NativeFormat).setValue(UnitsKey, *c.stored);
        NextRun run(conf, scratch.path(), c.locale);
        EXPECT_EQ(run.weight.calculators().units(), c.expected);
        EXPECT_EQ(run.weight.log().units(), c.expected);
    }
}

TEST_F(UnitsTest, MetricUnderADecimalCommaReadsAndConvertsWithTheComma)
{
    NextRun run(path(q("German.conf")), dir.path(), QLocale(QLocale::German, QLocale::Germany));
    Calculators& german = run.weight.calculators();
    ASSERT_EQ(german.units(), Units::Metric);
    german.setText(F::CurrentWeight, q("68,0388555"));
    german.setText(F::Height, q("165,1"));
    german.setText(F::Age, q("40"));
    german.setText(F::PlanCalories, q("1500"));
    german.setText(F::GoalWeight, q("63,5029318"));
    EXPECT_EQ((QStringList{german.text(F::CalorieReq), german.text(F::WeeksToGoal), german.text(F::BmiNow),
                           german.text(F::BmiGoal)}),
              ql({"1963", "12", "25,0", "23,3"}));
    run.weight.applyUnits(Units::Us);
    EXPECT_EQ(german.text(F::CurrentWeight), q("150"));
    run.weight.applyUnits(Units::Metric);
    EXPECT_EQ(german.text(F::CurrentWeight), q("68,039"));
    EXPECT_EQ(german.text(F::Height), q("165,1"));
    EXPECT_EQ(run.ui.texts(), QStringList());
}

TEST_F(UnitsTest, KeptInputsComeBackInTheUnitTheyWereTypedIn)
{
    ui.choiceAnswers.push_back(1);
    program.execute(Command::Units);
    enter(People[0], Units::Metric);
    const QStringList metricResults = results();
    program.formCloseQuery();
    {
        NextRun same(path(q("Tolvane.conf")), dir.path(), UsLocale);
        EXPECT_EQ(same.weight.calculators().text(F::CurrentWeight), QStringLiteral("68.0388555"));
        EXPECT_EQ(same.weight.calculators().text(F::BmiGoal), metricResults[3]);
    }
    // The setting gone, the US default converts the inputs kept in kilograms.
    QSettings(path(q("Tolvane.conf")), QSettings::NativeFormat).remove(UnitsKey);
    NextRun us(path(q("Tolvane.conf")), dir.path(), UsLocale);
    const Calculators& again = us.weight.calculators();
    EXPECT_EQ(again.units(), Units::Us);
    EXPECT_EQ(again.text(F::CurrentWeight), QStringLiteral("150"));
    EXPECT_EQ(again.text(F::Height), QStringLiteral("65"));
    EXPECT_EQ(again.text(F::GoalWeight), QStringLiteral("140"));
    EXPECT_EQ((QStringList{again.text(F::CalorieReq), again.text(F::WeeksToGoal), again.text(F::BmiNow),
                           again.text(F::BmiGoal)}),
              metricResults);
}

TEST_F(UnitsTest, TheGraphNamesMetricWeightsOnScreenAndOnPaper)
{
    fill({{QStringLiteral("12/7/26"), QStringLiteral("90.0"), QStringLiteral("90.0")},
          {QStringLiteral("12/17/26"), QStringLiteral("89.0"), QString()}});
    const auto screenTexts = [this] {
        RecordingCanvas canvas;
        weight.graph().paint(canvas, Rgb{212, 208, 200});
        return canvas.only(QStringLiteral("text"));
    };
    EXPECT_FALSE(screenTexts().contains(QStringLiteral("text 5 318 kg")));
    weight.applyUnits(Units::Metric);
    EXPECT_TRUE(screenTexts().contains(QStringLiteral("text 5 318 kg")));

    ui.printerPage = {6600, 5100};
    ui.titleAnswers.push_back(QStringLiteral("Weight"));
    program.execute(Command::PrintWeightGraph);
    ASSERT_EQ(ui.prints.size(), 1u);
    const QStringList printed = ui.prints[0]->canvas.only(QStringLiteral("text"));
    EXPECT_EQ(printed.mid(printed.size() - 2), (QStringList{QStringLiteral("text 600 4540 Plan (kg) - x"),
                                                            QStringLiteral("text 600 4617 Actual (kg) - +")}));
}

} // namespace
} // namespace tolvane::test
