#pragma once
// The rows of the food list as a Qt model, read straight from the table's view.

#include "food/dragitem.h"

#include <QAbstractListModel>

namespace tolvane {

class FoodTable;

class FoodListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FoodListModel(const FoodTable& table, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The names the rows show.
    const QStringList& names() const { return names_; }
    // The table or its view changed: show it anew.
    void reload();
    // Shows every record of the table in slot order, whatever the view shows
    // (the Recipes page's copy of the list).
    void setWholeTable(bool whole);
    bool wholeTable() const { return wholeTable_; }

    // Dragging rows: the mime data names this source and the row.
    DragSource dragSource() const { return dragSource_; }
    void setDragSource(DragSource source) { dragSource_ = source; }
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

private:
    const FoodTable& table_;
    QStringList names_;
    DragSource dragSource_ = DragSource::None;
    bool wholeTable_ = false;
};

} // namespace tolvane
