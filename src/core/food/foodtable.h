#pragma once
// The food item table in memory: up to 2000 records sorted by name, and the
// view behind the rows of the food list (the whole table, or only the items on
// the personal list).

#include "food/fooditem.h"
#include "food/nameorder.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace tolvane {

constexpr int MaxFoodItems = 2000;

class FoodTable {
public:
    FoodTable() = default;
    explicit FoodTable(const NameOrder& order) : order_(order) {}

    // The table, in name order.
    int count() const { return static_cast<int>(items_.size()); }
    bool isFull() const { return count() >= MaxFoodItems; }
    const FoodItem& item(int slot) const { return *items_.at(static_cast<std::size_t>(slot)); }
    FoodItem& item(int slot) { return *items_.at(static_cast<std::size_t>(slot)); }

    // Replaces the whole table with `records` (in file order), each moved to its
    // sorted place; records that sort equal keep their file order.
    void assign(std::vector<FoodItem> records);

    // Inserts a record at its sorted place (after the names that sort equal)
    // and returns its slot. The caller checks that the table is not full.
    int insert(const FoodItem& record);

    // Removes the record of a slot.
    void removeAt(int slot);

    // Moves the record of a slot to its sorted place after its name changed;
    // returns the new slot.
    int resort(int slot);

    // The slot of the first record whose name equals `name` ignoring case, or -1.
    int findSameName(const QString& name) const;

    // The stored image of the whole table, whatever the view shows.
    QByteArray toBytes() const;

    // The rows of the food list.
    bool personalListShown() const { return personalListShown_; }
    // Shows the whole table or only the personal list; rebuilds the rows.
    void showPersonalList(bool shown);
    // Rebuilds the rows from the table (after any change of the table or flags).
    void rebuildView();
    int rowCount() const { return static_cast<int>(view_.size()); }
    FoodItem& rowItem(int row) { return *view_.at(static_cast<std::size_t>(row)); }
    const FoodItem& rowItem(int row) const { return *view_.at(static_cast<std::size_t>(row)); }
    // The table slot behind a row, or -1.
    int slotOfRow(int row) const;
    // The row that shows a table slot, or -1 while it is not shown.
    int rowOfSlot(int slot) const;
    QStringList rowNames() const;

    // Set while the table's slots are shifted or the file is written: drawing
    // that reads the table skips its work meanwhile.
    bool busy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }

    const NameOrder& order() const { return order_; }

private:
    // Slot where a name goes: after every name that sorts before it or equal.
    int sortedPlace(const QString& name, int excludeSlot = -1) const;

    NameOrder order_;
    std::vector<std::unique_ptr<FoodItem>> items_;
    std::vector<FoodItem*> view_;
    bool personalListShown_ = false;
    bool busy_ = false;
};

} // namespace tolvane
