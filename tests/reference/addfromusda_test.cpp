// "Add from USDA": the search, the measures and values shown, the name
// proposed, the add through the food item table's own checks, the link kept
// beside the table, and a reference that cannot be read.

#include "../food/foodfixture.h"

#include "reference/addfromusda.h"
#include "reference/usdalinks.h"
#include "qstringprint.h"

#include <QFile>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class AddFromUsdaTest : public FoodFixture {
protected:
    AddFromUsda usda{program, food.editing, ui};
    FoodItem apple = makeItem(QStringLiteral("Apple"), {52, 14, 0.25L, 0.25L, 1, 0});

    void openOn(const QString& path = QStringLiteral(TOLVANE_USDA_REFERENCE_TSV))
    {
        start({apple});
        usda.setReferencePath(path);
        program.execute(Command::AddFromUsda);
    }
    QString links() const
    {
        QFile file(dir.filePath(UsdaLinksFileName));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

} // namespace

TEST_F(AddFromUsdaTest, ChocolateChipCookieByItsOwnMeasureGoesIntoTheTableAndThePersonalList)
{
    openOn();
    EXPECT_EQ(ui.windows, QStringList{QStringLiteral("usda")});
    usda.setSearchText(QStringLiteral("chocolate chip cookie"));
    EXPECT_EQ(usda.status(), QStringLiteral("14 foods"));
    EXPECT_EQ(usda.resultDescription(0),
              QStringLiteral("Cookies, chocolate chip, commercially prepared, regular, higher fat, enriched"));
    EXPECT_EQ(usda.resultGroup(0), QStringLiteral("Baked Products"));
    EXPECT_EQ(usda.measureTexts(),
              (QStringList{QStringLiteral("1 cookie (average weight of 1 cookie, variety of brands) (12.2 g)"),
                           QStringLiteral("1 cookie, bite size (2.2 g)"),
                           QStringLiteral("1 cookie, medium (2-1/4\" dia) (10 g)"),
                           QStringLiteral("1 cookie, big (3-1/2\" - 4\" dia) (40 g)"), QStringLiteral("100 g"),
                           QStringLiteral("Grams typed")}));
    // USDA per 100 g: 474 kcal, 63.86 g carbohydrate, 5.12 g protein, 23.31 g fat,
    // 344 mg sodium, 0 mg cholesterol; 12.2 g of it, halves up.
    EXPECT_EQ(usda.valueTexts(), (std::array<QString, 6>{QStringLiteral("58"), QStringLiteral("7.8"),
                                                          QStringLiteral("0.6"), QStringLiteral("2.8"),
                                                          QStringLiteral("42.0"), QStringLiteral("0")}));
    EXPECT_EQ(usda.name(), QStringLiteral("Choc chip cookies, 1 cookie"));

    ASSERT_TRUE(usda.pressAdd());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(usda.status(), QStringLiteral("Added \"Choc chip cookies, 1 cookie\"."));
    EXPECT_EQ(selectedName(), QStringLiteral("Choc chip cookies, 1 cookie"));
    const FoodItem& added = foods.foodTable().rowItem(foods.selectedFoodRow());
    EXPECT_TRUE(added.onPersonalList());
    EXPECT_EQ(added.nutrients(), (Nutrients{58, roundToReal6(7.8L), roundToReal6(0.6L), roundToReal6(2.8L), 42, 0}));
    EXPECT_EQ(fileBytes(), tableBytes({apple, added}));
    EXPECT_EQ(links(), QStringLiteral("item\tusda_number\tmeasure\tgrams\n"
                                      "Choc chip cookies, 1 cookie\t18159\t1 cookie\t12.2\n"));

    // The same again: the table's own message, the item of that name selected.
    click(QStringLiteral("Apple"));
    EXPECT_FALSE(usda.pressAdd());
    EXPECT_EQ(ui.messages, std::vector<Message>{typed(editmsg::SameName, Icon::Information)});
    EXPECT_EQ(selectedName(), QStringLiteral("Choc chip cookies, 1 cookie"));

    // Typed grams, named by them; the link of a second item joins the first.
    usda.setGramsText(QStringLiteral("25"));
    EXPECT_EQ(usda.currentMeasure(), usda.typedGramsMeasure());
    EXPECT_EQ(usda.name(), QStringLiteral("Chocolate chip cookies, 25 g"));
    EXPECT_EQ(usda.valueTexts()[0], QStringLiteral("119"));  // 474 * 0.25 = 118.5, halves up
    ASSERT_TRUE(usda.pressAdd());
    EXPECT_EQ(links(), QStringLiteral("item\tusda_number\tmeasure\tgrams\n"
                                      "Choc chip cookies, 1 cookie\t18159\t1 cookie\t12.2\n"
                                      "Chocolate chip cookies, 25 g\t18159\t25 g\t25\n"));
    EXPECT_EQ(ui.windows.size(), 1);  // the window stayed open throughout
}

TEST_F(AddFromUsdaTest, WhatCannotBeAddedIsToldAndNothingChanges)
{
    openOn();
    usda.setSearchText(QStringLiteral("banana"));
    const QByteArray before = fileBytes();
    const struct {
        QString grams, name, message;
    } cases[] = {
        {QStringLiteral("0"), QString(), usdamsg::BadGrams},
        {QStringLiteral("abc"), QString(), usdamsg::BadGrams},
        {QStringLiteral("100001"), QString(), usdamsg::BadGrams},
        {QStringLiteral("50"), QStringLiteral("  "), usdamsg::NoName},
        {QStringLiteral("50"), QStringLiteral("Banana \u0101"), editmsg::NameNotStorable},
        {QStringLiteral("50"), QString(31, QLatin1Char('b')), usdamsg::NameTooLong},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        usda.setGramsText(c.grams);
        if (!c.name.isNull())
            usda.setName(c.name);
        EXPECT_FALSE(usda.pressAdd()) << c.grams.toStdString();
        EXPECT_EQ(ui.messages, std::vector<Message>{typed(c.message, Icon::Warning)}) << c.grams.toStdString();
    }
    // A food USDA gives no cholesterol for.
    usda.setSearchText(QStringLiteral("tea black brewed"));
    ASSERT_EQ(usda.resultDescription(0), QStringLiteral("Tea, black, brewed, prepared with tap water"));
    ui.messages.clear();
    usda.setGramsText(QStringLiteral("240"));
    usda.setName(QStringLiteral("Tea"));
    EXPECT_EQ(usda.pressAdd(), true);
    // While only the personal list shows, the table's own refusal.
    program.execute(Command::ShowPersonalList);
    ui.messages.clear();
    usda.setName(QStringLiteral("Tea 2"));
    EXPECT_FALSE(usda.pressAdd());
    EXPECT_EQ(ui.messages, std::vector<Message>{typed(editmsg::AddInPersonalView, Icon::Warning)});
    EXPECT_NE(fileBytes(), before);
}

TEST_F(AddFromUsdaTest, ASearchWithoutMatchSaysSoAndKeepsTheChoice)
{
    openOn();
    usda.setSearchText(QStringLiteral("milk"));
    ASSERT_EQ(usda.resultDescription(0), QStringLiteral("Milk, whole, 3.25% milkfat, with added vitamin D"));
    usda.chooseResult(2);
    const QString chosen = usda.resultDescription(2);
    const QString searches[] = {QString(1000, QLatin1Char('x')), QStringLiteral("\x01\x02\t\x7f"),
                                QStringLiteral("!?;,.()"), QStringLiteral("greek yogurt")};
    for (const QString& text : searches) {
        usda.setSearchText(text);
        EXPECT_EQ(usda.status(), usdamsg::noMatch(text));
        EXPECT_EQ(usda.currentResult(), 2);
        EXPECT_EQ(usda.resultDescription(usda.currentResult()), chosen);
    }
    EXPECT_EQ(usdamsg::noMatch(QStringLiteral(" greek  yogurt ")), QStringLiteral("No food item matches \"greek yogurt\"."));
}

TEST_F(AddFromUsdaTest, AnUnreadableReferenceIsToldOnceAndTheCommandGoesOff)
{
    // A missing file or another header is known at the opening; a damaged
    // line only when the background reading ends, at the first search.
    start({apple});
    const QByteArray reference = readAll(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    const struct {
        QByteArray bytes;
        bool windowShown;
    } cases[] = {
        {QByteArray(), false},
        {QByteArrayLiteral("number\tgroup\n01001\tDairy\n"), false},
        {reference.left(reference.indexOf("\n01001")) + "\n01001\tDairy\n", true},
    };
    for (const auto& c : cases) {
        QTemporaryDir other;
        const QString damaged = other.filePath(QStringLiteral("usda_reference.tsv"));
        if (!c.bytes.isEmpty())
            writeAll(damaged, c.bytes);
        AddFromUsda fresh{program, food.editing, ui};
        program.setEnabled(Command::AddFromUsda, true);
        ui.messages.clear();
        ui.windows.clear();
        fresh.setReferencePath(damaged);
        fresh.open();
        EXPECT_EQ(ui.windows.size(), c.windowShown ? 1 : 0);
        fresh.setSearchText(QStringLiteral("milk"));
        fresh.open();
        EXPECT_EQ(fresh.status(), usdamsg::Unreadable);
        EXPECT_EQ(ui.messages, std::vector<Message>{typed(usdamsg::Unreadable, Icon::Warning)});
        EXPECT_FALSE(program.isEnabled(Command::AddFromUsda));
        EXPECT_TRUE(program.isEnabled(Command::AddFoodItem));
    }
}

TEST(UsdaNamesTest, MeasuresAndNamesAreSaidShortly)
{
    EXPECT_EQ(measureAmountText(QStringLiteral("1.0")), QStringLiteral("1"));
    EXPECT_EQ(measureAmountText(QStringLiteral("0.5")), QStringLiteral("1/2"));
    EXPECT_EQ(measureAmountText(QStringLiteral("1.5")), QStringLiteral("1 1/2"));
    EXPECT_EQ(measureAmountText(QStringLiteral("0.333")), QStringLiteral("1/3"));
    EXPECT_EQ(measureAmountText(QStringLiteral("2.4")), QStringLiteral("2.4"));
    EXPECT_EQ(measureWord(QStringLiteral("cup, chopped")), QStringLiteral("cup"));
    EXPECT_EQ(measureWord(QStringLiteral("Tablespoon")), QStringLiteral("tbsp"));
    EXPECT_EQ(measureWord(QStringLiteral("slice (1 oz)")), QStringLiteral("slice"));
    EXPECT_EQ(fittedName(QStringLiteral("Milk, whole"), QStringLiteral("1 cup")), QStringLiteral("Milk, whole, 1 cup"));
    EXPECT_EQ(fittedName(QStringLiteral("Beans, snap, green, canned, no salt added"), QStringLiteral("1 cup")),
              QStringLiteral("Beans, snap, green, 1 cup"));
    EXPECT_EQ(fittedName(QStringLiteral("Abcdefghijklmnopqrstuvwxyzabcd"), QStringLiteral("1 cup")),
              QStringLiteral("Abcdefghijklmnopqrstuvw, 1 cup"));
}
