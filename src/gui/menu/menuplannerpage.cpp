#include "menu/menuplannerpage.h"

#include "food/foodlistview.h"
#include "menu/daynotebook.h"
#include "menu/menuplanner.h"
#include "shell/program.h"
#include "menu/servingsedit.h"
#include "menu/tablistbox.h"
#include "menu/trashcan.h"
#include "food/foodlist.h"
#include "menu/menuplanner.h"
#include "shell/program.h"

#include <QTabBar>

namespace tolvane {

namespace {
QTabBar* makeTabBar(QWidget* parent, const QStringList& captions, const QString& name, const QRect& geometry)
{
    auto* bar = new QTabBar(parent);
    bar->setShape(QTabBar::RoundedSouth);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(false);
    bar->setDrawBase(false);
    bar->setElideMode(Qt::ElideNone);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    bar->setFont(font);
    bar->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 1px 5px; }"));
    for (const QString& caption : captions)
        bar->addTab(caption);
    bar->setAccessibleName(name);
    bar->setGeometry(geometry);
    return bar;
}

void showTab(QTabBar* bar, int index)
{
    if (bar->currentIndex() == index)
        return;
    const QSignalBlocker blocker(bar);
    bar->setCurrentIndex(index);
}
} // namespace

MenuPlannerPage::MenuPlannerPage(Program& program, FoodList& foods, MenuPlanner& planner, QWidget* parent)
    : PageWidget(parent), foods_(foods), planner_(planner), foodList_(new FoodListView(program, foods, true, this))
{
    // Left of the day notebook, above the Food Item box.
    foodList_->setGeometry(4, 4, 225, 225);
    connect(foodList_, &FoodListView::stateChanged, this, &PageWidget::stateChanged);
    foodList_->setAccessibleName(QStringLiteral("Food list"));
    foodList_->setDragSource(DragSource::FoodList);

    buildWeek();
    buildFoodItemBox();
    buildMenuValuesBox();
    connectDrags();
}

void MenuPlannerPage::buildWeek()
{
    days_ = new DayNotebook(DayNames, 4, this);
    days_->setGeometry(232, 4, 382, 221);
    days_->setFont(arialFont(11));
    days_->setAccessibleName(QStringLiteral("Days"));
    connect(days_, &DayNotebook::currentChanged, this,
            [this](int day) { forward([&] { planner_.dayPageChange(day); }); });

    mealTabs_ = makeTabBar(this, MealNames, QStringLiteral("Meals"), QRect(232, 223, 201, 25));
    connect(mealTabs_, &QTabBar::currentChanged, this, [this](int meal) {
        // A click hands the focus to the food list; the arrow keys go on
        // from the meal picked, as on the day buttons (a click gives the
        // tab bar no focus).
        const bool byKeys = mealTabs_->hasFocus();
        forward([&] { planner_.mealTabChange(meal); });
        if (byKeys)
            mealTabs_->setFocus(Qt::TabFocusReason);
    });

    // The meal list lies over the notebook's page area.
    mealList_ = new TabListBox(this);
    mealList_->setGeometry(240, 34, 365, 183);
    mealList_->setFont(arialFont(11));
    mealList_->setItemHeight(14);
    mealList_->setSelectionMode(QAbstractItemView::SingleSelection);
    mealList_->setTabStops(0);
    mealList_->setAccessibleName(QStringLiteral("Meal list"));
    mealList_->raise();
    // A press on an entry, the keys or a screen reader: each is a click on the entry.
    mealList_->rowSelected = [this](int row) {
        if (row >= 0)
            forward([&] { planner_.mealListClick(row); });
        else
            emit stateChanged();  // no entry unselects: the list shows the selected one again
    };
    mealList_->deletePressed = [this](int) { forward([&] { planner_.deleteSelectedEntry(); }); };

    trash_ = new TrashCan(DragSource::TrashCan, this);
    trash_->move(239, 256);

    totalsTabs_ = makeTabBar(this, TotalsViewNames, QStringLiteral("Totals"), QRect(299, 340, 185, 21));
    connect(totalsTabs_, &QTabBar::currentChanged, this,
            [this](int view) { forward([&] { planner_.totalsTabChange(view); }); });
}

void MenuPlannerPage::connectDrags()
{
    connect(foodList_, &FoodListView::dragFinished, this,
            [this] { forward([&] { planner_.endDrag(DragSource::FoodList); }); });

    mealList_->setDragSource(DragSource::MealList);
    mealList_->acceptsDrop = [this](const DragItem& item) { return planner_.mealListAccepts(item); };
    mealList_->dropped = [this](const DragItem& item) { forward([&] { planner_.dropOnMealList(item); }); };
    mealList_->dragEnded = [this] { forward([&] { planner_.endDrag(DragSource::MealList); }); };

    trash_->dragOver = [this](const DragItem& item) {
        const bool wasOpen = planner_.trashOpen();
        const bool taken = planner_.trashDragOver(item);
        if (planner_.trashOpen() != wasOpen)
            emit stateChanged();
        return taken;
    };
    trash_->dropped = [this](const DragItem& item) { forward([&] { planner_.dropOnTrash(item); }); };
    trash_->dragEnded = [this] { forward([&] { planner_.endDrag(DragSource::TrashCan); }); };
}

void MenuPlannerPage::refresh()
{
    foodList_->refresh();
    days_->setCurrentIndex(planner_.shownDay());
    showTab(mealTabs_, planner_.shownMealIndex());
    showTab(totalsTabs_, planner_.totalsTab());
    mealList_->setLines(planner_.mealList(), planner_.mealListSelection());
    trash_->setOpen(planner_.trashOpen());
    showFieldText(servings_, foods_.servingsText());
    foodPanel_.show(planner_.foodPanel());
    menuPanel_.show(planner_.menuPanel());

    if (const std::optional<FocusTarget> focus = planner_.takeFocusRequest()) {
        if (*focus == FocusTarget::Servings)
            servings_->setFocus();
        else if (*focus == FocusTarget::MealList)
            mealList_->setFocus();
        else
            foodList_->setFocus();
    }
}

} // namespace tolvane
