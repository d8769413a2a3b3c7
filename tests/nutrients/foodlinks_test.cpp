// Which food items are linked to their USDA food: a changed item loses its
// link with a message, a renamed one keeps it, and a links file that does not
// read or names a food the reference lacks is told and set right.

#include "../food/foodfixture.h"

#include "nutrients/foodnutrients.h"
#include "storage/safesave.h"
#include "qstringprint.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString Milk = QStringLiteral("Milk, whole, 1 cup");
const QString LinksHeader = QStringLiteral("item\tusda_number\tmeasure\tgrams\n");

class FoodLinksTest : public FoodFixture {
protected:
    FoodNutrients nutrients{program};
    // The starter row as the starter table has it, and a food typed in.
    FoodItem milk = makeItem(Milk, {149, 11.7L, 7.7L, 7.9L, 105, 24});
    FoodItem soup = makeItem(QStringLiteral("My soup"), {120, 10, 5, 4, 600, 10});

    void SetUp() override
    {
        nutrients.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
        food.editing.modified = [this](const FoodItem& before, const FoodItem& after) {
            nutrients.itemModified(before, after);
        };
    }
    QString links() const { return QString::fromUtf8(readAll(dir.filePath(UsdaLinksFileName))); }
    bool linked(const QString& name)
    {
        const QStringList names = foods.foodTable().rowNames();
        return nutrients.linked(foods.foodTable().rowItem(static_cast<int>(names.indexOf(name))));
    }
};

} // namespace

TEST_F(FoodLinksTest, AStarterFoodKeepsItsLinkWhenRenamedAndLosesItWithAMessageWhenItsValuesChange)
{
    start({milk, soup});
    // The first question is the rename itself: the reference is read for it.
    click(Milk);
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Whole milk"), {"149", "11.7", "7.7", "7.9", "105", "24"})});
    food.editing.modify();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(linked(QStringLiteral("Whole milk")));
    EXPECT_FALSE(linked(QStringLiteral("My soup")));
    EXPECT_FALSE(nutrients.linked(makeItem(Milk, {150, 11.7L, 7.7L, 7.9L, 105, 24})));  // its name, other values
    // Beyond the six values: USDA gives 113 mg calcium per 100 g, the serving is 244 g.
    EXPECT_EQ(*nutrients.perServing(milk)[catalogueIndex(QStringLiteral("calcium_mg"))], 113.0L * 244 / 100);
    EXPECT_FALSE(nutrients.perServing(soup)[catalogueIndex(QStringLiteral("calcium_mg"))]);
    EXPECT_EQ(links(), LinksHeader + QStringLiteral("Whole milk\t01077\t1 cup\t244\n"));

    const QByteArray table = fileBytes();
    ui.foodItemAnswers.push_back({enter(QStringLiteral("Milk"), {"150", "11.7", "7.7", "7.9", "105", "24"})});
    food.editing.modify();
    EXPECT_EQ(ui.messages, (std::vector<Message>{typed(
                               QStringLiteral("The values of \"Milk\" were changed, so it is no longer linked to "
                                              "its USDA food: only its six values are known now."),
                               Icon::Warning)}));
    EXPECT_FALSE(linked(QStringLiteral("Milk")));
    EXPECT_EQ(links(), LinksHeader);
    EXPECT_NE(fileBytes(), table); // the table itself took the new calories
}

TEST_F(FoodLinksTest, ALinksFileThatDoesNotReadGoesAsideAndAnUnknownUsdaNumberIsDropped)
{
    const QString kept = QStringLiteral("It was kept as \"foodlinks.tsv.damaged\". Food items added from USDA have "
                                        "their six values only until they are added again.");
    struct Case {
        QString file;
        QString message;
        QString linksAfter; // empty: the file went aside
        bool milkLinked;
    };
    const QString good = QStringLiteral("Whole milk\t01077\t1 cup\t244\n");
    const std::vector<Case> cases = {
        {QStringLiteral("item\tnumber\n") + good,
         QStringLiteral("The food links file \"foodlinks.tsv\" is damaged: its first line is not the heading. ") + kept,
         {},
         false},
        {LinksHeader + good + QStringLiteral("Cheese\t0102\t1 oz\t28\n"),
         QStringLiteral("The food links file \"foodlinks.tsv\" is damaged: line 3 does not read. ") + kept,
         {},
         false},
        {LinksHeader + good + QStringLiteral("Bread\t01077\t1 slice\t-3\n"),
         QStringLiteral("The food links file \"foodlinks.tsv\" is damaged: line 3 does not read. ") + kept,
         {},
         false},
        {LinksHeader + QStringLiteral("Ghost\t99999\t1 cup\t100\n") + good,
         QStringLiteral("The food item \"Ghost\" is linked to USDA number 99999, which the USDA reference does not "
                        "have. The link was dropped; the item has its six values only."),
         LinksHeader + good, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        writeAll(dir.filePath(UsdaLinksFileName), c.file.toUtf8());
        FoodNutrients fresh{program};
        fresh.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
        ui.messages.clear();
        EXPECT_EQ(fresh.linked(makeItem(QStringLiteral("Whole milk"), {149, 11.7L, 7.7L, 7.9L, 105, 24})),
                  c.milkLinked);
        EXPECT_EQ(ui.messages, (std::vector<Message>{typed(c.message, Icon::Warning)}));
        EXPECT_EQ(links(), c.linksAfter);
        EXPECT_EQ(QString::fromUtf8(readAll(dir.filePath(UsdaLinksFileName + DamagedSuffix))),
                  c.linksAfter.isEmpty() ? c.file : QString());
        // The starter foods stay linked whatever the file holds.
        EXPECT_TRUE(fresh.linked(milk));
    }
}
