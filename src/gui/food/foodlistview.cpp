#include "food/foodlistview.h"

#include "food/foodlistmodel.h"
#include "shell/program.h"
#include "food/personallist.h"

#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>

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
        // A double click modifies the row its first click selected.
        connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
            program_.foodListClick(index.row());
            program_.execute(Command::ModifyFoodItem);
            emit stateChanged();
        });
    }
}

void FoodListView::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (followsSelection_ && text.size() == 1 && foodListKeyPress(program_, text.front())) {
        event->accept();
        emit stateChanged();
        return;
    }
    if (!followsSelection_ && text.size() == 1)
        emit keyTyped(text.front());
    QListView::keyPressEvent(event);
}

void FoodListView::setDragSource(DragSource source)
{
    model_->setDragSource(source);
    setDragEnabled(source != DragSource::None);
    setDragDropMode(source != DragSource::None ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
}

void FoodListView::mousePressEvent(QMouseEvent* event)
{
    // Pressing a row selects it at once: a drag may start from it before any
    // click is complete.
    pressed_ = indexAt(event->position().toPoint());
    QListView::mousePressEvent(event);
    if (followsSelection_ && pressed_.isValid() && pressed_.row() != program_.selectedFoodRow()) {
        program_.foodListClick(pressed_.row());
        emit stateChanged();
    }
}

void FoodListView::startDrag(Qt::DropActions)
{
    const QModelIndex index = pressed_.isValid() ? QModelIndex(pressed_) : currentIndex();
    if (!index.isValid() || model_->dragSource() == DragSource::None)
        return;
    if (followsSelection_) {
        program_.foodListClick(index.row());
        emit stateChanged();
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(model_->mimeData({index}));
    drag->exec(Qt::CopyAction);
    emit dragFinished();
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
