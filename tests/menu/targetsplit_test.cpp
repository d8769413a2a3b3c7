// The user's own target split: the Target Split dialog's rules, the kept
// setting, the fat mark against the target and the RDA page's left side.

#include "menu/targetsplitform.h"
#include "shell/preferences.h"
#include "plannerfixture.h"

#include <QLocale>
#include <QSettings>

using namespace tolvane;
using namespace tolvane::test;
using namespace Qt::StringLiterals;

namespace {

using Press = TargetSplitAttempt::Press;
using F = TargetSplitForm;

TargetSplitAttempt typed(const QString& carbohydrate, const QString& protein, const QString& fat,
                         Press press = Press::Ok)
{
    return {{carbohydrate, protein, fat}, press};
}

QString decimal(const char* whole, const char* fraction)
{
    return QString::fromLatin1(whole) + QLocale().decimalPoint() + QString::fromLatin1(fraction);
}

class TargetSplitTest : public PlannerTest {
protected:
    QString settingsPath() const { return dir.filePath(QStringLiteral("config/Tolvane.conf")); }
    QSettings kept() const { return QSettings(settingsPath(), QSettings::NativeFormat); }
    bool settingsHold(const QString& key) const { return kept().contains(key); }
    void choose(std::vector<TargetSplitAttempt> script)
    {
        ui.targetSplitAnswers.push_back(std::move(script));
        planner.chooseTargetSplit(ui);
    }
};

} // namespace

TEST_F(TargetSplitTest, EachDialogLeavesTheTargetItShouldAndNamesWhatIsWrong)
{
    const auto refused = [](const char* text) { return u"%1 Type a whole percent from 0 to 100."_s.arg(QString::fromUtf8(text)); };
    const TargetSplit Default;
    const struct {
        std::vector<TargetSplitAttempt> script;  // one dialog, rows in order
        TargetSplit after;
        QStringList messages;
        std::vector<TargetSplitForm::Field> focus;  // after each refusal
    } rows[] = {
        {{typed(u""_s, u"10"_s, u"30"_s)}, Default, {refused("The carbohydrate share is empty.")}, {F::Carbohydrate}},
        {{typed(u"60"_s, u"  "_s, u"30"_s)}, Default, {refused("The protein share is empty.")}, {F::Protein}},
        {{typed(u"60"_s, u"ten"_s, u"30"_s)}, Default, {refused("The protein share \"ten\" is not a number.")}, {F::Protein}},
        {{typed(u"60"_s, u"10"_s, u"30%"_s)}, Default, {refused("The fat share \"30%\" is not a number.")}, {F::Fat}},
        {{typed(u"80"_s, u"30"_s, u"-10"_s)}, Default, {refused("The fat share cannot be negative.")}, {F::Fat}},
        {{typed(u"160"_s, u"-60"_s, u"0"_s)}, Default, {refused("The carbohydrate share cannot be above 100%.")},
         {F::Carbohydrate}},
        {{typed(u"60"_s, decimal("10", "5"), decimal("29", "5"))}, Default,
         {u"The protein share \""_s + decimal("10", "5") + u"\" is not a whole percent. Type a whole percent from 0 to 100."_s},
         {F::Protein}},
        {{typed(u"50"_s, u"10"_s, u"30"_s)}, Default, {u"The three shares add up to 90%. They must add up to 100%."_s},
         {F::Carbohydrate}},
        // A refusal keeps the dialog open with what was typed; the correction is taken.
        {{typed(u"25"_s, u"15"_s, u"65"_s), typed(u" 25 "_s, decimal("15", "0"), u"6e1"_s)}, {25, 15, 60},
         {u"The three shares add up to 105%. They must add up to 100%."_s}, {F::Carbohydrate}},
        {{typed(u"1"_s, u"1"_s, u"98"_s, Press::Cancel)}, {25, 15, 60}, {}, {}},
        {{typed(u"0"_s, u"+0"_s, u"100 "_s)}, {0, 0, 100}, {}, {}},
        {{typed(u"100"_s, u"-0"_s, u"0"_s)}, {100, 0, 0}, {}, {}},
        {{typed(u"1e1"_s, u"2E1"_s, u"70"_s)}, {10, 20, 70}, {}, {}},
        // "&Default" puts back 60, 10 and 30 whatever was typed; OK keeps them.
        {{typed(u"x"_s, u""_s, u"7"_s, Press::Default), TargetSplitAttempt{}}, Default, {}, {}},
    };
    TargetSplit before;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.messages.join(u" "_s).toStdString() + " -> " + std::to_string(row.after.fat));
        ui.messages.clear();
        ui.targetSplitFocusAfterRefusal.clear();
        const bool kept = settingsHold(TargetFatKey);
        choose(row.script);
        // The dialog opened with the target in use.
        EXPECT_EQ(ui.targetSplitShown.back().split(), before);
        EXPECT_EQ(ui.texts(), row.messages);
        for (const Message& m : ui.messages)
            EXPECT_EQ(m, Message::typed(m.text, Icon::Error, only(Button::Ok), TargetSplitHelpContext));
        EXPECT_EQ(ui.targetSplitFocusAfterRefusal, row.focus);
        EXPECT_EQ(planner.targetSplit(), row.after);
        // Kept in the settings when it changed, and only then.
        EXPECT_EQ(settingsHold(TargetFatKey), kept || row.after != before);
        EXPECT_EQ(keptTargetSplit(program.preferences()), row.after);
        before = row.after;
    }
}

TEST_F(TargetSplitTest, AKeptTargetOutOfRuleReadsAsTheDefault)
{
    const struct {
        QVariant carbohydrate, protein, fat;
        TargetSplit expected;
    } cases[] = {
        {{}, {}, {}, TargetSplit{}},
        {25, 15, 60, TargetSplit{25, 15, 60}},
        {0, 0, 100, TargetSplit{0, 0, 100}},
        {25, 15, 61, TargetSplit{}},         // 101 in all
        {-10, 50, 60, TargetSplit{}},        // a negative share
        {150, -25, -25, TargetSplit{}},
        {{}, {}, 25, TargetSplit{}},         // one share alone
        {u"half"_s, 40, 10, TargetSplit{}},
    };
    for (const auto& c : cases) {
        {
            QSettings file = kept();
            file.clear();
            const std::pair<QString, QVariant> values[] = {
                {TargetCarbohydrateKey, c.carbohydrate}, {TargetProteinKey, c.protein}, {TargetFatKey, c.fat}};
            for (const auto& [key, value] : values)
                if (value.isValid())
                    file.setValue(key, value);
        }
        EXPECT_EQ(keptTargetSplit(program.preferences()), c.expected)
            << c.carbohydrate.toString().toStdString() << "/" << c.fat.toString().toStdString();
    }
}

TEST(FatMark, AboveTheFatTargetOnlyAndAsBeforeAtThirty)
{
    // Shares made of grams as the panels make them: 4 kcal a gram of
    // carbohydrate, 9 a gram of fat.
    const struct {
        int target;
        long double carbohydrate, fat;
        const char* fatText;
        bool red;
    } cases[] = {
        {30, 52.5L, 10, "30%", false},     // exactly 0.3
        {30, 52.5L, 10.01L, "30%", true},
        {30, 52.5L, 9.99L, "30%", false},
        {25, 67.5L, 10, "25%", false},     // exactly 0.25
        {25, 67.14L, 10, "25%", true},     // 0.251
        {25, 67.5L, 9.99L, "25%", false},
        {35, 45.0L, 10, "33%", false},     // red with the recommended 30
        {20, 67.5L, 10, "25%", true},
        {0, 1, 0, " 0%", false},           // no fat is never above
        {0, 100, 0.01L, " 0%", true},
        {100, 0, 10, "100%", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const CalorieSplit split = calorieSplit(c.carbohydrate, 0, c.fat, c.target);
        EXPECT_EQ(split.fatText, QString::fromLatin1(c.fatText)) << static_cast<double>(c.carbohydrate);
        EXPECT_EQ(split.fatRed, c.red) << static_cast<double>(c.carbohydrate);
        PanelTexts panel;
        panel.shares = split.shares;
        markFat(panel, c.target);
        EXPECT_EQ(panel.fatRed, c.red);
    }
}

TEST_F(TargetSplitTest, PanelsMarkFatAgainstTheTargetAtOnce)
{
    foods.foodListClick(2);  // Cheese: 73% of its energy from fat
    dropFood(2);
    EXPECT_TRUE(planner.foodPanel().fatRed);
    EXPECT_TRUE(planner.menuPanel().fatRed);
    int told = 0;
    planner.targetSplitChanged = [&told] { ++told; };

    choose({typed(u"16"_s, u"10"_s, u"74"_s)});
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(planner.foodPanel().fatRed);
    EXPECT_FALSE(planner.menuPanel().fatRed);
    EXPECT_EQ(planner.menuPanel().fatPercent, QStringLiteral("73%"));
    dropFood(2);  // the totals computed later keep to it
    EXPECT_FALSE(planner.menuPanel().fatRed);

    choose({typed(u"16"_s, u"10"_s, u"74"_s)});  // the same target: nothing to tell
    EXPECT_EQ(told, 1);
    choose({TargetSplitAttempt{{}, Press::Default}, TargetSplitAttempt{}});
    EXPECT_EQ(told, 2);
    EXPECT_TRUE(planner.foodPanel().fatRed);
    EXPECT_TRUE(planner.menuPanel().fatRed);
}

TEST(ReferenceSide, TheRecommendedSplitAsLaidOutOrTheTarget)
{
    const ReferenceSide recommended = referenceSide(TargetSplit{});
    EXPECT_EQ(recommended.title, QStringLiteral("FDA Recommended Daily Allowances"));
    EXPECT_EQ(recommended.pieName, QStringLiteral("FDA Recommended Daily Allowances pie"));
    EXPECT_EQ(recommended.percents, (std::array<QString, 3>{u"60%"_s, u"10%"_s, u"30%"_s}));
    EXPECT_EQ(recommended.names, (std::array<QString, 3>{u"FDA carbohydrate"_s, u"FDA protein"_s, u"FDA fat"_s}));
    EXPECT_EQ(recommended.shares, RecommendedShares);

    const ReferenceSide target = referenceSide(TargetSplit{5, 15, 80});
    EXPECT_EQ(target.title, QStringLiteral("Your Target"));
    EXPECT_EQ(target.pieName, QStringLiteral("Your Target pie"));
    EXPECT_EQ(target.percents, (std::array<QString, 3>{u" 5%"_s, u"15%"_s, u"80%"_s}));
    EXPECT_EQ(target.names,
              (std::array<QString, 3>{u"Target carbohydrate"_s, u"Target protein"_s, u"Target fat"_s}));
    EXPECT_EQ(target.shares, (Shares{0.05L, 0.15L, 0.8L}));
    // Written as every panel writes a share.
    for (const TargetSplit& split : {TargetSplit{0, 0, 100}, TargetSplit{33, 34, 33}, TargetSplit{5, 15, 80}}) {
        const ReferenceSide side = referenceSide(split);
        EXPECT_EQ(side.percents[0], percentText(side.shares.carbohydrate));
        EXPECT_EQ(side.percents[1], percentText(side.shares.protein));
        EXPECT_EQ(side.percents[2], percentText(side.shares.fat));
    }
}
