// The "Add from USDA" window by keys alone, and what a screen reader reads
// at each step.

#include "reference/addfromusda.h"
#include "reference/usdawindow.h"
#include "qstringprint.h"
#include "windowtest.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class UsdaWindowTest : public WindowTest {
protected:
    int presses = 0;
    void press(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        key(focus, code, modifiers, text);
        ++presses;
    }
    void type(const QString& text)
    {
        for (const QChar c : text)
            press(Qt::Key_unknown, Qt::NoModifier, QString(c));
    }
};

} // namespace

TEST_F(UsdaWindowTest, AChocolateChipCookieIsAddedByKeysAndEveryStepIsRead)
{
    ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple"), {52, 14, 0.25L, 0.25L, 1, 0})}));
    app->usda.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    QAction* command = window->action(Command::AddFromUsda);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+A")));
    command->trigger();  // what Ctrl+Shift+A does
    ++presses;
    ASSERT_EQ(ui.windows, QStringList{QStringLiteral("usda")});

    int refreshes = 0;
    UsdaWindow usda(app->usda, [&] { ++refreshes; }, window.get());
    usda.show();
    usda.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&usda));
    usda.searchField()->setFocus();
    EXPECT_EQ(readName(usda.searchField()), QStringLiteral("Search USDA foods"));

    type(QStringLiteral("chocolate chip cookie"));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("14 foods"));
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), usda.results());
    QTreeWidgetItem* first = usda.results()->currentItem();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text(0),
              QStringLiteral("Cookies, chocolate chip, commercially prepared, regular, higher fat, enriched"));
    EXPECT_EQ(first->text(1), QStringLiteral("Baked Products"));
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), usda.measures());
    EXPECT_EQ(readName(usda.measures()),
              QStringLiteral("1 cookie (average weight of 1 cookie, variety of brands) (12.2 g)"));
    EXPECT_EQ(readName(usda.value(0)), QStringLiteral("Calories 58"));
    EXPECT_EQ(readName(usda.value(4)), QStringLiteral("Sodium 42.0"));
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), usda.gramsField());
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), usda.nameField());
    EXPECT_EQ(readValue(usda.nameField()), QStringLiteral("Choc chip cookies, 1 cookie"));
    press(Qt::Key_Return);

    EXPECT_EQ(readName(usda.status()), QStringLiteral("Added \"Choc chip cookies, 1 cookie\"."));
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(app->foods.foodTable().rowNames().contains(QStringLiteral("Choc chip cookies, 1 cookie")));
    EXPECT_TRUE(usda.isVisible());  // open for the next search
    EXPECT_EQ(QApplication::focusWidget(), usda.searchField());
    EXPECT_LT(presses, 30);
}

TEST_F(UsdaWindowTest, ANoMatchIsReadAndKeepsTheResults)
{
    ASSERT_NO_FATAL_FAILURE(openWindow({}));
    app->usda.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    app->program.execute(Command::AddFromUsda);
    UsdaWindow usda(app->usda, {}, window.get());
    usda.show();
    usda.searchField()->setFocus();
    key(usda.searchField(), Qt::Key_unknown, Qt::NoModifier, QStringLiteral("m"));
    const int found = usda.results()->topLevelItemCount();
    EXPECT_GT(found, 0);
    typeText(usda.searchField(), QStringLiteral("qqq"));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("No food item matches \"mqqq\"."));
    EXPECT_EQ(usda.results()->topLevelItemCount(), found);
}

TEST_F(UsdaWindowTest, RankingByANutrientIsReachedByKeysAndReadAloud)
{
    ASSERT_NO_FATAL_FAILURE(openWindow({}));
    app->usda.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    app->program.execute(Command::AddFromUsda);
    UsdaWindow usda(app->usda, {}, window.get());
    usda.show();
    usda.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&usda));
    usda.searchField()->setFocus();
    type(QStringLiteral("spinach"));
    EXPECT_TRUE(usda.results()->isColumnHidden(2));  // no amounts in the search's own order
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), usda.rankBy());
    type(QStringLiteral("Iron"));
    EXPECT_EQ(readName(usda.rankBy()), QStringLiteral("Iron"));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("25 foods, richest in iron per 100 g first"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), usda.rankBasis());
    press(Qt::Key_Down);
    EXPECT_EQ(readName(usda.rankBasis()), QStringLiteral("100 kcal"));
    EXPECT_EQ(readName(usda.status()), QStringLiteral("25 foods, richest in iron per 100 kcal first"));
    EXPECT_FALSE(usda.results()->isColumnHidden(2));
    EXPECT_EQ(usda.results()->headerItem()->text(2), QStringLiteral("Iron per 100 kcal"));
    // A screen reader reads the amount in the first row's own cell.
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(usda.results())->tableInterface();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name),
              QStringLiteral("Spinach, cooked, boiled, drained, without salt"));
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("15.5 mg"));
}
