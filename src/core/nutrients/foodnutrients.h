#pragma once
// The nutrients of a food item beyond its six values. An item is linked to a
// USDA food and measure by "foodlinks.tsv" (what "Add from USDA" added) or,
// for a starter food, by the starter list (never written to the folder: the
// program carries it). A link holds only while the item's six values are the
// ones its USDA food gives for the measure's grams; an item whose values were
// changed has its six values only. The USDA reference and the links are read
// at the first question.

#include "food/fooditem.h"
#include "nutrients/nutrientcatalogue.h"
#include "reference/usdalinks.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace tolvane {

class Program;

namespace nutrientmsg {
inline QString linkLost(const QString& name)
{
    return QStringLiteral("The values of \"%1\" were changed, so it is no longer linked to its USDA food: only "
                          "its six values are known now.")
        .arg(name);
}
QString damagedLinks(const QString& problem, const QString& keptAs);
inline QString unknownNumber(const QString& name, const QString& number)
{
    return QStringLiteral("The food item \"%1\" is linked to USDA number %2, which the USDA reference does not "
                          "have. The link was dropped; the item has its six values only.")
        .arg(name, number);
}
inline const QString NoReference =
    QStringLiteral("The USDA reference could not be read: only the six values of each food item are known.");
} // namespace nutrientmsg

// Why a links file does not read, or empty when it does.
QString linksFileProblem(const QByteArray& bytes);

// Where the program finds the starter foods' links.
inline const QString StarterLinksPath = QStringLiteral(":/starter/starterlinks.tsv");

class FoodNutrients {
public:
    explicit FoodNutrients(Program& program);
    ~FoodNutrients();

    void setReferencePath(const QString& path) { referencePath_ = path; }
    void setStarterLinksPath(const QString& path) { starterLinksPath_ = path; }

    // Whether the USDA reference could be read (reads it the first time).
    bool referenceRead();
    // One serving of the item: its six values, and the rest from its USDA
    // food while it is linked; empty where unknown.
    NutrientAmounts perServing(const FoodItem& item);
    bool linked(const FoodItem& item);

    // The food item dialog changed `before` into `after`: a linked item whose
    // six values changed loses its link (told); a renamed one keeps it.
    void itemModified(const FoodItem& before, const FoodItem& after);

private:
    struct Link;
    void ensureLoaded();
    void readLinksFile();
    const Link* linkOf(const FoodItem& item);
    void saveLinks();

    Program& program_;
    QString referencePath_;
    QString starterLinksPath_ = StarterLinksPath;
    bool tried_ = false;
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace tolvane
