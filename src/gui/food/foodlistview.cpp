#include "food/foodlistview.h"

#include "food/foodlistmodel.h"
#include "shell/program.h"

namespace tolvane {

FoodListView::FoodListView(Program& program, bool followsSelection, QWidget* parent)
    : QListView(parent), program_(program), model_(new FoodListModel(program.foodTable(), this)),
      followsSelection_(followsSelection)
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    if (followsSelection_) {
        connect(this, &QListView::clicked, this, [this](const QModelIndex& index) {
            program_.foodListClick(index.row());
            emit stateChanged();
        });
    }
}

void FoodListView::refresh()
{
    model_->reload();
    if (!followsSelection_)
        return;
    const int row = program_.selectedFoodRow();
    if (row < 0) {
        clearSelection();
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    if (currentIndex() != index)
        setCurrentIndex(index);
}

} // namespace tolvane
