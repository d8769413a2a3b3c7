#include "food/foodtable.h"

#include <algorithm>

namespace tolvane {

void FoodTable::assign(std::vector<FoodItem> records)
{
    busy_ = true;
    std::vector<std::pair<QString, std::unique_ptr<FoodItem>>> named;
    named.reserve(records.size());
    for (auto& r : records) {
        QString name = r.name();
        named.emplace_back(std::move(name), std::make_unique<FoodItem>(r));
    }
    // A file the program wrote is already in order: check that first, it costs
    // one comparison per record instead of a sort.
    const auto before = [this](const auto& a, const auto& b) { return order_.less(a.first, b.first); };
    if (!std::is_sorted(named.begin(), named.end(), before))
        std::stable_sort(named.begin(), named.end(), before);
    items_.clear();
    items_.reserve(named.size());
    for (auto& [name, record] : named)
        items_.push_back(std::move(record));
    busy_ = false;
    rebuildView();
}

int FoodTable::sortedPlace(const QString& name, int excludeSlot) const
{
    // Binary search over the slots, `excludeSlot` (a record being moved) left out.
    int lo = 0;
    int hi = excludeSlot >= 0 ? count() - 1 : count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        const int probe = excludeSlot >= 0 && mid >= excludeSlot ? mid + 1 : mid;
        if (order_.compare(name, item(probe).name()) < 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

int FoodTable::insert(const FoodItem& record)
{
    busy_ = true;
    const int slot = sortedPlace(record.name());
    items_.insert(items_.begin() + slot, std::make_unique<FoodItem>(record));
    busy_ = false;
    rebuildView();
    return slot;
}

void FoodTable::removeAt(int slot)
{
    busy_ = true;
    items_.erase(items_.begin() + slot);
    busy_ = false;
    rebuildView();
}

int FoodTable::resort(int slot)
{
    // A name still in order between its neighbours stays where it is, so that
    // an unchanged name never moves past an equal one.
    const QString& name = item(slot).name();
    const bool afterPrevious = slot == 0 || order_.compare(item(slot - 1).name(), name) <= 0;
    const bool beforeNext = slot == count() - 1 || order_.compare(name, item(slot + 1).name()) <= 0;
    if (afterPrevious && beforeNext) {
        rebuildView();
        return slot;
    }
    busy_ = true;
    const int lo = sortedPlace(item(slot).name(), slot);
    auto record = std::move(items_[static_cast<std::size_t>(slot)]);
    items_.erase(items_.begin() + slot);
    items_.insert(items_.begin() + lo, std::move(record));
    busy_ = false;
    rebuildView();
    return lo;
}

int FoodTable::findSameName(const QString& name) const
{
    for (int slot = 0; slot < count(); ++slot)
        if (NameOrder::sameName(item(slot).name(), name))
            return slot;
    return -1;
}

QByteArray FoodTable::toBytes() const
{
    QByteArray bytes;
    bytes.reserve(count() * FoodItem::Size);
    for (const auto& record : items_)
        bytes.append(reinterpret_cast<const char*>(record->bytes.data()), FoodItem::Size);
    return bytes;
}

void FoodTable::showPersonalList(bool shown)
{
    personalListShown_ = shown;
    rebuildView();
}

void FoodTable::rebuildView()
{
    view_.clear();
    view_.reserve(items_.size());
    for (const auto& record : items_)
        if (!personalListShown_ || record->onPersonalList())
            view_.push_back(record.get());
}

int FoodTable::slotOfRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    const FoodItem* wanted = view_[static_cast<std::size_t>(row)];
    for (int slot = 0; slot < count(); ++slot)
        if (items_[static_cast<std::size_t>(slot)].get() == wanted)
            return slot;
    return -1;
}

int FoodTable::rowOfSlot(int slot) const
{
    if (slot < 0 || slot >= count())
        return -1;
    const FoodItem* wanted = items_[static_cast<std::size_t>(slot)].get();
    const auto it = std::find(view_.begin(), view_.end(), wanted);
    return it == view_.end() ? -1 : static_cast<int>(it - view_.begin());
}

QStringList FoodTable::rowNames() const
{
    QStringList names;
    names.reserve(rowCount());
    for (const FoodItem* record : view_)
        names.append(record->name());
    return names;
}

} // namespace tolvane
