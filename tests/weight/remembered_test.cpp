// What the next start brings back: the calculators' inputs and choices, and
// the last weight file while it can still be read, without writing to it.

#include "weightfixture.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <memory>
#include <sys/stat.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// One more run of the program on the same settings and working directory.
struct NextRun {
    ScriptedUi ui;
    SettingsStore settings;
    Program program;
    Weight weight;

    NextRun(const QString& conf, const QString& workDir)
        : settings(conf), program(ui, settings, workDir), weight(program, UsLocale)
    {
        weight.log().today = [] { return QDate(2026, 12, 7); };
        EXPECT_TRUE(program.formCreate().ok);
    }
};

class RememberedTest : public WeightTest {
protected:
    QString conf() const { return dir.filePath(QStringLiteral("Tolvane.conf")); }
    // Two rows saved to `file` with Save File (40 bytes).
    void saveLog(const QString& file)
    {
        fill({{QStringLiteral("12/7/26"), QStringLiteral("150"), QString()},
              {QStringLiteral("12/14/26"), QStringLiteral("149.5"), QStringLiteral("148")}});
        ui.saveAnswers.push_back(file);
        ui.answers.push_back(Button::Yes);  // create it
        program.execute(Command::SaveWeightFile);
        ASSERT_EQ(readAll(file).size(), 40);
    }
    std::unique_ptr<NextRun> restart()
    {
        program.formCloseQuery();
        return std::make_unique<NextRun>(conf(), dir.path());
    }
};

TEST_F(RememberedTest, CalculatorInputsAndChoicesComeBackWithTheirResults)
{
    type(Calculators::CurrentWeight, "200");
    type(Calculators::Height, "70");
    type(Calculators::Age, "45");
    calc.setGender(Gender::Male);
    calc.setActivityLevel(ActivityLevel::Heavy);
    type(Calculators::GoalWeight, "180");
    type(Calculators::PlanCalories, "2000");
    const std::unique_ptr<NextRun> next = restart();
    const Calculators& again = next->weight.calculators();
    for (int field = 0; field < Calculators::FieldCount; ++field)
        EXPECT_EQ(again.text(static_cast<Calculators::Field>(field)), calc.text(static_cast<Calculators::Field>(field)))
            << field;
    EXPECT_EQ(again.gender(), Gender::Male);
    EXPECT_EQ(again.activityLevel(), ActivityLevel::Heavy);
    EXPECT_FALSE(again.text(Calculators::CalorieReq).isEmpty());
    EXPECT_FALSE(again.text(Calculators::WeeksToGoal).isEmpty());
    EXPECT_EQ(next->ui.texts(), QStringList());
}

TEST_F(RememberedTest, AGoalOutOfReachComesBackWithoutAMessageAtStart)
{
    type(Calculators::CurrentWeight, "150");
    type(Calculators::Height, "65");
    type(Calculators::Age, "40");
    type(Calculators::PlanCalories, "1500");
    type(Calculators::GoalWeight, "160");  // above the current weight: the calculator's own message
    ASSERT_EQ(ui.texts(), QStringList{calcmsg::GoalAboveWeight});
    const std::unique_ptr<NextRun> next = restart();
    const Calculators& again = next->weight.calculators();
    EXPECT_EQ(again.text(Calculators::GoalWeight), QStringLiteral("160"));
    EXPECT_EQ(again.text(Calculators::CalorieReq), QStringLiteral("1963"));
    EXPECT_EQ(again.text(Calculators::WeeksToGoal), QString());
    EXPECT_EQ(next->ui.texts(), QStringList());
    // The next change of an input tells again.
    next->weight.calculators().setText(Calculators::GoalWeight, QStringLiteral("165"));
    EXPECT_EQ(next->ui.texts(), QStringList{calcmsg::GoalAboveWeight});
}

TEST_F(RememberedTest, BadStoredChoicesFallBackToTheDefaults)
{
    {
        QSettings raw(conf(), QSettings::NativeFormat);
        raw.setValue(QStringLiteral("Calculators/Gender"), 5);
        raw.setValue(QStringLiteral("Calculators/ActivityLevel"), -1);
        raw.setValue(QStringLiteral("Calculators/Age"), QString(200, u'9'));
    }
    NextRun next(conf(), dir.path());
    EXPECT_EQ(next.weight.calculators().gender(), Gender::Female);
    EXPECT_EQ(next.weight.calculators().activityLevel(), ActivityLevel::Moderate);
    EXPECT_EQ(next.weight.calculators().text(Calculators::Age), QString());
}

TEST_F(RememberedTest, TheLastWeightFileIsLoadedAtStartAndLeftAsItWas)
{
    const QString file = path(QStringLiteral("me.wgt"));
    ASSERT_NO_FATAL_FAILURE(saveLog(file));
    const QByteArray bytes = readAll(file);
    const QDateTime written = QFileInfo(file).lastModified();

    const std::unique_ptr<NextRun> next = restart();
    const WeightLog& loaded = next->weight.log();
    EXPECT_EQ(loaded.fileName(), file);
    EXPECT_EQ(loaded.rowCount(), 3);
    EXPECT_EQ(loaded.cell(PlanColumn, 2), QStringLiteral(" 149.5"));
    EXPECT_FALSE(next->program.weightChanged());
    EXPECT_TRUE(next->ui.messages.empty());
    // Closing without a change asks nothing and writes nothing.
    next->program.formCloseQuery();
    EXPECT_TRUE(next->ui.messages.empty());
    EXPECT_EQ(readAll(file), bytes);
    EXPECT_EQ(QFileInfo(file).lastModified(), written);
}

TEST_F(RememberedTest, AWeightFileGoneIsSkippedAndOneDamagedIsToldOnce)
{
    // Loaded, not saved, in this run.
    const QString file = path(QStringLiteral("me.wgt"));
    ASSERT_NO_FATAL_FAILURE(saveLog(file));
    program.execute(Command::ClearWeightGrid);
    {
        SettingsStore forget(conf());
        Preferences(forget, dir.path()).setLastWeightFile(QString());
    }
    ui.messages.clear();
    ui.openAnswers.push_back(file);
    program.execute(Command::LoadWeightFile);
    ASSERT_TRUE(ui.messages.empty());
    ASSERT_EQ(log.rowCount(), 3);

    // Gone: an empty grid and no message.
    QFile::rename(file, file + QStringLiteral(".away"));
    {
        const std::unique_ptr<NextRun> next = restart();
        EXPECT_TRUE(next->ui.messages.empty());
        EXPECT_TRUE(next->weight.log().fileName().isEmpty());
        EXPECT_EQ(next->weight.log().rowCount(), 2);
    }
    // Back but damaged: told at the next start, then forgotten.
    QFile::rename(file + QStringLiteral(".away"), file);
    writeAll(file, QByteArray(21, '\0'));
    {
        NextRun next(conf(), dir.path());
        ASSERT_EQ(next.ui.messages.size(), 1u);
        EXPECT_TRUE(next.ui.messages[0].text.contains(file));
        EXPECT_TRUE(next.weight.log().fileName().isEmpty());
        EXPECT_EQ(readAll(file).size(), 21);
    }
    NextRun after(conf(), dir.path());
    EXPECT_TRUE(after.ui.messages.empty());
}

TEST_F(RememberedTest, ALastWeightFileThatIsNoRegularFileIsNeitherReadNorKept)
{
    const QString file = path(QStringLiteral("me.wgt"));
    ASSERT_NO_FATAL_FAILURE(saveLog(file));
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    {
        const std::unique_ptr<NextRun> next = restart();
        EXPECT_TRUE(next->ui.messages.empty());
        EXPECT_TRUE(next->weight.log().fileName().isEmpty());
        EXPECT_EQ(next->weight.log().rowCount(), 2);
    }
    SettingsStore store(conf());
    EXPECT_EQ(Preferences(store, dir.path()).lastWeightFile(), QString());
}

} // namespace
