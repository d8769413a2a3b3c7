// The user's target split in the windows: with no target and with the default
// 60/10/30 kept, the same pixels and the same printouts; another target takes
// the RDA page's left side and the fat marks, for the eye and for a screen
// reader. And the Target Split dialog by keyboard.

#include "menu/menuplannerpage.h"
#include "menu/menustore.h"
#include "menu/piewidget.h"
#include "menu/rdapage.h"
#include "menu/targetsplitdialog.h"
#include "recipes/recipespage.h"
#include "windowtest.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>

using namespace tolvane;
using namespace tolvane::test;
using namespace Qt::StringLiterals;

namespace {

using Press = TargetSplitAttempt::Press;

QColor textColor(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// What the window shows on the three pages with a fat mark, and everything
// each printout and preview draws.
struct Shown {
    QImage planner;
    QImage recipes;
    QImage rda;
    QStringList printed;
};

// A program on Bread and Cheese (73% of its energy from fat) with a kept
// target (none when empty): Sunday breakfast holds two Bread and a Cheese
// (36% from fat), the recipe too, and Cheese is selected.
class Session {
public:
    explicit Session(std::optional<TargetSplit> kept)
    {
        if (kept) {
            QSettings file(dir.filePath(u"Tolvane.conf"_s), QSettings::NativeFormat);
            file.setValue(TargetCarbohydrateKey, kept->carbohydrate);
            file.setValue(TargetProteinKey, kept->protein);
            file.setValue(TargetFatKey, kept->fat);
        }
        const FoodItem bread = makeItem(u"Bread"_s, {80, 15, 3, 1, 150, 0});
        const FoodItem cheese = makeItem(u"Cheese"_s, {110, 0.4L, 7, 9, 180, 30});
        MenuImage image;
        image.week[weekIndex(0, 0)].append(bread, 2);
        image.week[weekIndex(0, 0)].append(cheese, 1);
        writeAll(dir.filePath(CurrentMenuFileName), writeMenuImage(image));
        writeAll(dir.filePath(FoodTableFileName), tableBytes({bread, cheese}));
        app = std::make_unique<App>(ui, settings, dir.path());
        window = std::make_unique<MainWindow>(*app);
        EXPECT_TRUE(app->program.formCreate().ok);
        window->show();
        app->program.formActivate();
        app->recipes.setFoodServingsText(u"2"_s);
        app->recipes.addFoodRow(0);
        app->recipes.setFoodServingsText(u"1"_s);
        app->recipes.addFoodRow(1);
        app->foods.foodListClick(1);
        window->refresh();
    }

    template <typename T>
    T* page(int index)
    {
        window->pageControl()->setCurrentIndex(index);
        return static_cast<T*>(window->page(index));
    }

    QImage grab(int index)
    {
        window->pageControl()->setCurrentIndex(index);
        if (index == MenuPlannerPageIndex)
            app->foods.foodListClick(1);  // the page was picked: its first row was selected
        window->refresh();
        return window->page(index)->grab().toImage();
    }

    Shown shown()
    {
        Shown result{grab(MenuPlannerPageIndex), grab(RecipesPageIndex), grab(RdaPageIndex), {}};
        window->pageControl()->setCurrentIndex(MenuPlannerPageIndex);
        for (Command printout : {Command::MenuPrintPreview, Command::ShoppingListPreview, Command::PrintMenu,
                                 Command::PrintDay, Command::PrintShoppingList, Command::PrintRecipe,
                                 Command::PrintWeightGraph})
            app->program.execute(printout);
        for (const auto& print : ui.prints)
            result.printed += print->documentTitle + u": "_s + print->canvas.calls.join(u"; "_s);
        for (const auto& preview : ui.previews)
            result.printed += preview->canvas.calls.join(u"; "_s);
        result.printed += ui.texts();
        EXPECT_GE(ui.prints.size(), 4u);
        ui.prints.clear();
        ui.previews.clear();
        ui.messages.clear();
        return result;
    }

    // "Target &Split..." from the "&Main" menu, answered by `script`.
    void chooseTarget(std::vector<TargetSplitAttempt> script)
    {
        ui.targetSplitAnswers.push_back(std::move(script));
        window->action(Command::TargetSplit)->trigger();
    }

    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(u"Tolvane.conf"_s)};
    std::unique_ptr<App> app;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST(TargetSplitWindow, TheDefaultShowsAndPrintsExactlyAsWithoutATarget)
{
    Session none(std::nullopt);
    const Shown plain = none.shown();
    ASSERT_FALSE(plain.rda.isNull());

    Session recommended(TargetSplit{60, 10, 30});
    const Shown kept = recommended.shown();
    EXPECT_EQ(kept.planner, plain.planner);
    EXPECT_EQ(kept.recipes, plain.recipes);
    EXPECT_EQ(kept.rda, plain.rda);
    EXPECT_EQ(kept.printed, plain.printed);

    // Another target changes the three pages and no printout (none shows the
    // recommended split or marks fat); back at the default all is as before.
    Session own(TargetSplit{20, 5, 75});
    const Shown target = own.shown();
    EXPECT_NE(target.planner, plain.planner);
    EXPECT_NE(target.recipes, plain.recipes);
    EXPECT_NE(target.rda, plain.rda);
    EXPECT_EQ(target.printed, plain.printed);
    own.chooseTarget({TargetSplitAttempt{{}, Press::Default}, TargetSplitAttempt{}});
    const Shown back = own.shown();
    EXPECT_EQ(back.planner, plain.planner);
    EXPECT_EQ(back.recipes, plain.recipes);
    EXPECT_EQ(back.rda, plain.rda);
}

TEST(TargetSplitWindow, ATargetTakesTheRdaPageAndTheFatMarksAtOnce)
{
    Session session(std::nullopt);
    auto* planner = session.page<MenuPlannerPage>(MenuPlannerPageIndex);
    auto* recipes = session.page<RecipesPage>(RecipesPageIndex);
    auto* rda = session.page<RdaPage>(RdaPageIndex);
    const QColor red(255, 0, 0);
    const QColor black(0, 0, 0);
    const QList<QLabel*> fatLabels = {planner->foodPanel().fat, planner->menuPanel().fat, recipes->panel().fat};
    for (QLabel* fat : fatLabels)
        EXPECT_EQ(textColor(fat), red) << fat->text().toStdString();
    EXPECT_EQ(rda->referenceTitle()->text(), u"FDA Recommended Daily Allowances"_s);

    // 36% and 73% of the energy from fat: black under a fat target of 75%.
    session.chooseTarget({{{u"20"_s, u"5"_s, u"75"_s}, Press::Ok}});
    for (QLabel* fat : fatLabels)
        EXPECT_EQ(textColor(fat), black) << fat->text().toStdString();
    EXPECT_EQ(rda->referenceTitle()->text(), u"Your Target"_s);
    EXPECT_EQ(readName(rda->referenceTitle()), u"Your Target"_s);
    const QStringList percents = {rda->referencePercent(0)->text(), rda->referencePercent(1)->text(),
                                  rda->referencePercent(2)->text()};
    EXPECT_EQ(percents, QStringList({u"20%"_s, u" 5%"_s, u"75%"_s}));
    EXPECT_EQ(readName(rda->referencePercent(0)), u"Target carbohydrate: 20%"_s);
    EXPECT_EQ(readName(rda->referencePercent(1)), u"Target protein: 5%"_s);
    EXPECT_EQ(readName(rda->referencePercent(2)), u"Target fat: 75%"_s);
    EXPECT_EQ(rda->recommendedPie()->shares(), (Shares{0.2L, 0.05L, 0.75L}));
    EXPECT_EQ(readName(rda->recommendedPie()), u"Your Target pie"_s);
    EXPECT_EQ(rda->recommendedPie()->accessibleDescription(),
              u"Carbohydrate 20%, protein 5%, fat 75% of the calories"_s);
    // The title keeps its place and fits its new text.
    EXPECT_EQ(rda->referenceTitle()->pos(), QPoint(24, 16));
    EXPECT_GE(rda->referenceTitle()->width(), rda->referenceTitle()->fontMetrics().horizontalAdvance(u"Your Target"_s));

    // A fat target below the shares marks both again; the recipe follows too.
    session.chooseTarget({{{u"50"_s, u"15"_s, u"35"_s}, Press::Ok}});
    EXPECT_EQ(textColor(planner->foodPanel().fat), red);
    EXPECT_EQ(textColor(planner->menuPanel().fat), red);  // 36%
    EXPECT_EQ(textColor(recipes->panel().fat), red);
    session.chooseTarget({{{u"50"_s, u"13"_s, u"37"_s}, Press::Ok}});
    EXPECT_EQ(textColor(planner->menuPanel().fat), black);
    EXPECT_EQ(textColor(recipes->panel().fat), black);
    EXPECT_EQ(textColor(planner->foodPanel().fat), red);  // 73%

    // The target is there at the next start.
    App again(session.ui, session.settings, session.dir.path());
    EXPECT_EQ(again.menu.targetSplit(), (TargetSplit{50, 13, 37}));
}

TEST(TargetSplitDialogWidget, KeyboardNamesHelpAndARefusalThatKeepsItOpen)
{
    ScriptedUi ui;
    TargetSplitForm form(TargetSplit{25, 15, 60});
    TargetSplitDialog dialog(form, ui);
    EXPECT_EQ(dialog.windowTitle(), u"Target Split"_s);
    EXPECT_EQ(dialog.property("helpContext").toInt(), TargetSplitHelpContext);
    using F = TargetSplitForm;
    // Tab goes through the fields, then the buttons left to right;
    // Alt and a label's letter reach its field; a screen reader reads each.
    dialog.show();
    QStringList order;
    QWidget* at = dialog.field(F::Carbohydrate);
    for (int step = 0; step < 7; ++step, at = at->nextInFocusChain()) {
        while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible())
            at = at->nextInFocusChain();
        order.append(readName(at));
    }
    EXPECT_EQ(order, QStringList({u"Carbohydrate (%):"_s, u"Protein (%):"_s, u"Fat (%):"_s, u"Default"_s, u"OK"_s,
                                  u"Cancel"_s, u"Help"_s}));
    QStringList shown;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (auto* field = qobject_cast<QLineEdit*>(label->buddy()))
            shown.append(label->text() + u" "_s + field->text());
    EXPECT_EQ(shown, QStringList({u"&Carbohydrate (%): 25"_s, u"&Protein (%): 15"_s, u"&Fat (%): 60"_s}));

    // Enter presses OK: a sum that is not 100 is told, the dialog stays open
    // with the focus on the field to correct.
    dialog.field(F::Fat)->setText(u"59"_s);
    dialog.field(F::Fat)->setFocus();
    key(dialog.field(F::Fat), Qt::Key_Return);
    ASSERT_EQ(ui.texts(), QStringList({u"The three shares add up to 99%. They must add up to 100%."_s}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.focusWidget(), dialog.field(F::Carbohydrate));
    EXPECT_EQ(form.split(), (TargetSplit{25, 15, 60}));

    dialog.helpButton()->click();
    EXPECT_EQ(ui.helpTopics, std::vector<int>{TargetSplitHelpContext});
    dialog.defaultButton()->click();
    const QStringList texts = {dialog.field(F::Carbohydrate)->text(), dialog.field(F::Protein)->text(),
                               dialog.field(F::Fat)->text()};
    EXPECT_EQ(texts, QStringList({u"60"_s, u"10"_s, u"30"_s}));
    key(dialog.field(F::Fat), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(form.split(), TargetSplit{});

    // Escape cancels without a word.
    TargetSplitDialog again(form, ui);
    again.show();
    key(again.field(F::Carbohydrate), Qt::Key_Escape);
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(ui.messages.size(), 1u);
}
