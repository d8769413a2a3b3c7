// The Recipes page on the offscreen platform: its layout and accessible names,
// drops through Qt's drop events with the mime data the lists produce, the
// instructions memo and the food list's keys.

#include "food/foodlistmodel.h"
#include "food/foodlistview.h"
#include "food/foodtableio.h"
#include "food/dragpayload.h"
#include "menu/menuplannerpage.h"
#include "menu/piewidget.h"
#include "menu/servingsedit.h"
#include "menu/tablistbox.h"
#include "menu/trashcan.h"
#include "recipes/recipespage.h"
#include "recipes/recipetexts.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTextCursor>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class RecipesPageTest : public WindowTest {
protected:
    RecipesPage* page = nullptr;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}),
                                            makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}, true),
                                            makeItem(QStringLiteral("Soup"), {100, 10, 5, 2, 4, 2})}));
        window->applyStartPosition();
        window->show();
        app->program.formActivate();
        window->pageControl()->setCurrentIndex(RecipesPageIndex);
        page = static_cast<RecipesPage*>(window->page(RecipesPageIndex));
        ui.messages.clear();
    }

    Recipes& recipes() { return app->recipes; }

    // Sends the events a drop onto `target` delivers; true when it took the drop.
    static bool dropOn(QWidget* target, QMimeData* data)
    {
        const QPoint at(target->width() / 2, target->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    std::unique_ptr<QMimeData> rowMime(QAbstractItemView* view, int row)
    {
        QAbstractItemModel* model = view->model();
        return std::unique_ptr<QMimeData>(model->mimeData({model->index(row, 0)}));
    }

    void dropFoodRow(int row, const QString& servings)
    {
        page->foodServings()->setText(servings);
        emit page->foodServings()->textEdited(servings);
        const auto data = rowMime(page->foodList(), row);
        ASSERT_TRUE(dropOn(page->ingredientList()->viewport(), data.get()));
        emit page->foodList()->dragFinished();
    }
};

int rightEdge(const QLabel* label) { return label->geometry().right() + 1; }

QColor textColor(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

QLabel* labelWithText(QWidget* parent, const QString& text)
{
    for (QLabel* label : parent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (label->text() == text)
            return label;
    return nullptr;
}

} // namespace

TEST_F(RecipesPageTest, LaidOutAsThePageGivesIt)
{
    EXPECT_EQ(page->foodList()->geometry(), QRect(4, 16, 217, 210));
    EXPECT_EQ(page->ingredientList()->geometry(), QRect(288, 18, 321, 191));
    EXPECT_EQ(page->ingredientList()->itemHeight(), 14);
    // The food list's rows are 14 pixels high too, one below the other.
    const QAbstractItemModel* foods = page->foodList()->model();
    ASSERT_GE(foods->rowCount(), 2);
    EXPECT_EQ(page->foodList()->visualRect(foods->index(0, 0)).height(), 14);
    EXPECT_EQ(page->foodList()->visualRect(foods->index(1, 0)).top(),
              page->foodList()->visualRect(foods->index(0, 0)).top() + 14);
    EXPECT_EQ(page->ingredientList()->tabStops(), 0);
    EXPECT_EQ(page->foodServings()->geometry(), QRect(226, 89, 36, 24));
    EXPECT_EQ(page->foodServingsUpDown()->geometry(), QRect(262, 89, 12, 24));
    EXPECT_EQ(page->trashCan()->geometry(), QRect(231, 128, 50, 50));
    EXPECT_EQ(page->instructions()->geometry(), QRect(240, 240, 369, 113));
    EXPECT_EQ(page->recipeBox()->geometry(), QRect(0, 232, 233, 121));
    EXPECT_EQ(page->recipeBox()->title(), QStringLiteral("Recipe"));
    EXPECT_EQ(page->recipeServings()->geometry(), QRect(162, 17, 36, 24));
    EXPECT_EQ(page->recipeServingsUpDown()->geometry(), QRect(198, 17, 12, 24));
    EXPECT_EQ(page->panel().pie->geometry(), QRect(160, 48, 69, 69));

    for (const auto& [text, at] : std::vector<std::pair<QString, QPoint>>{
             {QStringLiteral("Food Items"), {13, 2}},
             {QStringLiteral("Recipe Ingredients"), {288, 0}},
             {QStringLiteral("Recipe Preparation Instructions"), {240, 216}}}) {
        const QLabel* label = labelWithText(page, text);
        ASSERT_NE(label, nullptr) << text.toStdString();
        EXPECT_EQ(label->pos(), at) << text.toStdString();
    }
    const QLabel* caption = labelWithText(page, QStringLiteral("Food Item Servings"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->geometry(), QRect(228, 56, 53, 33));
    EXPECT_TRUE(caption->wordWrap());

    // The values panel: right edges at 85, rows 14 apart, blue text.
    for (std::size_t n = 0; n < page->panel().values.size(); ++n) {
        EXPECT_EQ(rightEdge(page->panel().values[n]), 85);
        EXPECT_EQ(page->panel().values[n]->y(), 6 + 14 * static_cast<int>(n));
        EXPECT_EQ(textColor(page->panel().values[n]), QColor(0, 0, 255));
        EXPECT_EQ(page->panel().values[n]->text(), QStringLiteral("0"));
    }
    // The percentages begin at x 131 with their first text, "00%".
    const int percentWidth = QFontMetrics(page->panel().carbohydrate->font()).horizontalAdvance(QStringLiteral("00%"));
    EXPECT_EQ(rightEdge(page->panel().carbohydrate) - percentWidth, 131);
    EXPECT_EQ(page->panel().carbohydrate->y(), 48);
    EXPECT_EQ(page->panel().fat->y(), 96);
    const QLabel* fatCaption = labelWithText(page->recipeBox(), QStringLiteral("Fat"));
    ASSERT_NE(fatCaption, nullptr);
    EXPECT_EQ(fatCaption->palette().color(QPalette::Window), QColor(255, 255, 0));

    // Start-up set the percentages to "0%".
    EXPECT_EQ(page->panel().carbohydrate->text(), QStringLiteral("0%"));
    EXPECT_EQ(page->foodServings()->text(), QStringLiteral("1"));
    EXPECT_EQ(page->recipeServings()->text(), QStringLiteral("1"));

    EXPECT_EQ(page->foodList()->accessibleName(), QStringLiteral("Food Items"));
    EXPECT_EQ(page->ingredientList()->accessibleName(), QStringLiteral("Recipe Ingredients"));
    EXPECT_EQ(page->foodServings()->accessibleName(), QStringLiteral("Food Item Servings"));
    EXPECT_EQ(page->recipeServings()->accessibleName(), QStringLiteral("# Servings"));
    EXPECT_EQ(page->instructions()->accessibleName(), QStringLiteral("Recipe Preparation Instructions"));
    EXPECT_EQ(page->trashCan()->accessibleName(), QStringLiteral("Trash Can"));
    EXPECT_EQ(page->panel().pie->accessibleName(), QStringLiteral("Recipe pie"));
    EXPECT_EQ(page->panel().values[0]->accessibleName(), QStringLiteral("Recipe calories: 0"));
    EXPECT_EQ(page->panel().fat->accessibleName(), QStringLiteral("Recipe fat percentage: 0%"));
}

TEST_F(RecipesPageTest, AFoodRowDroppedOnTheIngredientsIsAdded)
{
    dropFoodRow(2, QStringLiteral("2.5"));

    EXPECT_EQ(page->ingredientList()->lines(), QStringList{QStringLiteral("( 2.5)\tSoup")});
    EXPECT_EQ(page->foodServings()->text(), QStringLiteral("1"));
    EXPECT_EQ(page->panel().values[0]->text(), QStringLiteral("250"));
    EXPECT_EQ(page->panel().values[2]->text(), QStringLiteral("13"));
    EXPECT_EQ(page->panel().carbohydrate->text(), QStringLiteral("51%"));
    EXPECT_EQ(page->panel().protein->text(), QStringLiteral("26%"));
    EXPECT_EQ(page->panel().fat->text(), QStringLiteral("23%"));
    EXPECT_EQ(textColor(page->panel().fat), QColor(0, 0, 0));
    EXPECT_EQ(page->panel().pie->shares(), recipes().recipeShares());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecipesPageTest, TheIngredientListTakesOnlyItsOwnFoodList)
{
    dropFoodRow(0, QStringLiteral("1"));
    const auto own = rowMime(page->ingredientList(), 0);
    EXPECT_EQ(dragItemOf(own.get())->source, DragSource::IngredientList);
    EXPECT_FALSE(dropOn(page->ingredientList()->viewport(), own.get()));

    auto* planner = static_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
    const auto plannerRow = rowMime(planner->foodList(), 1);
    EXPECT_FALSE(dropOn(page->ingredientList()->viewport(), plannerRow.get()));
    // Nor does the Menu Planner's meal list take a row of this page's list.
    const auto recipeRow = rowMime(page->foodList(), 1);
    EXPECT_FALSE(dropOn(planner->mealList()->viewport(), recipeRow.get()));
    EXPECT_EQ(page->ingredientList()->count(), 1);
}

TEST_F(RecipesPageTest, AnIngredientOnTheTrashCanIsRemoved)
{
    dropFoodRow(0, QStringLiteral("1"));
    dropFoodRow(2, QStringLiteral("1"));
    const auto data = rowMime(page->ingredientList(), 0);

    // A food row does not open the can.
    const auto food = rowMime(page->foodList(), 0);
    QDragEnterEvent refused(QPoint(25, 25), Qt::CopyAction, food.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page->trashCan(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_FALSE(page->trashCan()->isOpen());

    QDragEnterEvent enter(QPoint(25, 25), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page->trashCan(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(page->trashCan()->isOpen());
    QDropEvent drop(QPointF(25, 25), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page->trashCan(), &drop);

    EXPECT_FALSE(page->trashCan()->isOpen());
    EXPECT_EQ(page->ingredientList()->lines(), QStringList{QStringLiteral("( 1.0)\tSoup")});
    EXPECT_EQ(page->panel().values[0]->text(), QStringLiteral("100"));
}

TEST_F(RecipesPageTest, TheFoodListShowsTheWholeTableWhateverThePlannerShows)
{
    app->program.execute(Command::ShowPersonalList);
    window->refresh();
    EXPECT_EQ(app->foods.foodTable().rowCount(), 1);
    EXPECT_EQ(page->foodList()->model()->rowCount(), 3);
    EXPECT_EQ(page->foodList()->model()->index(2, 0).data().toString(), QStringLiteral("Soup"));
    // Row 2 of this list is table slot 2 also while the planner shows only Bread.
    dropFoodRow(2, QStringLiteral("1"));
    EXPECT_EQ(page->ingredientList()->lines(), QStringList{QStringLiteral("( 1.0)\tSoup")});
}

TEST_F(RecipesPageTest, PlusAndMinusInTheFoodListStepTheServings)
{
    page->foodList()->setCurrentIndex(page->foodList()->model()->index(0, 0));
    for (const char* key : {"-", "-"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, QString::fromLatin1(key));
        QApplication::sendEvent(page->foodList(), &press);
    }
    EXPECT_EQ(page->foodServings()->text(), QStringLiteral("  -1"));
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
    QApplication::sendEvent(page->foodList(), &plus);
    EXPECT_EQ(page->foodServings()->text(), QStringLiteral("   0"));
}

TEST_F(RecipesPageTest, TheMemoKeepsTwoThousandCharactersWithCrLfLines)
{
    page->instructions()->setPlainText(QStringLiteral("Chop.\nSimmer."));
    EXPECT_EQ(recipes().instructions(), QStringLiteral("Chop.\r\nSimmer."));

    page->instructions()->setPlainText(QString(2100, QLatin1Char('a')));
    EXPECT_EQ(recipes().instructions().size(), 2000);
    EXPECT_EQ(page->instructions()->toPlainText().size(), 2000);

    // Each line break counts as two characters.
    page->instructions()->setPlainText(QString(1000, QLatin1Char('\n')) + QStringLiteral("tail"));
    QString kept;
    for (int i = 0; i < 1000; ++i)
        kept += QStringLiteral("\r\n");
    EXPECT_EQ(recipes().instructions(), kept);
    EXPECT_EQ(page->instructions()->toPlainText(), QString(1000, QLatin1Char('\n')));
}

namespace {
void placeCursor(QPlainTextEdit* memo, int position, int anchor = -1)
{
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(anchor < 0 ? position : anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
}

// Undoes every step the memo holds.
void undoAll(QPlainTextEdit* memo)
{
    for (int i = 0; i < 100 && memo->document()->isUndoAvailable(); ++i)
        memo->undo();
}
} // namespace

TEST_F(RecipesPageTest, AFullMemoRefusesTypingAndKeepsTextCursorAndUndo)
{
    QPlainTextEdit* memo = page->instructions();
    // 5 + 2 (CR LF) + 1991 = 1998 characters as stored.
    const QString body = QStringLiteral("Chop.\n") + QString(1991, QLatin1Char('b'));
    memo->setPlainText(body);
    ASSERT_EQ(recipes().instructions().size(), 1998);
    placeCursor(memo, 0);
    typeText(memo, QStringLiteral("xyz"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("xy") + body);
    EXPECT_EQ(memo->textCursor().position(), 2);
    EXPECT_EQ(recipes().instructions().size(), 2000);
    EXPECT_TRUE(recipes().instructions().endsWith(QString(1991, QLatin1Char('b'))));

    // A line break takes two characters; typing over a selection frees its room.
    key(memo, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("xy") + body);
    placeCursor(memo, 3, 2);
    typeText(memo, QStringLiteral("KL"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("xyKhop.\n") + QString(1991, QLatin1Char('b')));
    EXPECT_EQ(memo->textCursor().position(), 3);

    // Nothing was put back: every step is still there to undo.
    undoAll(memo);
    EXPECT_EQ(memo->toPlainText(), body);
    EXPECT_EQ(recipes().instructions().size(), 1998);
}

TEST_F(RecipesPageTest, PastedAndComposedTextIsCutToWhatFits)
{
    QPlainTextEdit* memo = page->instructions();
    const QString body(1995, QLatin1Char('b'));
    memo->setPlainText(body);
    placeCursor(memo, 10);
    // Five characters left: "12", a line break (two) and "3".
    auto* data = new QMimeData;
    data->setText(QStringLiteral("12\r\n34"));
    QApplication::clipboard()->setMimeData(data);
    memo->paste();
    EXPECT_EQ(memo->toPlainText(), body.left(10) + QStringLiteral("12\n3") + body.mid(10));
    EXPECT_EQ(memo->textCursor().position(), 14);
    EXPECT_EQ(recipes().instructions().size(), 2000);
    // One paste, one undo step.
    memo->undo();
    EXPECT_EQ(memo->toPlainText(), body);

    // An input method's committed text: only what fits gets in.
    placeCursor(memo, 0);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u00E9t\u00E9 dur"));
    QApplication::sendEvent(memo, &commit);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("\u00E9t\u00E9 d") + body);
}

TEST_F(RecipesPageTest, TextPutInPastTheChecksLosesItsOwnEndInOneUndoStep)
{
    QPlainTextEdit* memo = page->instructions();
    const QString body = QString(1990, QLatin1Char('b')) + QStringLiteral("\nend");  // 1995 as stored
    memo->setPlainText(body);
    placeCursor(memo, 0);
    // A screen reader's insert goes straight into the document: five characters
    // fit, a line break (two) and "5" get in, the end of the recipe stays.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(memo);
    ASSERT_NE(accessible, nullptr);
    ASSERT_NE(accessible->editableTextInterface(), nullptr);
    accessible->editableTextInterface()->insertText(10, QStringLiteral("12\n3456"));
    EXPECT_EQ(memo->toPlainText(), body.left(10) + QStringLiteral("12\n3") + body.mid(10));
    EXPECT_EQ(recipes().instructions().size(), 2000);
    EXPECT_TRUE(recipes().instructions().endsWith(QStringLiteral("b\r\nend")));
    // The insert and its cut are one step.
    memo->undo();
    EXPECT_EQ(memo->toPlainText(), body);
    EXPECT_EQ(recipes().instructions().size(), 1995);

    // A program setting too much text keeps what fits from its start.
    memo->setPlainText(QString(1998, QLatin1Char('c')) + QStringLiteral("\nxyz"));
    EXPECT_EQ(memo->toPlainText(), QString(1998, QLatin1Char('c')) + QStringLiteral("\n"));
    EXPECT_EQ(recipes().instructions(), QString(1998, QLatin1Char('c')) + QStringLiteral("\r\n"));
}

TEST_F(RecipesPageTest, AnInsertOverflowingByAFewCharactersLosesJustThoseFromItsEnd)
{
    QPlainTextEdit* memo = page->instructions();
    const QString body = QString(1990, QLatin1Char('b')) + QStringLiteral("\nend");  // five stored characters free
    QAccessibleEditableTextInterface* editable = QAccessible::queryAccessibleInterface(memo)->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    const QString digits = QStringLiteral("0123456789ABCDEFGH");
    std::vector<std::pair<QString, QString>> cases;  // inserted, what gets in
    for (int over = 1; over <= 12; ++over)
        cases.emplace_back(digits.left(5 + over), digits.left(5));
    // A line break counts two: one that no longer fits goes, with all after it.
    cases.emplace_back(QStringLiteral("0\n12\n3"), QStringLiteral("0\n12"));
    cases.emplace_back(QStringLiteral("0123\n4"), QStringLiteral("0123"));
    for (const auto& [inserted, kept] : cases) {
        memo->setPlainText(body);
        editable->insertText(10, inserted);
        EXPECT_EQ(memo->toPlainText(), body.left(10) + kept + body.mid(10)) << inserted.toStdString();
        EXPECT_TRUE(recipes().instructions().endsWith(QStringLiteral("b\r\nend"))) << inserted.toStdString();
    }
}

TEST_F(RecipesPageTest, ThePrintoutTakesTheMemosScreenLines)
{
    const QString paragraph =
        QStringLiteral("Simmer the onions in butter until soft, add the stock and the potatoes, then cook slowly.");
    page->instructions()->setPlainText(paragraph + QStringLiteral("\nServe hot.\n"));
    QApplication::processEvents();
    ASSERT_TRUE(recipes().memoScreenLines);
    const QStringList lines = recipes().memoScreenLines();
    // The paragraph wraps at the memo's width; every character stays, in order.
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.last(), QStringLiteral("Serve hot."));
    EXPECT_EQ(lines.mid(0, lines.size() - 1).join(QString()), paragraph);
}

TEST_F(RecipesPageTest, ALoadedRecipeFillsThePage)
{
    dropFoodRow(1, QStringLiteral("2"));
    page->instructions()->setPlainText(QStringLiteral("Toast.\nButter."));
    page->recipeServings()->setText(QStringLiteral("3"));
    emit page->recipeServings()->textEdited(QStringLiteral("3"));
    ui.saveAnswers.push_back(QStringLiteral("toast.rcp"));
    window->action(Command::SaveRecipe)->trigger();

    window->action(Command::ClearRecipe)->trigger();
    EXPECT_EQ(page->ingredientList()->count(), 0);
    EXPECT_TRUE(page->instructions()->toPlainText().isEmpty());
    EXPECT_EQ(page->panel().carbohydrate->text(), QStringLiteral(" 0%"));

    ui.openAnswers.push_back(QStringLiteral("toast.rcp"));
    window->action(Command::LoadRecipe)->trigger();
    EXPECT_EQ(ui.messages, std::vector<Message>{createQuestion(QStringLiteral("toast.rcp"))});  // at the save
    EXPECT_EQ(page->ingredientList()->lines(), QStringList{QStringLiteral("( 2.0)\tBread")});
    EXPECT_EQ(page->instructions()->toPlainText(), QStringLiteral("Toast.\nButter."));
    EXPECT_EQ(page->recipeServings()->text(), QStringLiteral("  3.0"));
    EXPECT_EQ(page->panel().values[0]->text(), QStringLiteral("160"));
}

TEST_F(RecipesPageTest, AConvertedRecipeAppearsInBothFoodLists)
{
    dropFoodRow(2, QStringLiteral("4"));
    page->recipeServings()->setText(QStringLiteral("2"));
    emit page->recipeServings()->textEdited(QStringLiteral("2"));
    ui.foodItemAnswers.push_back({{{{FoodItemForm::Name, QStringLiteral("Lentil soup")}}, true}});
    window->action(Command::AddRecipeToFoodItems)->trigger();

    auto* planner = static_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
    EXPECT_EQ(page->foodList()->model()->rowCount(), 4);
    EXPECT_EQ(page->foodList()->model()->index(2, 0).data().toString(), QStringLiteral("Lentil soup"));
    EXPECT_FALSE(page->foodList()->selectionModel()->hasSelection());
    EXPECT_EQ(planner->foodList()->model()->index(2, 0).data().toString(), QStringLiteral("Lentil soup"));
    EXPECT_EQ(planner->foodList()->currentIndex().row(), 2);
    EXPECT_EQ(ui.foodItemShown.at(0).text(FoodItemForm::Calories), QStringLiteral("     200"));
}

TEST_F(RecipesPageTest, ZeroRecipeServingsPutTheFocusInTheField)
{
    page->recipeServings()->setText(QStringLiteral("0"));
    emit page->recipeServings()->textEdited(QStringLiteral("0"));
    window->action(Command::AddRecipeToFoodItems)->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, recipemsg::InvalidRecipeServings);
    EXPECT_TRUE(ui.foodItemShown.empty());
    EXPECT_EQ(window->focusWidget(), page->recipeServings());
}
