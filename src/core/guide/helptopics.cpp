#include "guide/helptopics.h"

#include "nutrients/referenceintakes.h"

#include <algorithm>

namespace tolvane {

const std::vector<HelpTopic>& helpTopics()
{
    constexpr HelpGroup Diet = HelpGroup::DietAndHealth;
    static const std::vector<HelpTopic> topics = {
        {1, QStringLiteral("General: the Menu Planner"), QStringLiteral("general.html")},
        {3, QStringLiteral("RDA Guidelines"), QStringLiteral("rda.html"), Diet},
        {4, QStringLiteral("Low Calorie"), QStringLiteral("lowcalorie.html"), Diet},
        {5, QStringLiteral("Diabetic"), QStringLiteral("diabetic.html"), Diet},
        {6, QStringLiteral("Low Sodium"), QStringLiteral("lowsodium.html"), Diet},
        {7, QStringLiteral("Low Cholesterol"), QStringLiteral("lowcholesterol.html"), Diet},
        {9, QStringLiteral("Add/Modify Food Item"), QStringLiteral("fooditem.html")},
        {10, QStringLiteral("Recipes"), QStringLiteral("recipes.html")},
        {11, QStringLiteral("Building a Weight Graph"), QStringLiteral("weight.html")},
        {17, QStringLiteral("Messages"), QStringLiteral("messages.html")},
        {21, QStringLiteral("Dieting Hints"), QStringLiteral("dietinghints.html"), Diet},
        {22, QStringLiteral("Disclaimer"), QStringLiteral("disclaimer.html"), Diet},
        {25, QStringLiteral("Calculators"), QStringLiteral("calculators.html")},
        {26, QStringLiteral("Activity Planner"), QStringLiteral("activity.html")},
        {32, QStringLiteral("Updated Food Item List"), QStringLiteral("fooditemlist.html")},
        {33, QStringLiteral("Personal List"), QStringLiteral("personallist.html")},
        {34, QStringLiteral("Backups"), QStringLiteral("backups.html")},
        {StartingHelpContext, QStringLiteral("Starting Tolvane: data folder, tutor"), QStringLiteral("starting.html")},
        {UsingHelpHelpContext, QStringLiteral("Using help"), QStringLiteral("usinghelp.html")},
        {PrintingHelpContext, QStringLiteral("Printing and preview"), QStringLiteral("printing.html")},
        {CsvHelpContext, QStringLiteral("CSV import and export"), QStringLiteral("csv.html")},
        {47, QStringLiteral("Copy Day and Weight Trend"), QStringLiteral("planningtools.html")},
        {NutrientsHelpContext, QStringLiteral("Nutrients and Reference Intakes"), QStringLiteral("nutrients.html"), Diet},
    };
    return topics;
}

QString helpGroupTitle(HelpGroup group)
{
    return group == HelpGroup::DietAndHealth ? QStringLiteral("Diet and health") : QStringLiteral("Using the program");
}

std::optional<HelpTopic> helpTopic(int context)
{
    const auto& topics = helpTopics();
    const auto it = std::find_if(topics.begin(), topics.end(), [context](const HelpTopic& t) { return t.context == context; });
    if (it == topics.end())
        return std::nullopt;
    return *it;
}

} // namespace tolvane
