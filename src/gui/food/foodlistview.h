#pragma once
// The food list: the names of the food items as the table's view shows them.

#include "food/dragitem.h"

#include <QListView>

namespace tolvane {

class FoodListModel;
class FoodList;
class Program;

class FoodListView : public QListView {
    Q_OBJECT
public:
    // `followsSelection`: the Menu Planner's list, whose selected row is the
    // program's selected food item; the Recipes page's copy keeps its own.
    FoodListView(Program& program, FoodList& foods, bool followsSelection, QWidget* parent = nullptr);

    void refresh();
    FoodListModel* foodModel() const { return model_; }
    // Rows can be dragged, reporting this source; None (the default): no drags.
    void setDragSource(DragSource source);
    // The row the user selected, -1 when none.
    int selectedRow() const;
    // Selects a row as the keys would (the find field's choice).
    void selectRow(int row);
    // Keeps the bottom `height` pixels free of rows (the find field lies
    // there), so a row scrolled into view is seen whole; 0 gives them back.
    void reserveBottom(int height);

signals:
    // A selection, click or key changed the program's state.
    void stateChanged();
    // A drag that began on this list ended, dropped or not. A press and
    // release without a drag is such a drag too.
    void dragFinished();
    // A character typed into a list that does not follow the program's
    // selection; the list still handles the key itself afterwards.
    void keyTyped(QChar key);
    // Enter or Return on the selected row (-1: none) of a list that does not
    // follow the program's selection.
    void enterPressed(int row);

protected:
    // "+" and "-" change the number of servings.
    void keyPressEvent(QKeyEvent* event) override;
    // Pressing a row selects it, as a click would: a drag may start from it
    // before any click is complete.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void userSelected(int row);

    QPersistentModelIndex pressed_;  // the row a drag starts from
    Program& program_;
    FoodList& foods_;
    FoodListModel* model_;
    bool followsSelection_;
    bool pressing_ = false;       // the mouse is selecting the pressed row
    bool releaseEndsDrag_ = false;  // pressed, and no drag has started since
};

} // namespace tolvane
