#pragma once
// The Dietary Reference Intakes of the US National Academies: per life-stage
// group, the RDA or AI of a nutrient and its Tolerable Upper Intake Level (UL)
// where one is set. The table (data/reference_intakes.tsv, which names its
// source and edition) is compiled into the program; its nutrient keys and
// units are those of the USDA reference ("iron_mg", "vitamin_d_ug").

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tolvane {

// The help topic on the nutrients, the reference intakes and their cautions.
constexpr int NutrientsHelpContext = 48;

enum class IntakeSex { Female, Male };
enum class IntakeCondition { None, Pregnancy, Lactation };

struct IntakeGoal {
    std::optional<long double> amount;  // the RDA, or the AI when adequateIntake
    bool adequateIntake = false;
    // The UL; for sodium, which has none, the intake above which it should be
    // reduced (the Chronic Disease Risk Reduction intake).
    std::optional<long double> upperLimit;
    // The UL covers only part of what a food gives: supplements, fortified
    // foods and medication (magnesium, niacin, folic acid, vitamin E), or
    // preformed vitamin A (retinol), not the carotenoids in the RAE amount.
    bool upperLimitSupplementsOnly = false;
};

class ReferenceIntakes {
public:
    // The compiled-in table (a table that does not read stops the program:
    // the tests read every row of it).
    static const ReferenceIntakes& builtIn();
    // Reads a table in the format of reference_intakes.tsv; nullopt when any
    // line, cell or group does not read.
    static std::optional<ReferenceIntakes> parse(const QByteArray& bytes);

    // The group whose values apply: "Women 31-50 years". Without an age, the
    // adult group of 31-50 years. Pregnancy and lactation apply to women of
    // the ages the table has groups for (14-50); for anyone else the
    // condition is ignored. Under one year there is no group (the text says so).
    QString groupLabel(IntakeSex sex, std::optional<int> ageYears, IntakeCondition condition) const;
    // The group's values for a nutrient; empty for a nutrient without a
    // reference intake (energy, fats, caffeine...) or without a group.
    IntakeGoal goal(const QString& nutrientKey, IntakeSex sex, std::optional<int> ageYears,
                    IntakeCondition condition) const;

    // The nutrient keys of the table, in its column order.
    const QStringList& nutrientKeys() const { return keys_; }

private:
    struct Group {
        QString label;
        std::optional<IntakeSex> sex;  // none: children of either sex
        IntakeCondition condition = IntakeCondition::None;
        int fromAge = 0;
        int toAge = 0;
        std::vector<IntakeGoal> goals;  // per key
        bool upperRead = false;
    };
    const Group* groupFor(IntakeSex sex, std::optional<int> ageYears, IntakeCondition condition) const;
    bool readRow(const QList<QByteArrayView>& fields);

    QStringList keys_;
    std::vector<Group> groups_;
};

} // namespace tolvane
