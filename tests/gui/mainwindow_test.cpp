// The main window as the user sees it: caption, size, tool bar, pages, menus.

#include "app/app.h"
#include "app/mainwindow.h"
#include "food/foodlistview.h"
#include "food/foodtableio.h"
#include "menu/menuplannerpage.h"
#include "recipes/recipespage.h"
#include "shell/lazypage.h"
#include "scriptedui.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAccessible>
#include <QTabBar>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QMouseEvent>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;
using namespace Qt::StringLiterals;

namespace {

class MainWindowTest : public WindowTest {
protected:

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Toast")),
                                            makeItem(QStringLiteral("apple")),
                                            makeItem(QStringLiteral("Milk"))}));
        window->applyStartPosition();
        window->show();
    }

    QStringList menuTexts(QMenu* menu) const
    {
        QStringList texts;
        for (QAction* a : menu->actions())
            texts.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        return texts;
    }
};

} // namespace

TEST_F(MainWindowTest, CaptionClientSizeAndPages)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tolvane"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(632, 426));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    QTabWidget* pages = window->pageControl();
    EXPECT_EQ(pages->geometry(), QRect(4, 32, 626, 390));
    QStringList captions;
    QList<int> helpContexts;
    for (int i = 0; i < pages->count(); ++i) {
        captions.append(pages->tabText(i));
        helpContexts.append(pages->widget(i)->property("helpContext").toInt());
    }
    EXPECT_EQ(captions, QStringList({QStringLiteral("Menu Planner"), QStringLiteral("Recipes"),
                                     QStringLiteral("Weight"), QStringLiteral("RDA"), QStringLiteral("Calculators"),
                                     QStringLiteral("Activity Planner")}));
    EXPECT_EQ(helpContexts, QList<int>({1, 10, 11, 3, 25, 26}));
    EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(MainWindowTest, ApplicationTitleAndTheWindowsOwnFont)
{
    // The task bar's title beside the window's caption, which no application
    // display name lengthens (the real X server test reads the titles shown).
    EXPECT_EQ(window->windowIconText(), QStringLiteral("Tolvane for Windows 95"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tolvane"));
    EXPECT_TRUE(QGuiApplication::applicationDisplayName().isEmpty() ||
                QGuiApplication::applicationDisplayName() == QCoreApplication::applicationName());

    // "System": bold, 16 pixels, on everything outside the pages.
    const QFont own = window->toolButton(Command::CopyMeal)->font();
    EXPECT_TRUE(own.bold());
    EXPECT_EQ(own.pixelSize(), 16);
    // The pages keep their plain Arial of 13 pixels, down to their labels.
    const QFont pageFont = window->pageControl()->font();
    EXPECT_EQ(pageFont.family(), QStringLiteral("Arial"));
    EXPECT_EQ(pageFont.pixelSize(), 13);
    EXPECT_FALSE(pageFont.bold());
    const QList<QLabel*> labels = window->page(RecipesPageIndex)->findChildren<QLabel*>();
    ASSERT_FALSE(labels.isEmpty());
    for (const QLabel* label : labels)
        EXPECT_FALSE(label->font().bold()) << label->text().toStdString();
}

TEST_F(MainWindowTest, APlaceStoredOffTheScreenShowsTheWindowOnItAndStaysStored)
{
    QTemporaryDir other;
    const QString conf = other.filePath(QStringLiteral("Tolvane.conf"));
    {
        QSettings stored(conf, QSettings::NativeFormat);
        stored.setValue(QStringLiteral("Top"), 5000);
        stored.setValue(QStringLiteral("Left"), 6000);
    }
    SettingsStore otherSettings(conf);
    App otherApp(ui, otherSettings, other.path());
    MainWindow shown(otherApp);
    ASSERT_TRUE(otherApp.program.formCreate().ok);
    shown.applyStartPosition();
    shown.show();
    QApplication::processEvents();

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(shown.frameGeometry())) << shown.frameGeometry().x() << "," << shown.frameGeometry().y();
    const QSettings after(conf, QSettings::NativeFormat);
    EXPECT_EQ(after.value(QStringLiteral("Top")).toInt(), 5000);
    EXPECT_EQ(after.value(QStringLiteral("Left")).toInt(), 6000);
}

TEST_F(MainWindowTest, ToolBarHasTwelveHintedButtonsInARow)
{
    const QStringList hints = {QStringLiteral("Copy Meal"),     QStringLiteral("Paste Meal"),
                               QStringLiteral("Clear Meal"),    QStringLiteral("Save Menu"),
                               QStringLiteral("Load Menu"),     QStringLiteral("Clear Menu"),
                               QStringLiteral("Print Menu"),    QStringLiteral("Print Shopping List"),
                               QStringLiteral("Add Food Item"), QStringLiteral("Add from USDA"),
                               QStringLiteral("Delete Food Item"), QStringLiteral("Exit Program")};
    int x = 2;
    for (const auto& definition : toolButtons()) {
        QToolButton* button = window->toolButton(definition.command);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), hints.at((x - 2) / 25));
        EXPECT_EQ(button->accessibleName(), button->toolTip());
        EXPECT_EQ(button->geometry(), QRect(x, 2, 25, 25));
        x += 25;
    }
    EXPECT_EQ(x, 2 + 12 * 25);
}

TEST_F(MainWindowTest, TheWholeMainMenuWithItsAccessKeys)
{
    // Every menu as one line: its caption, then its items; "-" is a separator.
    const QStringList expected = {
        u"&Main: Mer&ge Other FOODITEM.DBT | - | E&xit | - | &Import Food Items from CSV... | "
        u"Export &Food Items as CSV... | Export &Menu as CSV... | Export &Weight Log as CSV... | "
        u"Export Nutrient Re&port as CSV... | - | "
        u"&Back Up Data... | &Restore from Backup... | - | &Zoom... | &Units... | Target &Split... | - | U&ndo | Re&do"_s,
        u"&Food Item: &Add Food Item | Add from &USDA... | &Modify Food Item | &Delete Food Item | - | Add &to Personal List | "
        u"&Remove from Personal List | &Show Personal List | Clear Whole &Personal List | - | Add to Mea&l | - | "
        u"&Find Food Item..."_s,
        u"&Menu: &Load | Save &As | &Clear Meal | Copy &Meal | &Paste Meal | - | Clear Men&u | - | "
        u"Copy &Day | Paste Da&y | Paste Day &Into... | - | Change &Servings | - | &Nutrients..."_s,
        u"&Recipe: &Add to Food Items | - | &Load Recipe | &Save Recipe | - | &Clear Recipe | - | C&hange Servings"_s,
        u"&Weight: &Create Plan | &New Row | &Load File | &Save File | C&lear Grid | - | Show &Trend"_s,
        u"&Activity: &Add Activity | &Delete Activity | - | Add to Da&y | &Remove from Day"_s,
        u"&Print: Menu Print Pre&view | S&hopping List Preview | - | Print &Shopping List | Print &Day | "
        u"&Print Menu | Print &Weight Graph | Print &Recipe | Print &Nutrient Report | - | P&rint Setup"_s,
        u"&Help: &General | Dieting Hints | &Low Calorie | &Diabetic | Low &Sodium | Low &Cholesterol | "
        u"&RDA Guidelines | - | Tutor | - | &About"_s,
    };
    QStringList shown;
    for (QAction* a : window->menuBar()->actions())
        shown.append(a->text() + u": "_s + menuTexts(a->menu()).join(u" | "_s));
    EXPECT_EQ(shown, expected);
}

TEST_F(MainWindowTest, ShowTrendIsACheckableOptionOffAtFirst)
{
    window->pageControl()->setCurrentIndex(WeightPageIndex);
    QAction* trend = window->action(Command::ShowTrend);
    {
        // Remembered from an earlier run: the item shows its check mark.
        QSettings(dir.filePath(QStringLiteral("Tolvane.conf")), QSettings::NativeFormat)
            .setValue(QStringLiteral("ShowTrend"), 1);
        App earlier(ui, settings, dir.path());
        MainWindow shown(earlier);
        shown.refresh();
        EXPECT_TRUE(shown.action(Command::ShowTrend)->isChecked());
        QSettings(dir.filePath(QStringLiteral("Tolvane.conf")), QSettings::NativeFormat)
            .setValue(QStringLiteral("ShowTrend"), 0);
    }
    ASSERT_NE(trend, nullptr);
    EXPECT_TRUE(trend->isCheckable());
    EXPECT_TRUE(trend->isEnabled());
    EXPECT_FALSE(trend->isChecked());
    trend->trigger();
    EXPECT_TRUE(trend->isChecked());
    EXPECT_TRUE(app->program.isChecked(Command::ShowTrend));
    EXPECT_EQ(QSettings(dir.filePath(QStringLiteral("Tolvane.conf")), QSettings::NativeFormat)
                  .value(QStringLiteral("ShowTrend"))
                  .toInt(),
              1);
    trend->trigger();
    EXPECT_FALSE(trend->isChecked());
    EXPECT_FALSE(app->program.isChecked(Command::ShowTrend));
}

TEST_F(MainWindowTest, MenusFollowThePage)
{
    auto enabled = [this](TopMenu m) { return window->topMenu(m)->menuAction()->isEnabled(); };
    EXPECT_TRUE(enabled(TopMenu::FoodItem));
    EXPECT_FALSE(enabled(TopMenu::Recipe));
    EXPECT_FALSE(enabled(TopMenu::Activity));
    window->pageControl()->setCurrentIndex(RecipesPageIndex);
    EXPECT_FALSE(enabled(TopMenu::FoodItem));
    EXPECT_FALSE(enabled(TopMenu::Menu));
    EXPECT_TRUE(enabled(TopMenu::Recipe));
    EXPECT_TRUE(window->toolButton(Command::Exit)->isEnabled());
    window->pageControl()->setCurrentIndex(MenuPlannerPageIndex);
    EXPECT_TRUE(enabled(TopMenu::FoodItem));
    EXPECT_FALSE(enabled(TopMenu::Recipe));
}

TEST_F(MainWindowTest, FoodListShowsTheLoadedTableSortedWithTheFirstRowSelected)
{
    auto* planner = dynamic_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
    ASSERT_NE(planner, nullptr);
    FoodListView* list = planner->foodList();
    ASSERT_EQ(list->model()->rowCount(), 3);
    QStringList rows;
    for (int r = 0; r < 3; ++r)
        rows.append(list->model()->index(r, 0).data().toString());
    EXPECT_EQ(rows, QStringList({QStringLiteral("apple"), QStringLiteral("Milk"), QStringLiteral("Toast")}));
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_FALSE(list->accessibleName().isEmpty());
}

TEST_F(MainWindowTest, ExitClosesTheWindowThroughTheCloseSequence)
{
    window->action(Command::Exit)->trigger();
    EXPECT_TRUE(app->program.closing());
    EXPECT_EQ(ui.closeRequests, 1);  // the scripted user interface stands in for the window here
}

TEST_F(MainWindowTest, CancelAtTheWeightQuestionKeepsTheWindowOpen)
{
    window->show();
    app->program.setWeightChanged(true);
    ui.answers = {Button::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(app->program.closing());
    ui.answers = {Button::No};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, PressingAFoodRowSelectsItBeforeAnyDragOrRelease)
{
    auto* planner = dynamic_cast<MenuPlannerPage*>(window->page(MenuPlannerPageIndex));
    ASSERT_NE(planner, nullptr);
    FoodListView* list = planner->foodList();
    const QPoint at = list->visualRect(list->model()->index(2, 0)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    EXPECT_EQ(app->foods.selectedFoodRow(), 2);
    EXPECT_EQ(list->currentIndex().row(), 2);
}

TEST_F(MainWindowTest, HiddenPagesAreBuiltWhenFirstShownWithTheProgramsState)
{
    QTabWidget* pages = window->pageControl();
    auto slot = [pages](int index) { return static_cast<LazyPage*>(pages->widget(index)); };
    EXPECT_TRUE(slot(MenuPlannerPageIndex)->isBuilt());
    for (int index : {RecipesPageIndex, WeightPageIndex, RdaPageIndex, CalculatorsPageIndex, ActivityPlannerPageIndex})
        EXPECT_FALSE(slot(index)->isBuilt()) << index;

    // What changed before the page existed shows when it is first shown.
    app->recipes.setInstructions(QStringLiteral("Stir."));
    pages->setCurrentIndex(RecipesPageIndex);
    ASSERT_TRUE(slot(RecipesPageIndex)->isBuilt());
    auto* recipes = static_cast<RecipesPage*>(window->page(RecipesPageIndex));
    EXPECT_TRUE(recipes->isVisible());
    EXPECT_EQ(recipes->instructions()->toPlainText(), QStringLiteral("Stir."));
    EXPECT_EQ(recipes->geometry(), slot(RecipesPageIndex)->rect());
    // Its find field came with it; asking for a page builds it at once.
    EXPECT_NE(window->findBar(RecipesPageIndex), nullptr);
    EXPECT_NE(window->page(WeightPageIndex), nullptr);
    EXPECT_TRUE(slot(WeightPageIndex)->isBuilt());
    EXPECT_FALSE(window->page(WeightPageIndex)->isVisible());
    // Shown later, it fills its slot as the page built on showing does.
    pages->setCurrentIndex(WeightPageIndex);
    EXPECT_EQ(window->page(WeightPageIndex)->geometry(), recipes->geometry());

    // A screen reader picking a tab builds its page as a click does, and the
    // page's controls are there to read.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(pages->tabBar());
    ASSERT_NE(bar, nullptr);
    QAccessibleInterface* tab = bar->child(CalculatorsPageIndex);
    ASSERT_NE(tab, nullptr);
    ASSERT_NE(tab->actionInterface(), nullptr);
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(app->program.currentPage(), CalculatorsPageIndex);
    ASSERT_TRUE(slot(CalculatorsPageIndex)->isBuilt());
    EXPECT_TRUE(window->page(CalculatorsPageIndex)->isVisible());
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(window->page(CalculatorsPageIndex));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->text(QAccessible::Name), QStringLiteral("Calculators"));
    EXPECT_GE(page->childCount(), 3);  // its three boxes at least
}

TEST_F(MainWindowTest, EveryControlHasANameForScreenReaders)
{
    // Every page, also those not shown yet.
    for (int index = 0; index < PageCount; ++index)
        window->page(index);
    QStringList unnamed;
    int checked = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Controls a user reaches: anything that takes focus, and the painted views.
        const bool control = widget->focusPolicy() != Qt::NoFocus || widget->inherits("tolvane::PieWidget") ||
                             widget->inherits("tolvane::TrashCan");
        if (!control || widget->inherits("QScrollBar") || widget->parentWidget()->inherits("QAbstractScrollArea"))
            continue;
        ++checked;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        if (name.trimmed().isEmpty())
            unnamed.append(QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
                           widget->objectName());
    }
    EXPECT_GT(checked, 30);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}
