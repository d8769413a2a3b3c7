#pragma once
// The user's own target split of the calories between carbohydrate, protein
// and fat, in whole percent that add up to 100, kept in the settings. The
// default is the recommended 60/10/30, and with it every page and printout is
// as if there were no target. Another target takes the RDA page's left side
// ("Your Target") and moves the mark of every fat percentage to its fat share.

#include "menu/caloriesplit.h"

#include <QString>
#include <array>

namespace tolvane {

class Preferences;

struct TargetSplit {
    int carbohydrate = 60;
    int protein = 10;
    int fat = RecommendedFatPercent;

    bool operator==(const TargetSplit&) const = default;
    bool isDefault() const { return *this == TargetSplit{}; }
    // Each percent as a share: 60 -> 0.6.
    Shares shares() const;
};

// F1 in the dialog and its messages opens the RDA topic.
constexpr int TargetSplitHelpContext = 3;

inline const QString TargetCarbohydrateKey = QStringLiteral("TargetSplit/Carbohydrate");
inline const QString TargetProteinKey = QStringLiteral("TargetSplit/Protein");
inline const QString TargetFatKey = QStringLiteral("TargetSplit/Fat");

// The kept target: the default unless all three shares are kept, each 0 to
// 100, adding up to 100.
TargetSplit keptTargetSplit(const Preferences& preferences);
void keepTargetSplit(Preferences& preferences, const TargetSplit& target);

// The RDA page's left side for a target: the recommended split under "FDA
// Recommended Daily Allowances" for the default, else the target under "Your
// Target". Percentages are written as the panels write theirs ("60%", " 5%").
struct ReferenceSide {
    QString title;
    QString pieName;
    std::array<QString, 3> percents;  // carbohydrate, protein, fat
    std::array<QString, 3> names;     // the percentages' accessible names
    Shares shares;
};
ReferenceSide referenceSide(const TargetSplit& target);

} // namespace tolvane
