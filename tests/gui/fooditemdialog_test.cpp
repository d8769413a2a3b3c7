// The Add/Modify Food Item dialog and the food list's double click and keys,
// as widgets on the offscreen platform.

#include "food/fooditemdialog.h"
#include "food/foodlistview.h"
#include "food/searchprogress.h"
#include "food/foodtableio.h"
#include "menu/menuplannerpage.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "scriptedui.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {
// The widget that Tab moves to from `from`.
QWidget* nextTabStop(QWidget* from)
{
    QWidget* next = from->nextInFocusChain();
    while (next != from && !((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()))
        next = next->nextInFocusChain();
    return next;
}
} // namespace

TEST(FoodItemDialogWidget, FieldsLimitsTabOrderAndFocus)
{
    ScriptedUi ui;
    FoodItemForm form(EditItem{QStringLiteral("Toast"), {80, 15, 3, 1, 1234567.75L, 0}}, QStringLiteral("Add"));
    FoodItemDialog dialog(form, ui);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add"));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

    const char* names[] = {"Food Item", "Calories", "Carbo", "Protein", "Fat", "Sodium", "Chol"};
    QWidget* expectedNext = nullptr;
    for (int f = FoodItemForm::FieldCount - 1; f >= 0; --f) {
        QLineEdit* edit = dialog.field(static_cast<FoodItemForm::Field>(f));
        EXPECT_EQ(edit->accessibleName(), QString::fromLatin1(names[f]));
        EXPECT_EQ(edit->text(), form.texts[static_cast<std::size_t>(f)]);
        if (expectedNext) {
            EXPECT_EQ(nextTabStop(edit), expectedNext) << names[f];
        }
        expectedNext = edit;
    }
    EXPECT_EQ(nextTabStop(dialog.field(FoodItemForm::Chol)), dialog.okButton());
    EXPECT_EQ(nextTabStop(dialog.okButton()), dialog.cancelButton());
    EXPECT_EQ(nextTabStop(dialog.cancelButton()), dialog.helpButton());
    EXPECT_EQ(dialog.field(FoodItemForm::Name)->maxLength(), 30);
    EXPECT_EQ(dialog.field(FoodItemForm::Calories)->maxLength(), 8);
    // A value wider than the field is shown whole, not cut to eight.
    EXPECT_EQ(dialog.field(FoodItemForm::Sodium)->text(), QStringLiteral("1234567.8"));
    EXPECT_EQ(dialog.field(FoodItemForm::Sodium)->maxLength(), 9);
    EXPECT_EQ(dialog.focusWidget(), dialog.field(FoodItemForm::Name));
    EXPECT_TRUE(dialog.okButton()->isDefault());
    EXPECT_EQ(dialog.helpButton()->text(), QStringLiteral("&Help"));

    dialog.helpButton()->click();
    EXPECT_EQ(ui.helpTopics, std::vector<int>({9}));
    EXPECT_TRUE(dialog.isVisible());
}

TEST(FoodItemDialogWidget, BadFieldKeepsItOpenWithTheFocusThereUntilCorrected)
{
    ScriptedUi ui;
    FoodItemForm form(EditItem{QStringLiteral("Toast"), {80, 15, 3, 1, 150, 0}});
    FoodItemDialog dialog(form, ui);
    dialog.show();
    dialog.field(FoodItemForm::Name)->setText(QStringLiteral("Rye toast"));
    dialog.field(FoodItemForm::Protein)->setText(QStringLiteral("1,5"));
    dialog.okButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("Invalid entry for proteins.")}));
    EXPECT_EQ(dialog.focusWidget(), dialog.field(FoodItemForm::Protein));
    // The title bar's close waits for a correction or Cancel.
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());

    dialog.field(FoodItemForm::Protein)->setText(QStringLiteral("4.5"));
    dialog.okButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(form.item(), (EditItem{QStringLiteral("Rye toast"), {80, 15, 4.5L, 1, 150, 0}}));
}

TEST(FoodItemDialogWidget, EscapeAndTheTitleBarCancel)
{
    ScriptedUi ui;
    FoodItemForm form(EditItem{});
    FoodItemDialog dialog(form, ui);
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(form.editAccepted());

    FoodItemForm other(EditItem{});
    FoodItemDialog second(other, ui);
    second.show();
    EXPECT_TRUE(second.close());
    EXPECT_EQ(second.result(), QDialog::Rejected);
}

namespace {
class FoodListWidgetTest : public WindowTest {
protected:
    FoodListView* list = nullptr;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple")),
                                            makeItem(QStringLiteral("Milk")),
                                            makeItem(QStringLiteral("Toast"))}));
        window->applyStartPosition();
        window->show();
        list = dynamic_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex))->foodList();
    }

    QStringList rows() const
    {
        QStringList names;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            names.append(list->model()->index(r, 0).data().toString());
        return names;
    }

    void mouse(QEvent::Type type, const QPoint& at)
    {
        QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
};
} // namespace

TEST_F(FoodListWidgetTest, DoubleClickModifiesTheRowAndTheListShowsTheNewPlace)
{
    ui.foodItemAnswers.push_back({{{{FoodItemForm::Name, QStringLiteral("Zucchini")}}}});
    const QPoint at = list->visualRect(list->model()->index(1, 0)).center();
    mouse(QEvent::MouseButtonPress, at);
    mouse(QEvent::MouseButtonRelease, at);
    mouse(QEvent::MouseButtonDblClick, at);
    mouse(QEvent::MouseButtonRelease, at);

    ASSERT_EQ(ui.foodItemShown.size(), 1u);
    EXPECT_EQ(ui.foodItemShown[0].text(FoodItemForm::Name), QStringLiteral("Milk"));
    EXPECT_EQ(rows(), QStringList({QStringLiteral("Apple"), QStringLiteral("Toast"), QStringLiteral("Zucchini")}));
    EXPECT_EQ(list->currentIndex().row(), 2);
}

TEST_F(FoodListWidgetTest, PlusAndMinusKeysChangeTheServings)
{
    app->foods.setServingsText(QStringLiteral("2"));
    for (const char* key : {"+", "-", "-"}) {
        QKeyEvent press(QEvent::KeyPress, key[0] == '+' ? Qt::Key_Plus : Qt::Key_Minus, Qt::NoModifier,
                        QString::fromLatin1(key));
        QApplication::sendEvent(list, &press);
    }
    EXPECT_EQ(app->foods.servingsText(), QStringLiteral(" 1.0"));
}

TEST_F(FoodListWidgetTest, ThePersonalViewSwitchesCaptionsAndButtons)
{
    window->action(Command::ShowPersonalList)->trigger();
    EXPECT_EQ(window->action(Command::ShowPersonalList)->text(), QStringLiteral("Show &Whole List"));
    EXPECT_TRUE(window->action(Command::RemoveFromPersonalList)->isEnabled());
    EXPECT_FALSE(window->action(Command::AddFoodItem)->isEnabled());
    EXPECT_FALSE(window->toolButton(Command::DeleteFoodItem)->isEnabled());
    EXPECT_TRUE(rows().isEmpty());

    window->action(Command::ShowPersonalList)->trigger();
    EXPECT_EQ(window->action(Command::ShowPersonalList)->text(), QStringLiteral("Show &Personal List"));
    EXPECT_TRUE(window->toolButton(Command::AddFoodItem)->isEnabled());
    EXPECT_EQ(rows().size(), 3);
}

TEST(SearchProgressWidget, CaptionBarAndItsEnd)
{
    QtUserInterface qtUi;
    qtUi.beginProgress(QStringLiteral("Search Food Item Data Base"), 4);
    SearchProgress* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<SearchProgress*>(w); p && p->isVisible())
            shown = p;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Search Food Item Data Base"));
    EXPECT_EQ(shown->bar()->maximum(), 4);
    EXPECT_EQ(shown->bar()->value(), 0);
    qtUi.setProgress(3);
    EXPECT_EQ(shown->bar()->value(), 3);
    QPointer<SearchProgress> watch(shown);
    qtUi.endProgress();
    EXPECT_TRUE(watch.isNull());
}
