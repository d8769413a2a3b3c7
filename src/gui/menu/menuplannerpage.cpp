#include "menu/menuplannerpage.h"

#include "food/foodlistview.h"
#include "shell/app.h"

namespace tolvane {

MenuPlannerPage::MenuPlannerPage(App& app, QWidget* parent)
    : PageWidget(parent), app_(app), foodList_(new FoodListView(app.program, true, this))
{
    foodList_->setGeometry(4, 4, 221, 221);
    connect(foodList_, &FoodListView::stateChanged, this, &PageWidget::stateChanged);
    foodList_->setAccessibleName(QStringLiteral("Food list"));
}

void MenuPlannerPage::refresh() { foodList_->refresh(); }

} // namespace tolvane
