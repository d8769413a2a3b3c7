#include "recipes/recipespage.h"

#include "food/foodlistview.h"
#include "shell/app.h"

namespace tolvane {

RecipesPage::RecipesPage(App& app, QWidget* parent)
    : PageWidget(parent), app_(app), foodList_(new FoodListView(app.program, false, this))
{
    foodList_->setGeometry(4, 4, 221, 221);
    connect(foodList_, &FoodListView::stateChanged, this, &PageWidget::stateChanged);
    foodList_->setAccessibleName(QStringLiteral("Recipe food list"));
}

void RecipesPage::refresh() { foodList_->refresh(); }

} // namespace tolvane
