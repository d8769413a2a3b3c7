#pragma once
// The rows of the food list as a Qt model, read straight from the table's view.

#include <QAbstractListModel>

namespace tolvane {

class FoodTable;

class FoodListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FoodListModel(const FoodTable& table, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The table or its view changed: show it anew.
    void reload();

private:
    const FoodTable& table_;
    QStringList names_;
};

} // namespace tolvane
