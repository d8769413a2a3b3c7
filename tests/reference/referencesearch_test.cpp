// Searching the USDA reference: how words compare, and the first result for
// the words people type (tools/reference/everyday_search.txt).

#include "food/foodwords.h"
#include "reference/referencesearch.h"
#include "qstringprint.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tolvane;

TEST(FoodWordsTest, CaseAccentsPluralsAndSynonymsMeet)
{
    const struct {
        const char16_t* typed;
        const char16_t* usda;
    } alike[] = {
        {u"BERRIES", u"berry"},          {u"tomatoes", u"Tomato"},     {u"cookies", u"cookie"},
        {u"crème brûlée", u"creme brulee"}, {u"peaches", u"peach"},  {u"hot dogs", u"frankfurter"},
        {u"ketchup", u"catsup"},         {u"zucchini", u"summer squash"}, {u"garbanzo", u"chickpeas"},
        {u"tangerines", u"mandarin"},    {u"soda", u"carbonated beverages"}, {u"scallions", u"green onion"},
        {u"hummus", u"hummus"},          {u"swiss", u"Swiss"},
    };
    for (const auto& pair : alike)
        EXPECT_EQ(searchWords(QString::fromUtf16(pair.typed)), searchWords(QString::fromUtf16(pair.usda)))
            << QString::fromUtf16(pair.typed).toStdString();
    EXPECT_EQ(foldedWords(QStringLiteral("Beef, ground, 80% lean / 20% fat")),
              (QStringList{QStringLiteral("beef"), QStringLiteral("ground"), QStringLiteral("80"),
                           QStringLiteral("lean"), QStringLiteral("20"), QStringLiteral("fat")}));
    EXPECT_TRUE(foldedWords(QStringLiteral("\x01!?;,. ()")).isEmpty());
}

TEST(ReferenceSearchTest, EverydayWordsFindTheEverydayFoodFirst)
{
    const std::optional<UsdaReference> reference = UsdaReference::load(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    ASSERT_TRUE(reference);
    const ReferenceSearch search(reference->foods());
    QFile list(QStringLiteral(TOLVANE_EVERYDAY_SEARCH));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    int checked = 0;
    QStringList missed;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString typed = line.section(QLatin1Char('|'), 0, 0).trimmed();
        const QRegularExpression accepted(line.section(QLatin1Char('|'), 1).trimmed());
        const std::vector<int> found = search.find(typed, 1);
        ++checked;
        if (found.empty() || !accepted.match(reference->foods()[static_cast<std::size_t>(found[0])].description).hasMatch())
            missed.append(typed + QStringLiteral(" -> ") +
                          (found.empty() ? QStringLiteral("nothing")
                                         : reference->foods()[static_cast<std::size_t>(found[0])].description));
    }
    EXPECT_GE(checked, 200);
    // At least 90% first; the misses are named.
    EXPECT_LE(missed.size() * 10, checked) << missed.join(QLatin1Char('\n')).toStdString();
}
