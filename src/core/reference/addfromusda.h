#pragma once
// "Add from &USDA...": a window that searches the USDA reference, shows the
// chosen food's measures and the six values of the chosen one as the food
// item table would store them, proposes a name, and adds the food item through
// the same path as "&Add Food Item". The reference is read when the window is
// first opened; a reference that cannot be read is told once and the command
// goes off.

#include "food/fooditem.h"
#include "reference/foodranking.h"
#include "reference/referencesearch.h"
#include "reference/usdareference.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

namespace tolvane {

class FoodEditing;
class Program;
class UsdaWindows;

namespace usdamsg {
inline const QString Caption = QStringLiteral("Add from USDA");
inline const QString Unreadable =
    QStringLiteral("The USDA reference could not be read; Add from USDA is not available.");
inline QString noMatch(const QString& text)
{
    return QStringLiteral("No food item matches \"") + text.simplified().left(60) + QStringLiteral("\".");
}
inline const QString UnknownValue =
    QStringLiteral("USDA gives no value for %1 of this food, so it cannot be added as a food item.");
inline const QString NoName = QStringLiteral("Type a name for the food item.");
inline const QString NameTooLong = QStringLiteral("The name of a food item has at most 30 characters.");
inline const QString BadGrams = QStringLiteral("Type the weight in grams, a number above 0.");
inline QString added(const QString& name) { return QStringLiteral("Added \"") + name + QStringLiteral("\"."); }
inline const QString BestMatch = QStringLiteral("Best match");
// "iron per 100 g": what a ranking ranks by, as its status says it.
inline QString rankedBy(const RankNutrient& nutrient, const QString& basis)
{
    return nutrient.name.left(1).toLower() + nutrient.name.mid(1) + QStringLiteral(" per ") + basis;
}
QString ranked(std::size_t shown, std::size_t total, std::size_t unknown, const QString& rankedBy);
inline const QString LinkNotSaved = QStringLiteral(
    "The food item was added, but its link to the USDA food could not be saved in foodlinks.tsv.");
} // namespace usdamsg

class AddFromUsda {
public:
    // At most this many results are listed; the status says how many match.
    static constexpr std::size_t ShownResults = 100;

    AddFromUsda(Program& program, FoodEditing& editing, UsdaWindows& windows);
    ~AddFromUsda();

    // Where the reference is read from (the installed file by default).
    void setReferencePath(const QString& path) { referencePath_ = path; }

    // The command: reads the reference the first time, then shows the window.
    void open();
    bool referenceRead() const { return reference_.has_value(); }

    // The search field.
    void setSearchText(const QString& text);
    const QString& searchText() const { return searchText_; }
    // What the search found, as the screen reader reads it under the field:
    // "12 foods", "The first 100 of 1,234 foods", "No food item matches ...".
    const QString& status() const { return status_; }
    // The results, best first: USDA's description and the food group.
    int resultCount() const { return static_cast<int>(results_.size()); }
    QString resultDescription(int row) const;
    QString resultGroup(int row) const;
    int currentResult() const { return current_; }
    void chooseResult(int row);

    // The chosen food's measures: USDA's ("1 cup (244 g)"), then "100 g",
    // then the grams typed in the grams field (always the last).
    QStringList measureTexts() const;
    int currentMeasure() const { return measure_; }
    void chooseMeasure(int index);
    int typedGramsMeasure() const { return static_cast<int>(measureCount()) - 1; }
    // Typing grams chooses the last measure.
    void setGramsText(const QString& text);
    const QString& gramsText() const { return gramsText_; }

    // The six values of the chosen measure, as the food item dialog shows
    // them; "?" where USDA gives none, empty without a choice.
    std::array<QString, NutrientCount> valueTexts() const;
    // The name the item gets: proposed at each choice, the user may change it.
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    // The measure as the name and the link say it ("1 cup", "150 g").
    QString measureShort() const;

    // Ranking the results by a nutrient, richest first: choice 0 is "Best
    // match" (the search's own order), then the nutrients given. Without a
    // search text every food is ranked, with one the matching foods.
    void setRankNutrients(std::vector<RankNutrient> nutrients) { rankNutrients_ = std::move(nutrients); }
    QStringList rankChoices() const;
    int rankChoice() const { return rankChoice_; }
    void chooseRank(int choice);
    // "100 g", "100 kcal", "serving", in the order of RankBasis.
    static QStringList basisTexts();
    RankBasis basis() const { return basis_; }
    void chooseBasis(RankBasis basis);
    // What the results are ranked by ("Iron per 100 g"), and the amount beside
    // each ("2.5 mg", "1.2 mg in 1 cup"); empty when they are not ranked.
    const QString& rankHeading() const { return rankHeading_; }
    QString resultAmount(int row) const;

    // "&Add": adds the item to the food item table and the personal list.
    // True when it was added; what went wrong is told.
    bool pressAdd();

private:
    const ReferenceFood* chosenFood() const;
    std::size_t measureCount() const;
    std::optional<Decimal> chosenGrams() const;
    SixValues chosenValues() const;
    void proposeName();
    void rankResults();

    Program& program_;
    FoodEditing& editing_;
    UsdaWindows& windows_;
    QString referencePath_;
    bool tried_ = false;
    std::optional<UsdaReference> reference_;
    std::unique_ptr<ReferenceSearch> search_;
    QString searchText_;
    QString status_;
    std::vector<int> results_;
    int current_ = -1;
    int measure_ = -1;
    QString gramsText_;
    QString name_;
    std::vector<RankNutrient> rankNutrients_;
    int rankChoice_ = 0;
    RankBasis basis_ = RankBasis::Per100Grams;
    QString rankHeading_;
    QStringList rankAmounts_;  // beside the results they were ranked with
};

// "1.0" -> "1", "0.5" -> "1/2", "1.5" -> "1 1/2", "0.333" -> "1/3", "2.4" -> "2.4".
QString measureAmountText(const QString& amount);
// "cup, chopped" -> "cup", "tablespoon" -> "tbsp", "slice (1 oz)" -> "slice".
QString measureWord(const QString& name);
// A name of at most 30 characters: the food's name, its parts dropped from
// the end while the measure does not fit after it, then the measure.
QString fittedName(const QString& foodName, const QString& measure);

} // namespace tolvane
