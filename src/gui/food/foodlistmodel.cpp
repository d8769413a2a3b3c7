#include "food/foodlistmodel.h"

#include "food/foodtable.h"
#include "food/dragpayload.h"

namespace tolvane {

FoodListModel::FoodListModel(const FoodTable& table, QObject* parent) : QAbstractListModel(parent), table_(table)
{
    names_ = table_.rowNames();
}

int FoodListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FoodListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= names_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return names_.at(index.row());
    return {};
}

void FoodListModel::setWholeTable(bool whole)
{
    wholeTable_ = whole;
    reload();
}

void FoodListModel::reload()
{
    QStringList names;
    if (wholeTable_) {
        names.reserve(table_.count());
        for (int slot = 0; slot < table_.count(); ++slot)
            names.append(table_.item(slot).name());
    } else {
        names = table_.rowNames();
    }
    if (names == names_)
        return;
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

Qt::ItemFlags FoodListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (index.isValid() && dragSource_ != DragSource::None)
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList FoodListModel::mimeTypes() const { return {DragMimeType}; }

QMimeData* FoodListModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty() || dragSource_ == DragSource::None)
        return nullptr;
    return makeDragMimeData({dragSource_, indexes.first().row()});
}

} // namespace tolvane
