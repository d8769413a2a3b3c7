// What a screen reader's "activate" does is what a click does: every control
// of the six pages, the tool bar and the dialogs that offers an accessible
// action (buttons, day buttons, radio buttons, tabs, list rows...) is
// performed in one window and clicked in a twin; the program's state, the
// window as the accessibility interface reads it and the files must agree
// after each one.

#include "activity/activityfile.h"
#include "activity/activitytexts.h"
#include "activity/addactivitydialog.h"
#include "food/fooditemdialog.h"
#include "guide/helpwindow.h"
#include "menu/targetsplitdialog.h"
#include "printing/titledialog.h"
#include "reference/usdawindow.h"
#include "shell/aboutdialog.h"
#include "shell/pagewidget.h"
#include "shell/severalchoicedialog.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QDir>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace tolvane;
using namespace tolvane::test;
using namespace Qt::StringLiterals;

namespace {

// The controls under `root` that offer an action besides taking the focus,
// in the accessibility tree's order, with that action's names.
void actionable(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& found)
{
    if (!root || root->state().invisible)
        return;
    // Qt 6.4 selects the wrong row of a tree with branches for a row's
    // toggle action (the help window's topic list): left out until it is
    // fixed there.
    if (root->role() == QAccessible::TreeItem)
        return;
    if (QAccessibleActionInterface* actions = root->actionInterface()) {
        QStringList names = actions->actionNames();
        names.removeAll(QAccessibleActionInterface::setFocusAction());
        if (!names.isEmpty() && !root->state().disabled)
            found.push_back(root);
    }
    for (int i = 0; i < root->childCount(); ++i)
        actionable(root->child(i), found);
}

// What a screen reader can read of everything under `root`.
void readAloud(QAccessibleInterface* root, const QString& folder, QStringList& out, int depth = 0)
{
    if (!root || depth > 30)
        return;
    const QAccessible::State state = root->state();
    if (state.invisible)
        return;
    out.append(QStringLiteral("%1%2 '%3' = '%4'%5%6%7")
                   .arg(QString(depth, u' '))
                   .arg(root->role())
                   .arg(root->text(QAccessible::Name), root->text(QAccessible::Value))
                   .arg(state.checked ? QStringLiteral(" checked") : QString())
                   .arg(state.selected ? QStringLiteral(" selected") : QString())
                   .arg(state.disabled ? QStringLiteral(" disabled") : QString())
                   .replace(folder, QStringLiteral("<folder>")));
    for (int i = 0; i < root->childCount(); ++i)
        readAloud(root->child(i), folder, out, depth + 1);
}

// The deepest widget under the middle of an accessible control (or the
// indicator of a radio button or check box), where a click lands, and the
// point in it.
std::pair<QWidget*, QPoint> clickTarget(QAccessibleInterface* control, QWidget* window)
{
    // A cell or row of a list or table: where the view draws it.
    if (QAccessibleTableCellInterface* cell = control->tableCellInterface())
        if (auto* view = qobject_cast<QAbstractItemView*>(cell->table()->object()))
            return {view->viewport(),
                    view->visualRect(view->model()->index(cell->rowIndex(), cell->columnIndex())).center()};
    const QRect area = control->rect();
    const QAccessible::Role role = control->role();
    const QPoint global = role == QAccessible::RadioButton || role == QAccessible::CheckBox
                              ? QPoint(area.left() + 6, area.center().y())
                              : area.center();
    QWidget* target = window->childAt(window->mapFromGlobal(global));
    if (!target)
        target = window;
    return {target, target->mapFromGlobal(global)};
}

// Waits for the delayed click of a pressed button.
void settle()
{
    (void)QTest::qWaitFor(
        [] {
            const auto buttons = QApplication::allWidgets();
            return std::none_of(buttons.begin(), buttons.end(), [](QWidget* w) {
                const auto* button = qobject_cast<QAbstractButton*>(w);
                return button && button->isDown();
            });
        },
        2000);
    QApplication::processEvents();
}

// What the scripted user was shown and asked.
QStringList asked(const ScriptedUi& ui)
{
    QStringList out = ui.texts();
    for (const int topic : ui.helpTopics)
        out.append(QStringLiteral("help %1").arg(topic));
    out.append(QStringLiteral("open %1 save %2 choices %3 about %4 close %5 prints %6 previews %7 setups %8 "
                              "tutors %9 information %10 foods %11 activities %12 splits %13 titles %14")
                   .arg(ui.openRequests.size())
                   .arg(ui.saveRequests.size())
                   .arg(ui.choiceRequests.size())
                   .arg(ui.aboutShown)
                   .arg(ui.closeRequests)
                   .arg(ui.prints.size())
                   .arg(ui.previews.size())
                   .arg(ui.printSetups)
                   .arg(ui.tutorsShown)
                   .arg(ui.informationShown)
                   .arg(ui.foodItemShown.size())
                   .arg(ui.activityShown.size())
                   .arg(ui.targetSplitShown.size())
                   .arg(ui.titlePrompts.size()));
    return out;
}

// The program, its window and its folder: one is acted on through the
// accessibility interface, its twin by the mouse.
struct World {
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    std::unique_ptr<App> app;
    std::unique_ptr<MainWindow> window;

    explicit World(int page)
    {
        std::vector<ActivityRecord> activities(2);
        activities[0].setName(QStringLiteral("Cycling"));
        activities[0].setCaloriesPerHour(400);
        activities[1].setName(QStringLiteral("Walking"));
        activities[1].setCaloriesPerHour(300);
        writeAll(dir.filePath(ActivityFileName), activityImage(activities));
        writeAll(dir.filePath(FoodTableFileName),
                 tableBytes({makeItem(QStringLiteral("Apple"), {52, 14, 0.3L, 0.2L, 1, 0}),
                             makeItem(QStringLiteral("Bread"), {80, 15, 3, 1, 150, 0}),
                             makeItem(QStringLiteral("Cheese"), {110, 0.4L, 7, 9, 180, 30}, true)}));
        app = std::make_unique<App>(ui, settings, dir.path());
        window = std::make_unique<MainWindow>(*app);
        EXPECT_TRUE(app->program.formCreate().ok);
        window->applyStartPosition();
        window->show();
        app->program.formActivate();
        window->pageControl()->setCurrentIndex(page);
        window->refresh();
        // Something in the week: the meal list has a row.
        app->menu.addToMeal();
        window->refresh();
        ui.messages.clear();
    }

    QStringList state() const
    {
        QStringList out = asked(ui);
        readAloud(QAccessible::queryAccessibleInterface(window.get()), dir.path(), out);
        for (const QFileInfo& file : QDir(dir.path()).entryInfoList(QDir::Files, QDir::Name))
            out.append(file.fileName() + QStringLiteral(": ") +
                       QString::fromLatin1(readAll(file.filePath()).toHex()).replace(
                           QString::fromLatin1(dir.path().toUtf8().toHex()), QStringLiteral("<folder>")));
        return out;
    }
};

// The lines each state has and the other lacks: empty when they agree.
std::string differences(const QStringList& acted, const QStringList& clicked)
{
    QStringList out;
    for (const QString& line : acted)
        if (!clicked.contains(line))
            out.append(QStringLiteral("acted:   ") + line.left(200));
    for (const QString& line : clicked)
        if (!acted.contains(line))
            out.append(QStringLiteral("clicked: ") + line.left(200));
    for (qsizetype i = 0; out.isEmpty() && i < std::min(acted.size(), clicked.size()); ++i)
        if (acted.at(i) != clicked.at(i))
            out = QStringList{QStringLiteral("in another order, acted:   ") + acted.mid(i - 3, 8).join(u"|"),
                              QStringLiteral("in another order, clicked: ") + clicked.mid(i - 3, 8).join(u"|")};
    return out.join(u'\n').toStdString();
}

// Each control of `root` (found again in the twin by its place in the
// accessibility tree's order) acted on in one and clicked in the other; the
// states after each must be equal. Returns the controls met.
QStringList actEverywhere(const std::function<QWidget*(World&)>& root, World& acted, World& clicked)
{
    QStringList met;
    for (std::size_t k = 0;; ++k) {
        std::vector<QAccessibleInterface*> ours;
        std::vector<QAccessibleInterface*> theirs;
        actionable(QAccessible::queryAccessibleInterface(root(acted)), ours);
        actionable(QAccessible::queryAccessibleInterface(root(clicked)), theirs);
        EXPECT_EQ(ours.size(), theirs.size()) << "after " << met.join(u", ").toStdString();
        if (k >= ours.size() || k >= theirs.size())
            return met;
        QAccessibleInterface* control = ours[k];
        const QString name = control->text(QAccessible::Name);
        const QStringList actions = control->actionInterface()->actionNames();
        met.append(name);
        for (const QString& action : actions)
            if (action != QAccessibleActionInterface::setFocusAction()) {
                control->actionInterface()->doAction(action);
                break;  // the control's own action: "Press", "Toggle"...
            }
        settle();  // the press's delayed click, before the twin takes the focus
        const auto [target, at] = clickTarget(theirs[k], clicked.window.get());
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        settle();
        acted.window->refresh();
        clicked.window->refresh();
        const std::string differ = differences(acted.state(), clicked.state());
        EXPECT_EQ(differ, "") << "control " << k << ": " << name.toStdString() << " ("
                              << actions.join(u", ").toStdString() << ")";
        if (!differ.empty())
            return met;
    }
}

} // namespace

// The tool bar, the page tabs and every page: each actionable control, one
// after the other in both windows, as a user going through them would.
TEST(AccessibleActions, EveryControlOfEveryPageDoesWhatAClickDoes)
{
    QStringList met;
    for (int page = 0; page < PageCount; ++page) {
        SCOPED_TRACE(page);
        World acted(page);
        World clicked(page);
        ASSERT_EQ(differences(acted.state(), clicked.state()), "");
        met += actEverywhere([page](World& w) -> QWidget* { return w.window->page(page); }, acted, clicked);
    }
    // Among them the day buttons, the tabs, the radio buttons and the rows.
    for (const char* control : {"Sunday", "Saturday", "Breakfast", "Snack", "Avg. Day", "Female", "Heavy", "Week",
                                "Apple", "Cycling", "Add to Day", "Create Plan"})
        EXPECT_TRUE(met.contains(QLatin1String(control))) << control << " in " << met.join(u", ").toStdString();
    World acted(MenuPlannerPageIndex);
    World clicked(MenuPlannerPageIndex);
    actEverywhere([](World& w) -> QWidget* { return w.window->pageControl()->tabBar(); }, acted, clicked);
    actEverywhere([](World& w) -> QWidget* { return w.window->toolButton(Command::CopyMeal)->parentWidget(); }, acted,
                  clicked);
}

// The dialogs: each button and choice acted on in one, clicked in a twin.
TEST(AccessibleActions, EveryControlOfTheDialogsDoesWhatAClickDoes)
{
    // One of two twins: the scripted user and the forms a dialog works on.
    struct Twin {
        ScriptedUi ui;
        FoodItemForm food{EditItem{u"Toast"_s, {80, 15, 3, 1, 12, 0}}, u"Add"_s};
        TargetSplitForm split{TargetSplit{25, 15, 60}};
        ActivityForm activity;
        ChoiceRequest several{u"Paste Day Into"_s, u"Days:"_s, {u"Sunday"_s, u"Monday"_s}, -1, 47};
        // The program behind "Add from USDA", made for that window only.
        QTemporaryDir dir;
        SettingsStore settings{dir.filePath(u"Tolvane.conf"_s)};
        std::unique_ptr<App> app;
    };
    struct Dialog {
        const char* name;
        std::function<std::unique_ptr<QWidget>(Twin&)> open;
    };
    const std::vector<Dialog> dialogs = {
        {"food item", [](Twin& t) { return std::make_unique<FoodItemDialog>(t.food, t.ui); }},
        {"target split", [](Twin& t) { return std::make_unique<TargetSplitDialog>(t.split, t.ui); }},
        {"add activity", [](Twin& t) { return std::make_unique<AddActivityDialog>(t.activity, t.ui); }},
        {"title", [](Twin&) { return std::make_unique<TitleDialog>(); }},
        {"about", [](Twin&) { return std::make_unique<AboutDialog>(u"/data"_s); }},
        {"several", [](Twin& t) { return std::make_unique<SeveralChoiceDialog>(t.several); }},
        {"help", [](Twin&) { return std::make_unique<HelpWindow>(); }},
        {"add from USDA",
         [](Twin& t) {
             writeAll(t.dir.filePath(FoodTableFileName), tableBytes({makeItem(u"Apple"_s, {52, 14, 0.3L, 0.2L, 1, 0})}));
             t.app = std::make_unique<App>(t.ui, t.settings, t.dir.path());
             EXPECT_TRUE(t.app->program.formCreate().ok);
             t.app->usda.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
             t.app->usda.open();
             t.app->usda.setSearchText(u"cheddar cheese"_s);
             return std::make_unique<UsdaWindow>(t.app->usda, nullptr, nullptr);
         }},
    };
    const auto stateOf = [](QWidget* w, const ScriptedUi& ui) {
        QStringList out = asked(ui);
        out.append(QStringLiteral("shown %1").arg(w->isVisible()));
        if (auto* box = qobject_cast<QDialog*>(w))
            out.append(QStringLiteral("result %1").arg(box->result()));
        readAloud(QAccessible::queryAccessibleInterface(w), QStringLiteral("/data"), out);
        return out;
    };
    for (const Dialog& dialog : dialogs) {
        SCOPED_TRACE(dialog.name);
        for (std::size_t k = 0;; ++k) {
            // One twin at a time: each is the active window, as a dialog is.
            Twin actedTwin;
            const std::unique_ptr<QWidget> acted = dialog.open(actedTwin);
            acted->show();
            QApplication::setActiveWindow(acted.get());
            std::vector<QAccessibleInterface*> ours;
            actionable(QAccessible::queryAccessibleInterface(acted.get()), ours);
            if (k >= ours.size()) {
                EXPECT_GT(k, 0U);
                break;
            }
            const QString name = ours[k]->text(QAccessible::Name);
            QStringList actions = ours[k]->actionInterface()->actionNames();
            actions.removeAll(QAccessibleActionInterface::setFocusAction());
            ours[k]->actionInterface()->doAction(actions.first());
            settle();
            const QStringList actedState = stateOf(acted.get(), actedTwin.ui);
            acted->hide();

            Twin clickedTwin;
            const std::unique_ptr<QWidget> clicked = dialog.open(clickedTwin);
            clicked->show();
            QApplication::setActiveWindow(clicked.get());
            std::vector<QAccessibleInterface*> theirs;
            actionable(QAccessible::queryAccessibleInterface(clicked.get()), theirs);
            ASSERT_EQ(ours.size(), theirs.size());
            const auto [target, at] = clickTarget(theirs[k], clicked.get());
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
            settle();
            EXPECT_EQ(differences(actedState, stateOf(clicked.get(), clickedTwin.ui)), "")
                << name.toStdString() << " (" << actions.first().toStdString() << ")";
        }
    }
}
