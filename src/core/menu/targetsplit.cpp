#include "menu/targetsplit.h"

#include "shell/preferences.h"
#include "storage/numbertext.h"

namespace tolvane {

Shares TargetSplit::shares() const
{
    // Exact for the default: 60 / 100 is the long double nearest to 0.6, as
    // the literal 0.6L is.
    return {carbohydrate / 100.0L, protein / 100.0L, fat / 100.0L};
}

TargetSplit keptTargetSplit(const Preferences& preferences)
{
    constexpr TargetSplit Default{};
    const TargetSplit kept{preferences.number(TargetCarbohydrateKey, Default.carbohydrate, 0, 100),
                           preferences.number(TargetProteinKey, Default.protein, 0, 100),
                           preferences.number(TargetFatKey, Default.fat, 0, 100)};
    return kept.carbohydrate + kept.protein + kept.fat == 100 ? kept : Default;
}

void keepTargetSplit(Preferences& preferences, const TargetSplit& target)
{
    preferences.write({{TargetCarbohydrateKey, target.carbohydrate},
                       {TargetProteinKey, target.protein},
                       {TargetFatKey, target.fat}});
}

ReferenceSide referenceSide(const TargetSplit& target)
{
    const auto percent = [](int value) { return formatFixed(value, 2, 0) + QLatin1Char('%'); };
    ReferenceSide side;
    const bool recommended = target.isDefault();
    side.title = recommended ? QStringLiteral("FDA Recommended Daily Allowances") : QStringLiteral("Your Target");
    side.pieName = side.title + QStringLiteral(" pie");
    const QString owner = recommended ? QStringLiteral("FDA ") : QStringLiteral("Target ");
    side.percents = {percent(target.carbohydrate), percent(target.protein), percent(target.fat)};
    side.names = {owner + QStringLiteral("carbohydrate"), owner + QStringLiteral("protein"),
                  owner + QStringLiteral("fat")};
    side.shares = target.shares();
    return side;
}

} // namespace tolvane
