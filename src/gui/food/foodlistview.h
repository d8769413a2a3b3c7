#pragma once
// The food list: the names of the food items as the table's view shows them.

#include "menu/dragitem.h"

#include <QListView>

namespace tolvane {

class FoodListModel;
class Program;

class FoodListView : public QListView {
    Q_OBJECT
public:
    // `followsSelection`: the Menu Planner's list, whose selected row is the
    // program's selected food item; the Recipes page's copy keeps its own.
    FoodListView(Program& program, bool followsSelection, QWidget* parent = nullptr);

    void refresh();
    FoodListModel* foodModel() const { return model_; }
    // Rows can be dragged, reporting this source; None (the default): no drags.
    void setDragSource(DragSource source);

signals:
    // A click or key changed the program's state.
    void stateChanged();
    // A drag that began on this list ended, dropped or not.
    void dragFinished();
    // A character typed into a list that does not follow the program's
    // selection; the list still handles the key itself afterwards.
    void keyTyped(QChar key);

protected:
    // "+" and "-" change the number of servings.
    void keyPressEvent(QKeyEvent* event) override;
    // Pressing a row to drag it selects it, as a click would.
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QPersistentModelIndex pressed_;  // the row a drag starts from
    Program& program_;
    FoodListModel* model_;
    bool followsSelection_;
};

} // namespace tolvane
