// The Add/Modify Food Item dialog's rules: how values are shown, how OK reads
// the fields, which message a bad field gives and where the focus goes.

#include "food/fooditemform.h"
#include "scriptedui.h"
#include "storage/real6.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {
Message warning(const QString& text) { return Message::typed(text, Icon::Warning, only(Button::Ok), 17); }

FoodItemForm goodForm()
{
    FoodItemForm form(EditItem{QStringLiteral("Toast"), {80, 15, 3, 1, 150, 0}});
    return form;
}
} // namespace

TEST(FoodItemFormShow, ValuesAreRightAlignedInEightWithTheirDecimals)
{
    const FoodItemForm form(
        EditItem{QStringLiteral("Apple pie"), {120, 2.5L, 0.25L, -2.25L, 1234567.75L, 0.5L}}, QStringLiteral("Add"));
    EXPECT_EQ(form.caption(), QStringLiteral("Add"));
    EXPECT_EQ(form.helpContext(), 9);
    EXPECT_EQ(form.focusField(), FoodItemForm::Name);
    EXPECT_EQ(form.text(FoodItemForm::Name), QStringLiteral("Apple pie"));
    EXPECT_EQ(form.text(FoodItemForm::Calories), QStringLiteral("     120"));
    EXPECT_EQ(form.text(FoodItemForm::Carbo), QStringLiteral("     2.5"));
    // Halves go away from zero; a value wider than the field is not cut.
    EXPECT_EQ(form.text(FoodItemForm::Protein), QStringLiteral("     0.3"));
    EXPECT_EQ(form.text(FoodItemForm::Fat), QStringLiteral("    -2.3"));
    EXPECT_EQ(form.text(FoodItemForm::Sodium), QStringLiteral("1234567.8"));
    EXPECT_EQ(form.text(FoodItemForm::Chol), QStringLiteral("       1"));

    const FoodItemForm empty{EditItem{}};
    EXPECT_EQ(empty.caption(), QStringLiteral("Add/Modify Food Item"));
    EXPECT_EQ(empty.text(FoodItemForm::Name), QString());
    EXPECT_EQ(empty.text(FoodItemForm::Calories), QStringLiteral("       0"));
    EXPECT_EQ(empty.text(FoodItemForm::Sodium), QStringLiteral("     0.0"));
}

TEST(FoodItemFormShow, LabelsAndTypingLimits)
{
    const QStringList labels = {QStringLiteral("Food Item"), QStringLiteral("Calories"), QStringLiteral("Carbo"),
                                QStringLiteral("Protein"),   QStringLiteral("Fat"),      QStringLiteral("Sodium"),
                                QStringLiteral("Chol")};
    for (int f = 0; f < FoodItemForm::FieldCount; ++f) {
        const auto field = static_cast<FoodItemForm::Field>(f);
        EXPECT_EQ(FoodItemForm::label(field), labels[f]);
        EXPECT_EQ(FoodItemForm::maxLength(field), f == 0 ? 30 : 8);
    }
}

TEST(FoodItemFormOk, ReadsTheSixValuesAndTheNameAsStored)
{
    ScriptedUi ui;
    FoodItemForm form = goodForm();
    form.text(FoodItemForm::Name) = QStringLiteral("Crème brûlée – €2 “classic”");
    form.text(FoodItemForm::Calories) = QStringLiteral("  +1.5e2");
    form.text(FoodItemForm::Carbo) = QStringLiteral(".5");
    form.text(FoodItemForm::Protein) = QStringLiteral("5.");
    form.text(FoodItemForm::Fat) = QStringLiteral("-0");
    form.text(FoodItemForm::Sodium) = QStringLiteral("0.1");
    form.text(FoodItemForm::Chol) = QStringLiteral("\t-12E-1");
    ASSERT_TRUE(form.pressOk(ui));
    EXPECT_TRUE(form.editAccepted());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(form.item().name, QStringLiteral("Crème brûlée – €2 “classic”"));
    // Values are kept as the stored format holds them: no range check.
    const Nutrients expected = {150, 0.5L, 5, 0, roundToReal6(0.1L), roundToReal6(-1.2L)};
    EXPECT_EQ(form.item().values, expected);
}

TEST(FoodItemFormOk, TheNameIsCutAtThirtyCharacters)
{
    ScriptedUi ui;
    FoodItemForm form = goodForm();
    form.text(FoodItemForm::Name) = QStringLiteral("Chicken noodle soup, canned, condensed");
    ASSERT_TRUE(form.pressOk(ui));
    EXPECT_EQ(form.item().name, QStringLiteral("Chicken noodle soup, canned, c"));
}

TEST(FoodItemFormOk, EachBadFieldGivesItsMessageAndTakesTheFocus)
{
    const struct {
        FoodItemForm::Field field;
        const char* message;
    } cases[] = {
        {FoodItemForm::Calories, "Invalid entry for calories."},
        {FoodItemForm::Carbo, "Invalid entry for carbohydrates."},
        {FoodItemForm::Protein, "Invalid entry for proteins."},
        {FoodItemForm::Fat, "Invalid entry for fat."},
        {FoodItemForm::Sodium, "Invalid entry for sodium."},
        {FoodItemForm::Chol, "Invalid entry for cholesterol."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ScriptedUi ui;
        FoodItemForm form = goodForm();
        form.text(c.field) = QStringLiteral("1,5");
        EXPECT_FALSE(form.pressOk(ui));
        EXPECT_FALSE(form.editAccepted());
        EXPECT_EQ(form.focusField(), c.field);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], warning(QString::fromLatin1(c.message)));
    }
}

TEST(FoodItemFormOk, StopsAtTheFirstBadFieldKeepingWhatWasReadBeforeIt)
{
    ScriptedUi ui;
    FoodItemForm form(EditItem{QStringLiteral("Old"), {1, 2, 3, 4, 5, 6}});
    form.text(FoodItemForm::Name) = QStringLiteral("New");
    form.text(FoodItemForm::Calories) = QStringLiteral("99");
    form.text(FoodItemForm::Carbo) = QStringLiteral("1,5");
    form.text(FoodItemForm::Sodium) = QStringLiteral("lots");
    EXPECT_FALSE(form.pressOk(ui));
    EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("Invalid entry for carbohydrates.")}));
    EXPECT_EQ(form.item(), (EditItem{QStringLiteral("Old"), {99, 2, 3, 4, 5, 6}}));

    form.text(FoodItemForm::Carbo) = QStringLiteral("1.5");
    EXPECT_FALSE(form.pressOk(ui));
    EXPECT_EQ(ui.texts().last(), QStringLiteral("Invalid entry for sodium."));
    EXPECT_EQ(form.focusField(), FoodItemForm::Sodium);

    form.text(FoodItemForm::Sodium) = QStringLiteral("12");
    EXPECT_TRUE(form.pressOk(ui));
    EXPECT_TRUE(form.editAccepted());
    EXPECT_EQ(form.item(), (EditItem{QStringLiteral("New"), {99, 1.5L, 3, 4, 12, 6}}));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(FoodItemFormOk, TextsThatAreNotNumbersAndValuesTooLargeToStore)
{
    const char* bad[] = {"", "   ", "12 ", "1,5", "1.2.3", "e5", "+", "0x10", "1e39", "-1e39", "1e99999"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        ScriptedUi ui;
        FoodItemForm form = goodForm();
        form.text(FoodItemForm::Calories) = QString::fromLatin1(text);
        EXPECT_FALSE(form.pressOk(ui));
        EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("Invalid entry for calories.")}));
    }
    // The largest stored magnitude is just under 2^128.
    ScriptedUi ui;
    FoodItemForm form = goodForm();
    form.text(FoodItemForm::Calories) = QStringLiteral("1e38");
    EXPECT_TRUE(form.pressOk(ui));
    EXPECT_EQ(form.item().values[0], roundToReal6(1e38L));
}

TEST(FoodItemFormOk, ANameTheFileCannotHoldIsRefusedAfterTheValues)
{
    ScriptedUi ui;
    FoodItemForm form = goodForm();
    form.text(FoodItemForm::Name) = QStringLiteral("Tofu 豆腐");
    form.text(FoodItemForm::Fat) = QStringLiteral("x");
    EXPECT_FALSE(form.pressOk(ui));
    EXPECT_EQ(form.focusField(), FoodItemForm::Fat);

    form.text(FoodItemForm::Fat) = QStringLiteral("2");
    EXPECT_FALSE(form.pressOk(ui));
    EXPECT_FALSE(form.editAccepted());
    EXPECT_EQ(form.focusField(), FoodItemForm::Name);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1], warning(QStringLiteral(
                                  "The name contains characters that cannot be stored in the food item table. "
                                  "Use only letters, digits and punctuation of Western European languages.")));
    EXPECT_EQ(form.item().name, QStringLiteral("Toast"));

    // An emoji is two UTF-16 units: cutting at 30 must not let half of it through.
    form.text(FoodItemForm::Name) = QString(29, QLatin1Char('a')) + QStringLiteral("\U0001F34E");
    EXPECT_FALSE(form.pressOk(ui));
    EXPECT_EQ(form.focusField(), FoodItemForm::Name);
}

TEST(FoodItemFormButtons, CancelAllowsTheCloseAndHelpOpensTopicNine)
{
    ScriptedUi ui;
    FoodItemForm form = goodForm();
    EXPECT_FALSE(form.editAccepted());
    form.text(FoodItemForm::Chol) = QStringLiteral("?");
    form.pressOk(ui);
    EXPECT_FALSE(form.editAccepted());
    form.pressHelp(ui);
    EXPECT_EQ(ui.helpTopics, std::vector<int>({9}));
    EXPECT_FALSE(form.editAccepted());
    form.pressCancel();
    EXPECT_TRUE(form.editAccepted());
}

TEST(FoodItemFormOk, AFieldLeftAsShownKeepsItsExactValue)
{
    // 0.25 g shows as "0.3" and 52.4 kcal as "52": OK without typing must not
    // turn them into what the fields show.
    ScriptedUi ui;
    const EditItem exact{QStringLiteral("Apple"), {52.4L, 14, 0.25L, 0.25L, 1, 0.5L}};
    FoodItemForm form(exact);
    ASSERT_TRUE(form.pressOk(ui));
    for (std::size_t n = 0; n < exact.values.size(); ++n)
        EXPECT_EQ(form.item().values[n], roundToReal6(exact.values[n])) << n;

    // What the user types is what is kept.
    form.text(FoodItemForm::Protein) = QStringLiteral("0.3");
    form.text(FoodItemForm::Calories) = QStringLiteral("52");
    ASSERT_TRUE(form.pressOk(ui));
    EXPECT_EQ(form.item().values[0], 52);
    EXPECT_EQ(form.item().values[2], roundToReal6(0.3L));
    EXPECT_EQ(form.item().values[3], roundToReal6(0.25L));
}
