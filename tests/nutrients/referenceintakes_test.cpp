// The reference intakes compiled into the program: every cell of the committed
// table as the lookup gives it (a table that does not read stops the program),
// and the life-stage boundaries with published values.

#include "nutrients/referenceintakes.h"
#include "qstringprint.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tolvane;

namespace {

QByteArray committedTable()
{
    QFile file(QStringLiteral(TOLVANE_REFERENCE_INTAKES_TSV));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A goal as the table writes it: "130", "38*" (AI), "350s" (UL for supplements only), "-".
QString cellText(const std::optional<long double>& value, const char* mark)
{
    return value ? QString::number(static_cast<double>(*value)) + QLatin1String(mark) : QStringLiteral("-");
}

} // namespace

TEST(ReferenceIntakes, EveryCellOfTheCommittedTableIsWhatTheLookupGives)
{
    const ReferenceIntakes& intakes = ReferenceIntakes::builtIn();
    QStringList keys;
    int cells = 0;
    for (const QString& line : QString::fromUtf8(committedTable()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f[0] == QLatin1String("table"))
            keys = f.mid(5);
        if (line.startsWith(QLatin1Char('#')) || f[0] == QLatin1String("table"))
            continue;
        const QStringList ages = f[4].split(QLatin1Char('-'));
        const auto condition = f[3] == QLatin1String("pregnancy")   ? IntakeCondition::Pregnancy
                               : f[3] == QLatin1String("lactation") ? IntakeCondition::Lactation
                                                                    : IntakeCondition::None;
        for (IntakeSex sex : {IntakeSex::Female, IntakeSex::Male}) {
            if (f[2] != QLatin1String("any") && (f[2] == QLatin1String("male")) != (sex == IntakeSex::Male))
                continue;
            for (int age : {ages[0].toInt(), ages[1].isEmpty() ? 110 : ages[1].toInt()}) {
                ASSERT_EQ(intakes.groupLabel(sex, age, condition), f[1]) << line.toStdString();
                for (qsizetype k = 0; k < keys.size(); ++k, ++cells) {
                    const IntakeGoal goal = intakes.goal(keys[k], sex, age, condition);
                    QString expected = f[5 + k];
                    if (f[0] == QLatin1String("UL"))
                        expected.replace(QLatin1Char('r'), QLatin1Char('s')).remove(QLatin1Char('c'));
                    EXPECT_EQ(f[0] == QLatin1String("UL") ? cellText(goal.upperLimit, goal.upperLimitSupplementsOnly ? "s" : "")
                                                         : cellText(goal.amount, goal.adequateIntake ? "*" : ""),
                              expected)
                        << (f[1] + QLatin1Char(' ') + keys[k]).toStdString() << ' ' << age;
                }
            }
        }
    }
    EXPECT_EQ(keys, intakes.nutrientKeys());
    EXPECT_EQ(cells, 2 * 22 * 2 * 34);  // RDA/AI and UL, 20 groups (children as girls and boys), two ages, 34 keys
}

TEST(ReferenceIntakes, LifeStageBoundariesAndConditions)
{
    using enum IntakeSex;
    using enum IntakeCondition;
    struct Case {
        IntakeSex sex;
        std::optional<int> age;
        IntakeCondition condition;
        const char* label;
        const char* key;
        long double amount;
        std::optional<long double> upperLimit;
    };
    const Case cases[] = {
        {Male, 3, None, "Children 1-3 years", "copper_mg", 0.34L, 1},
        {Female, 4, None, "Children 4-8 years", "vitamin_d_ug", 15, 75},
        {Female, 13, None, "Girls 9-13 years", "iron_mg", 8, 40},
        {Female, 14, None, "Girls 14-18 years", "iron_mg", 15, 45},
        {Male, 18, None, "Boys 14-18 years", "phosphorus_mg", 1250, 4000},
        {Male, 19, None, "Men 19-30 years", "phosphorus_mg", 700, 4000},
        {Male, 30, None, "Men 19-30 years", "magnesium_mg", 400, 350},
        {Male, 31, None, "Men 31-50 years", "magnesium_mg", 420, 350},
        {Female, 50, None, "Women 31-50 years", "iron_mg", 18, 45},
        {Female, 51, None, "Women 51-70 years", "iron_mg", 8, 45},
        {Male, 70, None, "Men 51-70 years", "vitamin_d_ug", 15, 100},
        {Male, 71, None, "Men over 70 years", "vitamin_d_ug", 20, 100},
        {Female, std::nullopt, None, "Women 31-50 years", "folate_ug", 400, 1000},
        {Male, std::nullopt, Pregnancy, "Men 31-50 years", "folate_ug", 400, 1000},
        {Female, 13, Pregnancy, "Girls 9-13 years", "folate_ug", 300, 600},
        {Female, 14, Pregnancy, "Pregnancy 14-18 years", "iron_mg", 27, 45},
        {Female, 51, Lactation, "Women 51-70 years", "vitamin_a_rae_ug", 700, 3000},
        {Female, std::nullopt, Lactation, "Lactation 31-50 years", "vitamin_a_rae_ug", 1300, 3000},
    };
    const ReferenceIntakes& intakes = ReferenceIntakes::builtIn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(intakes.groupLabel(c.sex, c.age, c.condition), QLatin1String(c.label));
        const IntakeGoal goal = intakes.goal(QLatin1String(c.key), c.sex, c.age, c.condition);
        EXPECT_EQ(goal.amount, c.amount);
        EXPECT_EQ(goal.upperLimit, c.upperLimit);
    }
    EXPECT_EQ(intakes.groupLabel(Male, 0, None), QLatin1String("No reference intakes under 1 year"));
    EXPECT_FALSE(intakes.goal(QStringLiteral("iron_mg"), Male, 0, None).amount);
    EXPECT_FALSE(intakes.goal(QStringLiteral("energy_kcal"), Male, 40, None).amount);
}
