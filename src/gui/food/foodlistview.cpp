#include "food/foodlistview.h"

#include "food/foodlistmodel.h"
#include "food/personallist.h"
#include "food/foodlist.h"
#include "shell/program.h"
#include "shell/rowselection.h"

#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace tolvane {

FoodListView::FoodListView(Program& program, FoodList& foods, bool followsSelection, QWidget* parent)
    : QListView(parent), program_(program), foods_(foods), model_(new FoodListModel(foods.foodTable(), this)),
      followsSelection_(followsSelection)
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    followSelectedRow(this, [this](int row) {
        if (!pressing_)
            userSelected(row);
    });
    if (followsSelection_) {
        // A double click modifies the row its first click selected.
        connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
            foods_.foodListClick(index.row());
            program_.execute(Command::ModifyFoodItem);
            emit stateChanged();
        });
    }
}

void FoodListView::userSelected(int row)
{
    if (!followsSelection_)
        return;
    foods_.foodListClick(row);
    emit stateChanged();
}

int FoodListView::selectedRow() const { return tolvane::selectedRow(this); }

void FoodListView::selectRow(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex index = model_->index(row, 0);
    setCurrentIndex(index);
    scrollTo(index);
    // The row was selected already: the program still hears of the choice.
    if (followsSelection_ && foods_.selectedFoodRow() != row)
        userSelected(row);
}

void FoodListView::reserveBottom(int height)
{
    setViewportMargins(0, 0, 0, height);
    // The current row may lie under the field now: bring it up.
    if (const QModelIndex index = currentIndex(); index.isValid())
        scrollTo(index);
}

void FoodListView::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (followsSelection_ && text.size() == 1 && foodListKeyPress(foods_, text.front())) {
        event->accept();
        emit stateChanged();
        return;
    }
    if (!followsSelection_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit enterPressed(selectedRow());
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
    if (event->button() != Qt::LeftButton) {
        QListView::mousePressEvent(event);
        return;
    }
    // A press anywhere on the list starts a drag; one on no row keeps the selection.
    releaseEndsDrag_ = model_->dragSource() != DragSource::None;
    pressed_ = indexAt(event->position().toPoint());
    if (!pressed_.isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    pressing_ = true;
    QListView::mousePressEvent(event);
    pressing_ = false;
    // The click itself, on the press, even on the row already selected.
    if (followsSelection_)
        userSelected(pressed_.row());
}

void FoodListView::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && std::exchange(releaseEndsDrag_, false))
        emit dragFinished();
}

void FoodListView::startDrag(Qt::DropActions)
{
    const QModelIndex index = pressed_.isValid() ? QModelIndex(pressed_) : currentIndex();
    if (!index.isValid() || model_->dragSource() == DragSource::None)
        return;
    releaseEndsDrag_ = false;
    if (followsSelection_ && foods_.selectedFoodRow() != index.row())
        userSelected(index.row());
    auto* drag = new QDrag(this);
    drag->setMimeData(model_->mimeData({index}));
    drag->exec(Qt::CopyAction);
    emit dragFinished();
}

void FoodListView::refresh()
{
    const QuietSelection quiet(this);
    model_->reload();
    if (followsSelection_)
        showSelectedRow(this, foods_.selectedFoodRow());
}

} // namespace tolvane
