// The Weight and Calculators pages on the offscreen platform: their layout,
// typing into a grid cell and into the calculator fields, the radio groups
// and the Create Plan buttons.

#include "food/foodtableio.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "weight/calculatorspage.h"
#include "weight/weightgridmodel.h"
#include "weight/weightpage.h"
#include "qstringprint.h"
#include "scriptedui.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QAction>
#include <QPushButton>
#include <QTableView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QImage>
#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;
using F = Calculators::Field;

namespace {

class WeightPagesTest : public WindowTest {
protected:
    WeightPage* weightPage = nullptr;
    CalculatorsPage* calcPage = nullptr;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple"), {52, 14, 0, 0, 1, 0})}));
        window->show();
        app->program.formActivate();
        // These cases type pounds and inches whatever the locale's default
        // units (metric under de_DE); the units test starts from the default.
        app->weight.applyUnits(Units::Us);
        window->refresh();
        weightPage = static_cast<WeightPage*>(window->page(WeightPageIndex));
        calcPage = static_cast<CalculatorsPage*>(window->page(CalculatorsPageIndex));
    }

    void typeInto(F field, const QString& text)
    {
        QLineEdit* edit = calcPage->field(field);
        edit->setFocus();
        edit->clear();
        typeText(edit, text);
    }
};

TEST_F(WeightPagesTest, WeightPageLayoutAndHeadings)
{
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    QTableView* grid = weightPage->grid();
    EXPECT_EQ(grid->geometry(), QRect(8, 8, 210, 249));
    EXPECT_EQ(grid->columnWidth(0), 76);
    EXPECT_EQ(grid->columnWidth(1), 64);
    EXPECT_EQ(grid->columnWidth(2), 64);
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 20);
    EXPECT_EQ(grid->toolTip(), QStringLiteral("Enter weight data in grid"));
    QAbstractItemModel* model = grid->model();
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Date"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Plan"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Actual"));
    EXPECT_EQ(weightPage->createPlanButton()->geometry(), QRect(8, 272, 81, 25));
    EXPECT_EQ(weightPage->newRowButton()->geometry(), QRect(112, 272, 81, 25));
    EXPECT_EQ(weightPage->removeRowButton()->geometry(), QRect(112, 304, 81, 25));
    EXPECT_EQ(weightPage->removeRowButton()->text(), QStringLiteral("&Remove Row"));
    EXPECT_EQ(weightPage->graphArea()->geometry(), QRect(232, 8, 377, 337));

    weightPage->newRowButton()->click();
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_TRUE(app->program.weightChanged());
    weightPage->removeRowButton()->click();
    EXPECT_EQ(model->rowCount(), 1);
}

TEST_F(WeightPagesTest, TypingInACellReachesTheLogKeyByKey)
{
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    QTableView* grid = weightPage->grid();
    const QModelIndex plan = grid->model()->index(0, 1);
    grid->setCurrentIndex(plan);  // any edit trigger opens the cell's editor
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    typeText(editor, QStringLiteral("15"));
    EXPECT_EQ(app->weight.log().cell(PlanColumn, 1), QStringLiteral("15"));
    EXPECT_TRUE(app->program.weightChanged());
    // The window's refresh after each key leaves the editor open and its text whole.
    typeText(editor, QStringLiteral("0.5"));
    EXPECT_EQ(editor->text(), QStringLiteral("150.5"));
    EXPECT_EQ(app->weight.log().cell(PlanColumn, 1), QStringLiteral("150.5"));
    // The menu's New Row shows at once.
    window->action(Command::NewWeightRow)->trigger();
    EXPECT_EQ(grid->model()->rowCount(), 2);
}

// Keys typed inside a cell's text go where the cursor is; the window's refresh
// after each key and a change the program makes elsewhere in the grid leave
// the open editor, its cursor and its text alone.
TEST_F(WeightPagesTest, TypingInsideACellKeepsTheCursorAndTheText)
{
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    WeightLog& log = app->weight.log();
    log.setCell(PlanColumn, 1, QStringLiteral("150"));
    weightPage->refresh();
    QTableView* grid = weightPage->grid();
    const QModelIndex plan = grid->model()->index(0, PlanColumn);
    grid->setCurrentIndex(plan);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(plan));
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(app->program.weightChanged());  // opening the editor is no edit
    editor->setSelection(1, 1);  // the "5" of "150"
    typeText(editor, QStringLiteral("98"));
    EXPECT_EQ(editor->text(), QStringLiteral("1980"));
    EXPECT_EQ(editor->cursorPosition(), 3);
    EXPECT_EQ(log.cell(PlanColumn, 1), QStringLiteral("1980"));
    EXPECT_TRUE(app->program.weightChanged());

    log.setCell(DateColumn, 1, QStringLiteral("12/7/26"));
    weightPage->refresh();
    EXPECT_EQ(grid->model()->index(0, DateColumn).data().toString(), QStringLiteral("12/7/26"));
    EXPECT_EQ(grid->indexWidget(plan), editor);
    EXPECT_EQ(editor->cursorPosition(), 3);
    // Text that arrives without keys (an input method, a screen reader) is typing too.
    editor->insert(QStringLiteral(".5"));
    EXPECT_EQ(log.cell(PlanColumn, 1), QStringLiteral("198.50"));
}

// The cell made current by the keyboard or through the selection model, with
// no click, is the one the typing goes to.
TEST_F(WeightPagesTest, KeysAndTheSelectionModelChooseTheCellTypedInto)
{
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    WeightLog& log = app->weight.log();
    window->action(Command::NewWeightRow)->trigger();
    QTableView* grid = weightPage->grid();
    grid->setFocus();
    const QModelIndex actual2 = grid->model()->index(1, ActualColumn);
    grid->selectionModel()->setCurrentIndex(actual2, QItemSelectionModel::ClearAndSelect);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(actual2));
    ASSERT_NE(editor, nullptr);
    typeText(editor, QStringLiteral("149"));
    EXPECT_EQ(log.cell(ActualColumn, 2), QStringLiteral("149"));

    // Up arrow from the open editor: the cell above becomes current and takes the keys.
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(editor, &up);
    const QModelIndex actual1 = grid->model()->index(0, ActualColumn);
    EXPECT_EQ(grid->currentIndex(), actual1);
    EXPECT_TRUE(grid->selectionModel()->isSelected(actual1));
    editor = qobject_cast<QLineEdit*>(grid->indexWidget(actual1));
    ASSERT_NE(editor, nullptr);
    typeText(editor, QStringLiteral("150"));
    EXPECT_EQ(log.cell(ActualColumn, 1), QStringLiteral("150"));
    EXPECT_EQ(log.cell(ActualColumn, 2), QStringLiteral("149"));
}

// The grid keeps its rows: New Row puts the cursor on the new row's date,
// Tab stops at the last cell and Shift+Tab at the first (no way round to
// row 1), and Escape gives the cell back the text it had.
TEST_F(WeightPagesTest, TheGridKeepsItsRowsUnderTabAndEscape)
{
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    WeightLog& log = app->weight.log();
    log.setCell(DateColumn, 1, QStringLiteral("12/7/26"));
    QTableView* grid = weightPage->grid();
    const auto editor = [grid] { return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex())); };
    window->activateWindow();
    QApplication::processEvents();

    weightPage->newRowButton()->click();
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, DateColumn));
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(editor()->hasFocus());
    typeText(editor(), QStringLiteral("12/14/26"));
    for (const char* text : {"149", "148"}) {
        key(editor(), Qt::Key_Tab);
        ASSERT_NE(editor(), nullptr);
        typeText(editor(), QString::fromLatin1(text));
    }
    key(editor(), Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, ActualColumn));
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(grid->hasFocus());
    key(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, ActualColumn));
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(log.cell(DateColumn, 1), QStringLiteral("12/7/26"));
    EXPECT_EQ((QStringList{log.cell(0, 2), log.cell(1, 2), log.cell(2, 2)}),
              (QStringList{QStringLiteral("12/14/26"), QStringLiteral("149"), QStringLiteral("148")}));

    // Escape after typing: the old text is back in the log and the cell.
    grid->setCurrentIndex(grid->model()->index(0, DateColumn));
    ASSERT_NE(editor(), nullptr);
    editor()->selectAll();
    typeText(editor(), QStringLiteral("1/1/27"));
    EXPECT_EQ(log.cell(DateColumn, 1), QStringLiteral("1/1/27"));
    key(editor(), Qt::Key_Escape);
    EXPECT_EQ(log.cell(DateColumn, 1), QStringLiteral("12/7/26"));
    EXPECT_EQ(grid->model()->index(0, DateColumn).data().toString(), QStringLiteral("12/7/26"));
    // Shift+Tab from the first cell stays there.
    grid->setFocus();
    key(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, DateColumn));
    // ... and in the first row's editors Tab and Shift+Tab go between its cells.
    grid->edit(grid->currentIndex());
    key(editor(), Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, PlanColumn));
    key(editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, DateColumn));
}

TEST_F(WeightPagesTest, CalculatorsPageLayoutTypingAndPlan)
{
    window->pageControl()->setCurrentIndex(CalculatorsPageIndex);
    EXPECT_EQ(calcPage->field(F::CurrentWeight)->geometry(), QRect(104, 24, 41, 24));
    EXPECT_EQ(calcPage->field(F::CalorieReq)->geometry(), QRect(280, 80, 49, 24));
    EXPECT_EQ(calcPage->field(F::CurrentWeight)->parentWidget()->geometry(), QRect(8, 8, 593, 113));
    EXPECT_EQ(calcPage->field(F::WeeksToGoal)->parentWidget()->geometry(), QRect(8, 136, 593, 65));
    EXPECT_EQ(calcPage->field(F::BmiGoal)->parentWidget()->geometry(), QRect(8, 216, 273, 65));
    EXPECT_EQ(calcPage->createPlanButton()->geometry(), QRect(384, 240, 81, 25));
    EXPECT_EQ(calcPage->field(F::BmiNow)->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(calcPage->field(F::CalorieReq)->isReadOnly());
    EXPECT_TRUE(calcPage->field(F::CalorieReq)->font().bold());
    EXPECT_EQ(calcPage->gender()->checkedId(), 0);
    EXPECT_EQ(calcPage->activityLevel()->checkedId(), 1);

    typeInto(F::CurrentWeight, QStringLiteral("150"));
    typeInto(F::Age, QStringLiteral("40"));
    typeInto(F::Height, QStringLiteral("65"));
    EXPECT_EQ(calcPage->field(F::CalorieReq)->text(), QStringLiteral("1963"));
    // Results in the decimal separator the program runs with (LANG / LC_ALL).
    const QString point = QLocale::system().decimalPoint();
    EXPECT_EQ(calcPage->field(F::BmiNow)->text(), QStringLiteral("25.0").replace(u'.', point));
    calcPage->gender()->button(1)->click();
    EXPECT_EQ(app->weight.calculators().gender(), Gender::Male);
    EXPECT_NE(calcPage->field(F::CalorieReq)->text(), QStringLiteral("1963"));
    calcPage->gender()->button(0)->click();
    typeInto(F::PlanCalories, QStringLiteral("1500"));
    ui.messages.clear();
    typeInto(F::GoalWeight, QStringLiteral("140"));
    EXPECT_EQ(calcPage->field(F::WeeksToGoal)->text(), QStringLiteral("12"));
    EXPECT_EQ(calcPage->field(F::BmiGoal)->text(), QStringLiteral("23.3").replace(u'.', point));
    ASSERT_EQ(ui.messages.size(), 2u);  // "1" and "14" are out of reach
    EXPECT_EQ(ui.messages[0].text, calcmsg::NotInTwoYears);

    calcPage->createPlanButton()->click();
    EXPECT_EQ(window->pageControl()->currentIndex(), WeightPageIndex);
    EXPECT_EQ(weightPage->grid()->model()->rowCount(), 13);
    EXPECT_EQ(weightPage->grid()->model()->index(12, 2).data().toString(), QString());
    EXPECT_TRUE(window->topMenu(TopMenu::Weight)->menuAction()->isEnabled());
}

} // namespace

TEST_F(WeightPagesTest, GraphAreaPaintsTheLogsLines)
{
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    ui.messages.clear();  // start-up's missing menu and activity files
    WeightLog& log = app->weight.log();
    log.setRowCount(3);
    log.setCell(DateColumn, 1, log.dateText(QDate(2026, 12, 7)));
    log.setCell(PlanColumn, 1, QStringLiteral("200"));
    log.setCell(DateColumn, 2, log.dateText(QDate(2026, 12, 21)));
    log.setCell(PlanColumn, 2, QStringLiteral("190"));
    log.editCell(ActualColumn, 2, QStringLiteral("195"));

    QWidget* area = weightPage->graphArea();
    EXPECT_EQ(area->accessibleName(), QStringLiteral("Weight graph"));
    const QString lines = QStringLiteral("Planned weight in blue and actual weight in red");
    const QImage image = area->grab().toImage();
    // A screen reader reads what the area shows: rows, dates and weights as drawn.
    const QString point = log.locale().decimalPoint();
    EXPECT_EQ(area->accessibleDescription(),
              lines + QStringLiteral(", 2 rows from ") + log.dateText(QDate(2026, 12, 7)) + QStringLiteral(" to ") +
                  log.dateText(QDate(2026, 12, 21)) + QStringLiteral(", weights from 190") + point +
                  QStringLiteral("0 to 200") + point + QStringLiteral("0"));
    int blue = 0;
    int red = 0;
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            blue += pixel == qRgb(0, 0, 255) ? 1 : 0;
            red += pixel == qRgb(255, 0, 0) ? 1 : 0;
            white += pixel == qRgb(255, 255, 255) ? 1 : 0;
        }
    EXPECT_GT(blue, 300);  // the plan line from corner to corner, 2 pixels wide
    EXPECT_GT(red, 100);
    EXPECT_GT(white, 80000);  // the plot box
    EXPECT_TRUE(ui.messages.empty());

    log.clearGrid();
    (void)area->grab();
    EXPECT_EQ(area->accessibleDescription(),
              lines + QStringLiteral(": nothing to draw until two rows of the grid hold dates and weights"));
}

TEST_F(WeightPagesTest, TheGraphAreaKeepsItsPictureUntilTheLogChanges)
{
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    WeightLog& log = app->weight.log();
    log.setRowCount(3);
    log.setCell(DateColumn, 1, log.dateText(QDate(2026, 12, 7)));
    log.setCell(PlanColumn, 1, QStringLiteral("200"));
    log.setCell(DateColumn, 2, log.dateText(QDate(2026, 12, 21)));
    log.editCell(PlanColumn, 2, QStringLiteral("190"));
    QWidget* area = weightPage->graphArea();
    const QImage first = area->grab().toImage();
    EXPECT_EQ(area->grab().toImage(), first);  // a repaint shows the same picture

    // A cell set without asking for the graph still shows at the next repaint.
    log.setCell(PlanColumn, 2, QStringLiteral("150"));
    EXPECT_NE(area->grab().toImage(), first);
    EXPECT_TRUE(area->accessibleDescription().contains(QStringLiteral("weights from 150")));

    // So does a row taken away.
    log.removeRow();
    (void)area->grab();
    EXPECT_TRUE(area->accessibleDescription().contains(QStringLiteral("nothing to draw")));
}
